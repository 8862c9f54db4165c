#include "database/uDatabase.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 20;

// A database of kRows rows of kColumns columns (integers, reals, short and long texts, NULLs) in a
// temporary file, made once for the whole run.
class BigTable {
public:
    BigTable() {
        path_ = dir_.filePath(QStringLiteral("arch.db"));
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        QString create = QStringLiteral("CREATE TABLE big (c0 INTEGER");
        QString insert = QStringLiteral("INSERT INTO big VALUES (?");
        for (int c = 1; c < kColumns; ++c) {
            create += QStringLiteral(", c%1 %2")
                          .arg(c)
                          .arg(c % 4 == 1   ? "REAL"
                               : c % 4 == 2 ? "INTEGER"
                                            : "TEXT");
            insert += QStringLiteral(", ?");
        }
        sqlite3_exec(db, (create + QLatin1Char(')')).toUtf8().constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, (insert + QLatin1Char(')')).toUtf8().constData(), -1, &stmt, nullptr);
        const QByteArray shortText = QStringLiteral("ООО «Сибирский строитель»").toUtf8();
        const QByteArray longText =
            QStringLiteral("Кирпич, бетон, металлопрокат; доставка по Новосибирску и области. ")
                .repeated(3)
                .toUtf8();
        for (int r = 0; r < kRows; ++r) {
            sqlite3_bind_int64(stmt, 1, r);
            for (int c = 1; c < kColumns; ++c) {
                if ((r + c) % 17 == 0)
                    sqlite3_bind_null(stmt, c + 1);
                else if (c % 4 == 1)
                    sqlite3_bind_double(stmt, c + 1, r * 1.25 + c);
                else if (c % 4 == 2)
                    sqlite3_bind_int64(stmt, c + 1, r * 31 + c);
                else {
                    const QByteArray& t = c % 4 == 3 ? shortText : longText;
                    sqlite3_bind_text(stmt, c + 1, t.constData(), static_cast<int>(t.size()), SQLITE_STATIC);
                }
            }
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    const QString& Path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

const BigTable& Table() {
    static const BigTable table;
    return table;
}

void BM_ReadAllRowsAsText(benchmark::State& state) {
    Connection conn;
    conn.SetDatabase(Table().Path());
    for (auto _ : state) {
        auto q = DBCrate(conn);
        q->Add(QStringLiteral("select * from big;"));
        q->Open();
        qsizetype chars = 0;
        for (q->First(); !q->Eof(); q->Next())
            for (int c = 0; c < q->FieldCount(); ++c)
                chars += q->Field(c).size();
        benchmark::DoNotOptimize(chars);
        q->Close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_ReadAllRowsAsText)->Unit(benchmark::kMillisecond);

void BM_ReadAllRowsByName(benchmark::State& state) {
    Connection conn;
    conn.SetDatabase(Table().Path());
    QStringList names;
    for (int c = 0; c < kColumns; ++c)
        names << QStringLiteral("C%1").arg(c);
    for (auto _ : state) {
        auto q = DBCrate(conn);
        q->Add(QStringLiteral("select * from big;"));
        q->Open();
        qsizetype chars = 0;
        for (q->First(); !q->Eof(); q->Next())
            for (const QString& name : names)
                chars += q->FieldByName(name).size();
        benchmark::DoNotOptimize(chars);
        q->Close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ReadAllRowsByName)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
