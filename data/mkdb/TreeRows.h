#pragma once

#include <QString>
#include <optional>
#include <vector>

struct sqlite3;

// A node of a tree as written in the sources: caption, data text (a page path for the document trees)
// and children.
struct TreeNode {
    QString caption;
    QString tag;
    int imag = 0;
    int stat = 0;
    std::vector<TreeNode> children;
};

// One row of a tree table. Name and tag are plain text here; WriteTree stores them as hex text.
struct TreeRow {
    QString name;
    int imag = 0;
    int kode = 0;
    int stat = 0;
    std::optional<QString> tag; // none on end-of-children rows
};

// The rows in the order the tree loader reads them: each node, then (when it has children) its
// children's rows and one end-of-children row. The top level gets no end-of-children row.
std::vector<TreeRow> FlattenTree(const std::vector<TreeNode>& topLevel);

// Inserts the rows into a tree table, Name and tag as Windows-1251 hex text (strtohex), v = 1 on every
// row, end-of-children rows included, as a completed tree save leaves them.
void WriteTree(sqlite3* db, const QString& table, const std::vector<TreeRow>& rows);
