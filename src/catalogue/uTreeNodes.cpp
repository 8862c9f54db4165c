#include "catalogue/uTreeNodes.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kStateRole = Qt::UserRole + 2;

} // namespace

QString TreeName(int tIndex) {
    static const char* const names[kTreeCount] = {"tvCatalogORG", "tvNormativDOC", "tvFair", "tvINFO",
                                                  "tvStrRINOK"};
    return QString::fromLatin1(tIndex >= 1 && tIndex < kTreeCount ? names[tIndex] : names[0]);
}

namespace node {

int Image(const QTreeWidgetItem* item) {
    return item->data(0, kImageRole).toInt();
}
int State(const QTreeWidgetItem* item) {
    return item->data(0, kStateRole).toInt();
}
TTagRec Tag(const QTreeWidgetItem* item) {
    return item->data(0, kTagRole).value<TTagRec>();
}

void SetImage(QTreeWidgetItem* item, int image, const QList<QIcon>* icons) {
    item->setData(0, kImageRole, image);
    if (icons && image >= 0 && image < icons->size())
        item->setIcon(0, icons->at(image));
    else
        item->setIcon(0, QIcon());
}

void SetState(QTreeWidgetItem* item, int state) {
    item->setData(0, kStateRole, state);
}
void SetTag(QTreeWidgetItem* item, const TTagRec& tag) {
    item->setData(0, kTagRole, QVariant::fromValue(tag));
}

} // namespace node

QList<CatalogueNode> NodesInDisplayOrder(const QTreeWidget* tree) {
    QList<CatalogueNode> out;
    if (!tree)
        return out;
    // The iterator walks in display order without recursion, however deep the tree.
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
        out.append({(*it)->text(0), node::Image(*it), node::State(*it)});
    return out;
}

QString SectionTitle(const QList<CatalogueNode>& nodes, const QString& razd) {
    for (const CatalogueNode& n : nodes) {
        if (n.image == 1 && QString::number(n.state) == razd)
            return n.caption;
    }
    return QString();
}
