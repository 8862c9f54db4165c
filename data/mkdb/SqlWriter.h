#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "database/uDatabase.h"

struct sqlite3;
struct sqlite3_stmt;

// Runs a script of one or more statements; DbError with the engine's message on failure.
void ExecScript(sqlite3* db, const QString& sql);

// One prepared INSERT into the named columns of a table, reused for every row; values are bound as
// parameters, never written into the SQL text.
class RowInserter {
public:
    RowInserter(sqlite3* db, const QString& table, const QStringList& columns);
    ~RowInserter();
    RowInserter(const RowInserter&) = delete;
    RowInserter& operator=(const RowInserter&) = delete;

    // Binds the values in column order (null or invalid -> NULL, integers, doubles, text) and inserts.
    void Insert(const QVariantList& values);

    // The fast path of the bulk generators: bind each column (1-based), then Step().
    void BindInt(int column, qint64 value);
    void BindDouble(int column, double value);
    // The bytes must stay alive until Step() returns.
    void BindUtf8(int column, const QByteArray& utf8);
    void BindNull(int column);
    void Step();

    int ColumnCount() const { return columns_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int columns_;
};

// A database file built beside its final name and put in place only when complete: Commit() closes
// the transaction and renames the file over the target; a builder destroyed before that removes it.
class DbFileBuild {
public:
    explicit DbFileBuild(const QString& target);
    ~DbFileBuild();
    DbFileBuild(const DbFileBuild&) = delete;
    DbFileBuild& operator=(const DbFileBuild&) = delete;

    sqlite3* Handle() { return connection_.Handle(); }
    void Commit();

private:
    QString target_;
    QString temp_;
    Connection connection_;
    bool done_ = false;
};
