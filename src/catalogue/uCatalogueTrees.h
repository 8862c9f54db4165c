#pragma once

#include "catalogue/uTreeNodes.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>
#include <array>
#include <stdexcept>

class Query;
class Log;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// A tree row that cannot be turned into a node (Kode, Imag or stat is no decimal integer).
class TreeLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a click on a tree node opens.
class TreeClickTarget {
public:
    virtual ~TreeClickTarget() = default;
    // The organisations of section razd in locality city (both decimal text).
    virtual void ShowSectionList(const QString& razd, const QString& city) = 0;
    // The page a node of the document, exhibition, INFO or market tree names (FTag).
    virtual void OpenTreePage(const QString& tag) = 0;
};

// The two catalogue pictures (0 locality, 1 section) and the INFO picture (0), 16x16, drawn at run time.
QList<QIcon> CatalogueIcons();
QList<QIcon> InfoIcons();

// The five catalogue trees of the main window: loading them from their tables, the panels that show
// only when their tree has nodes, selection on mouse-down and the two click handlers. The widgets are
// the window's; this object only fills them and listens to them.
class CatalogueTrees : public QObject {
    Q_OBJECT
public:
    // trees by tree index; panels of trees 1 to 4 (pNormDOC, pFair, pINFO, pStrRINOK), each may be null.
    CatalogueTrees(std::array<QTreeWidget*, kTreeCount> trees, std::array<QWidget*, 4> panels,
                   const Log* log = nullptr, QObject* parent = nullptr);

    // Where clicks go; not owned. Without one, clicks do nothing.
    void SetClickTarget(TreeClickTarget* target) { target_ = target; }

    // Loads tree tIndex from its table with db (made by the caller), or all five in order when tIndex
    // is negative; an index above 4 loads the catalogue tree. Throws DbError or TreeLoadError: the
    // nodes made so far stay and the trees after a failing one are not loaded.
    void Lodi(Query& db, int tIndex);
    // Reads rows from the query's current row into nodes under parent (top-level nodes of tree when
    // parent is null) until an end-of-children row closes that level or the rows end.
    void LoadTreeLevel(Query& db, QTreeWidget* tree, QTreeWidgetItem* parent);

    // After the start-up load: the first locality open with its sections closed.
    void PresentAtStartup();

    // tvCatalogORGMouseDown: the node at pos (viewport coordinates) becomes the selected one; a point
    // off every node clears the selection.
    void tvCatalogORGMouseDown(QTreeWidget* tree, const QPoint& pos);
    // tvCatalogORGClick: the section list of the selected node in the locality above it.
    void tvCatalogORGClick();
    // tvNormativDOCClick: the page of the selected node of tree tIndex (1 to 4).
    void tvNormativDOCClick(int tIndex);

    QTreeWidget* Tree(int tIndex) const;
    // The catalogue tree's nodes in display order.
    QList<CatalogueNode> CatalogueNodes() const { return NodesInDisplayOrder(trees_[0]); }
    // The pictures of tree tIndex (empty list for the trees without pictures).
    const QList<QIcon>* Icons(int tIndex) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadOne(Query& db, int tIndex);

    std::array<QTreeWidget*, kTreeCount> trees_;
    std::array<QWidget*, 4> panels_;
    const Log* log_;
    TreeClickTarget* target_ = nullptr;
    QList<QIcon> catalogueIcons_;
    QList<QIcon> infoIcons_;
};
