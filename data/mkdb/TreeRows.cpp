#include "TreeRows.h"

#include "SqlWriter.h"
#include "database/uCodecs.h"

namespace {

void Flatten(const std::vector<TreeNode>& nodes, std::vector<TreeRow>& out, bool closeLevel) {
    for (const TreeNode& n : nodes) {
        out.push_back({n.caption, n.imag, static_cast<int>(n.children.size()), n.stat, n.tag});
        if (!n.children.empty())
            Flatten(n.children, out, true);
    }
    if (closeLevel)
        out.push_back({QString(), 0, -1, 0, std::nullopt});
}

} // namespace

std::vector<TreeRow> FlattenTree(const std::vector<TreeNode>& topLevel) {
    std::vector<TreeRow> rows;
    Flatten(topLevel, rows, false);
    return rows;
}

void WriteTree(sqlite3* db, const QString& table, const std::vector<TreeRow>& rows) {
    RowInserter insert(db, table, {"Name", "Imag", "Kode", "stat", "v", "tag"});
    for (const TreeRow& r : rows) {
        insert.Insert(
            {strtohex(r.name), r.imag, r.kode, r.stat, 1, r.tag ? QVariant(strtohex(*r.tag)) : QVariant()});
    }
}
