#include "SqlWriter.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <sqlite3.h>

namespace {

[[noreturn]] void Fail(sqlite3* db, const QString& what) {
    throw DbError((what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db))).toStdString());
}

} // namespace

void ExecScript(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : QStringLiteral("SQLite error");
        sqlite3_free(message);
        throw DbError(text.toStdString());
    }
}

RowInserter::RowInserter(sqlite3* db, const QString& table, const QStringList& columns)
    : db_(db), columns_(static_cast<int>(columns.size())) {
    QStringList marks;
    for (int i = 0; i < columns_; ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
        Fail(db_, sql);
}

RowInserter::~RowInserter() {
    sqlite3_finalize(stmt_);
}

void RowInserter::Insert(const QVariantList& values) {
    if (values.size() != columns_)
        throw DbError("RowInserter: wrong number of values");
    for (int i = 0; i < columns_; ++i)
        if (BindValue(stmt_, i + 1, values[i]) != SQLITE_OK)
            Fail(db_, QStringLiteral("bind"));
    Step();
}

void RowInserter::BindInt(int column, qint64 value) {
    sqlite3_bind_int64(stmt_, column, value);
}
void RowInserter::BindDouble(int column, double value) {
    sqlite3_bind_double(stmt_, column, value);
}
void RowInserter::BindUtf8(int column, const QByteArray& utf8) {
    sqlite3_bind_text(stmt_, column, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC);
}
void RowInserter::BindNull(int column) {
    sqlite3_bind_null(stmt_, column);
}

void RowInserter::Step() {
    const int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (rc != SQLITE_DONE)
        Fail(db_, QStringLiteral("insert"));
}

DbFileBuild::DbFileBuild(const QString& target) : target_(target), temp_(target + QStringLiteral(".part")) {
    QFile::remove(temp_);
    QFile file(temp_);
    if (!file.open(QIODevice::WriteOnly)) // an empty file is an empty database to SQLite
        throw DbError(("cannot create " + temp_ + ": " + file.errorString()).toStdString());
    file.close();
    connection_.SetDatabase(temp_);
    connection_.Connect();
    // A file under construction: nothing to protect until the rename, so no journal and no syncs.
    ExecScript(Handle(), QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"));
}

DbFileBuild::~DbFileBuild() {
    if (!done_) {
        connection_.Disconnect();
        QFile::remove(temp_);
    }
}

void DbFileBuild::Commit() {
    ExecScript(Handle(), QStringLiteral("COMMIT;"));
    connection_.Disconnect();
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(temp_).toStdString(), QFile::encodeName(target_).toStdString(),
                            ec);
    if (ec) {
        QFile::remove(temp_);
        done_ = true;
        throw DbError(
            ("cannot rename to " + target_ + ": " + QString::fromStdString(ec.message())).toStdString());
    }
    done_ = true;
}
