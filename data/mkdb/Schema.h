#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// The ten tables of arch.db. Integer and number columns carry integer or numeric affinity, so that a
// quoted and a bare number are stored and compared as the same number; the rest is text. No keys and
// no constraints: the update import replaces rows exactly as the feed sends them.
namespace schema {

// The five tree tables, in the order of the tree index (0 catalogue, 1 documents, 2 fair, 3 INFO, 4 market).
const QStringList& TreeTables();
// Every column of a table, in declaration order; empty for a table that is not in arch.db.
QStringList Columns(const QString& table);
void CreateTables(sqlite3* db);
// The indexes the pages' queries use; made after the bulk inserts, which is faster.
void CreateIndexes(sqlite3* db);

} // namespace schema
