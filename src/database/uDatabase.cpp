#include "database/uDatabase.h"

#include <QByteArray>
#include <QMetaType>
#include <limits>
#include <sqlite3.h>

namespace {

constexpr int kBusyTimeoutMs = 5000;

struct StmtFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

QString EngineMessage(sqlite3* db) {
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
}

[[noreturn]] void Fail(const QString& message) {
    throw DbError(message.toUtf8().toStdString());
}

// The value as the engine writes it as text (its own conversion of numbers); NULL adds nothing.
void AppendColumnText(QByteArray& out, sqlite3_stmt* stmt, int col) {
    if (sqlite3_column_type(stmt, col) == SQLITE_NULL)
        return;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
    const int bytes = sqlite3_column_bytes(stmt, col);
    if (text)
        out.append(text, bytes);
}

} // namespace

int BindValue(sqlite3_stmt* stmt, int index, const QVariant& v) {
    if (v.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(stmt, index, v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong u = v.toULongLong();
        if (u <= static_cast<qulonglong>(std::numeric_limits<sqlite3_int64>::max()))
            return sqlite3_bind_int64(stmt, index, static_cast<sqlite3_int64>(u));
        return sqlite3_bind_double(stmt, index, static_cast<double>(u));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, v.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return sqlite3_bind_blob64(stmt, index, b.constData(), static_cast<sqlite3_uint64>(b.size()),
                                   SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray t = v.toString().toUtf8();
        return sqlite3_bind_text64(stmt, index, t.constData(), static_cast<sqlite3_uint64>(t.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    }
}

// ---- Connection ------------------------------------------------------------------------------

void Connection::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

Connection::~Connection() = default;

void Connection::Connect() {
    if (db_)
        return;
    sqlite3* raw = nullptr;
    const QByteArray path = path_.toUtf8();
    const int rc =
        sqlite3_open_v2(path.constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, Closer> db(raw);
    if (rc != SQLITE_OK)
        Fail(EngineMessage(raw) + QStringLiteral(": ") + path_);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    // Statements write their string values in double quotes; keep that accepted whatever the
    // library's build default.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DML, 1, static_cast<int*>(nullptr));
    // Reading the schema tells a database from any other file now rather than at the first query.
    char* err = nullptr;
    if (sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &err) != SQLITE_OK) {
        const QString message = QString::fromUtf8(err ? err : sqlite3_errmsg(raw));
        sqlite3_free(err);
        Fail(message + QStringLiteral(": ") + path_);
    }
    db_ = std::move(db);
}

void Connection::Disconnect() {
    db_.reset();
}

// ---- Query -----------------------------------------------------------------------------------

void Query::Open(const QVariantList& params) {
    Close();
    Run(params, true);
    active_ = true;
    current_ = 0;
}

void Query::ExecSQL(const QVariantList& params) {
    Run(params, false);
}

void Query::Close() {
    active_ = false;
    columns_.clear();
    text_ = QByteArray();
    ends_ = {};
    rowCount_ = 0;
    current_ = 0;
}

void Query::Run(const QVariantList& params, bool keepRows) {
    connection_->Connect();
    sqlite3* db = connection_->Handle();
    const QByteArray sql = Text().toUtf8();
    const char* pos = sql.constData();
    const char* const end = pos + sql.size();
    qsizetype nextParam = 0;
    bool ownTransaction = false;

    // Leaves no transaction that this text began half done, then reports the failure.
    auto fail = [&](const QString& message) {
        if (ownTransaction && !sqlite3_get_autocommit(db))
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (keepRows)
            Close();
        Fail(message);
    };

    while (pos < end) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        const int prc = sqlite3_prepare_v2(db, pos, static_cast<int>(end - pos), &raw, &tail);
        Stmt stmt(raw);
        if (prc != SQLITE_OK)
            fail(EngineMessage(db));
        pos = tail ? tail : end;
        if (!stmt) // blank text or a comment
            continue;

        const int wanted = sqlite3_bind_parameter_count(raw);
        if (params.size() - nextParam < wanted)
            fail(QStringLiteral("not enough parameters for statement: ") +
                 QString::fromUtf8(sqlite3_sql(raw)));
        for (int i = 1; i <= wanted; ++i)
            if (BindValue(raw, i, params.at(nextParam++)) != SQLITE_OK) {
                const QString message = EngineMessage(db);
                stmt.reset();
                fail(message);
            }

        const int columns = sqlite3_column_count(raw);
        const bool collect = keepRows && columns > 0;
        if (collect) {
            columns_.clear();
            text_.clear();
            ends_.clear();
            rowCount_ = 0;
            for (int c = 0; c < columns; ++c)
                columns_.append(QString::fromUtf8(sqlite3_column_name(raw, c)));
        }

        const bool autocommitBefore = sqlite3_get_autocommit(db) != 0;
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
            if (!collect)
                continue;
            for (int c = 0; c < columns; ++c) {
                AppendColumnText(text_, raw, c);
                ends_.push_back(text_.size());
            }
            ++rowCount_;
        }
        if (rc != SQLITE_DONE) {
            const QString message = EngineMessage(db);
            stmt.reset(); // no statement in progress when rolling back
            fail(message);
        }
        const bool autocommitAfter = sqlite3_get_autocommit(db) != 0;
        if (autocommitBefore && !autocommitAfter)
            ownTransaction = true;
        else if (autocommitAfter)
            ownTransaction = false;
    }
    if (nextParam < params.size())
        fail(QStringLiteral("%1 parameters given, %2 used").arg(params.size()).arg(nextParam));
}

int Query::FieldIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString Query::FieldByName(const QString& name) const {
    const int index = FieldIndex(name);
    if (index < 0)
        Fail(QStringLiteral("no such column in the result: ") + name);
    return Field(index);
}

QString Query::Field(int index) const {
    if (index < 0 || index >= FieldCount())
        Fail(QStringLiteral("column index out of range: %1").arg(index));
    if (Eof())
        return QString();
    const std::size_t cell = static_cast<std::size_t>(current_) * columns_.size() + index;
    const qsizetype begin = cell == 0 ? 0 : ends_[cell - 1];
    return QString::fromUtf8(text_.constData() + begin, ends_[cell] - begin);
}

QString Query::FieldName(int index) const {
    if (index < 0 || index >= FieldCount())
        Fail(QStringLiteral("column index out of range: %1").arg(index));
    return columns_.at(index);
}

std::unique_ptr<Query> DBCrate(Connection& zConnect) {
    if (!zConnect.Connected())
        zConnect.Connect();
    auto query = std::make_unique<Query>(zConnect);
    query->Clear();
    return query;
}
