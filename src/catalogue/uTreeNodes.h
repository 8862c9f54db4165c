#pragma once

#include <QIcon>
#include <QList>
#include <QMetaType>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The data record of a tree node: the path of the page a node of the document, exhibition, INFO and
// market trees opens (relative to the program folder). The catalogue tree does not use it.
struct TTagRec {
    QString FTag;
};
Q_DECLARE_METATYPE(TTagRec)

// Tree index: 0 tvCatalogORG, 1 tvNormativDOC, 2 tvFair, 3 tvINFO, 4 tvStrRINOK. Each tree view's name is
// also the name of the table that stores it.
constexpr int kTreeCount = 5;
QString TreeName(int tIndex);

// What a node carries beside its caption. The item owns its record through its data.
namespace node {

// Image index of the node (13, or any index beyond the tree's pictures, draws no picture).
int Image(const QTreeWidgetItem* item);
// State value: the locality code or section number in the catalogue tree.
int State(const QTreeWidgetItem* item);
TTagRec Tag(const QTreeWidgetItem* item);

// Sets the image index and the picture drawn for it from the tree's icons (none when out of range).
void SetImage(QTreeWidgetItem* item, int image, const QList<QIcon>* icons);
void SetState(QTreeWidgetItem* item, int state);
void SetTag(QTreeWidgetItem* item, const TTagRec& tag);

} // namespace node

// A node of the catalogue tree as the pages need it.
struct CatalogueNode {
    QString caption;
    int image = 0;
    int state = 0;
};

// Every node of a tree in display order (top to bottom, children after their parent).
QList<CatalogueNode> NodesInDisplayOrder(const QTreeWidget* tree);

// SectionTitle: the caption of the first node in display order whose image index is 1 and whose state
// value written in decimal equals razd exactly; empty text when there is none.
QString SectionTitle(const QList<CatalogueNode>& nodes, const QString& razd);
