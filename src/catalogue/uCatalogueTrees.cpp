#include "catalogue/uCatalogueTrees.h"

#include "database/uCodecs.h"
#include "database/uDatabase.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

// A decimal integer column of a tree row; anything else stops the loading of the tree.
int DecimalField(const Query& db, const char* column) {
    const QString text = db.FieldByName(QLatin1String(column));
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw TreeLoadError(QStringLiteral("'%1' is not a valid integer value (%2)")
                                .arg(text, QLatin1String(column))
                                .toStdString());
    return value;
}

QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    return QIcon(pixmap);
}

QTreeWidgetItem* SelectedNode(const QTreeWidget* tree) {
    if (!tree)
        return nullptr;
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

} // namespace

QList<QIcon> CatalogueIcons() {
    // 0: a locality, a small town of three houses; 1: a section, a folder.
    const QIcon locality = Draw([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(230, 200, 120));
        p.drawRect(QRectF(1.5, 7.5, 5, 7));
        p.drawRect(QRectF(9.5, 6.5, 5, 8));
        p.setBrush(QColor(200, 80, 60));
        p.drawRect(QRectF(5.5, 3.5, 5, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 245, 170));
        p.drawRect(QRectF(7, 5, 2, 2));
        p.drawRect(QRectF(7, 9, 2, 2));
    });
    const QIcon section = Draw([](QPainter& p) {
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(250, 210, 90));
        p.drawRect(QRectF(1.5, 3.5, 6, 3));
        p.drawRect(QRectF(1.5, 5.5, 13, 9));
    });
    return {locality, section};
}

QList<QIcon> InfoIcons() {
    // 0: a page with lines of text.
    const QIcon page = Draw([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(70, 110, 170), 1));
        for (int y = 4; y <= 12; y += 2)
            p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
    });
    return {page};
}

CatalogueTrees::CatalogueTrees(std::array<QTreeWidget*, kTreeCount> trees, std::array<QWidget*, 4> panels,
                               const Log* log, QObject* parent)
    : QObject(parent), trees_(trees), panels_(panels), log_(log), catalogueIcons_(CatalogueIcons()),
      infoIcons_(InfoIcons()) {
    for (int i = 0; i < kTreeCount; ++i) {
        QTreeWidget* tree = trees_[i];
        if (!tree)
            continue;
        tree->setIconSize(QSize(16, 16));
        tree->viewport()->installEventFilter(this);
        connect(tree, &QTreeWidget::itemClicked, this, [this, i] {
            if (i == 0)
                tvCatalogORGClick();
            else
                tvNormativDOCClick(i);
        });
    }
    if (trees_[0])
        trees_[0]->setProperty("keepsSelectionVisible", true);
    if (trees_[3])
        trees_[3]->setRootIsDecorated(false);
}

QTreeWidget* CatalogueTrees::Tree(int tIndex) const {
    return trees_[tIndex >= 1 && tIndex < kTreeCount ? tIndex : 0];
}

const QList<QIcon>* CatalogueTrees::Icons(int tIndex) const {
    if (tIndex == 0)
        return &catalogueIcons_;
    if (tIndex == 3)
        return &infoIcons_;
    return nullptr;
}

void CatalogueTrees::Lodi(Query& db, int tIndex) {
    if (tIndex < 0) {
        for (int i = 0; i < kTreeCount; ++i)
            LoadOne(db, i);
    } else {
        LoadOne(db, tIndex >= 1 && tIndex < kTreeCount ? tIndex : 0);
    }
}

void CatalogueTrees::LoadOne(Query& db, int tIndex) {
    QTreeWidget* tree = trees_[tIndex];
    if (!tree)
        return;
    // Redrawing stays suspended while the tree is rebuilt, and comes back however the load ends.
    struct Redraw {
        QTreeWidget* tree;
        explicit Redraw(QTreeWidget* t) : tree(t) { tree->setUpdatesEnabled(false); }
        ~Redraw() { tree->setUpdatesEnabled(true); }
    } redraw(tree);
    tree->clear();
    db.Close();
    db.Clear();
    db.Add(QStringLiteral("SELECT Name,Imag,Kode,stat,tag FROM ") + TreeName(tIndex));
    db.Open();
    db.First();
    if (db.RecordCount() > 0)
        LoadTreeLevel(db, tree, nullptr);
    db.Close();
    if (tIndex >= 1) {
        if (QWidget* panel = panels_[tIndex - 1])
            panel->setVisible(tree->topLevelItemCount() > 0);
    }
}

void CatalogueTrees::LoadTreeLevel(Query& db, QTreeWidget* tree, QTreeWidgetItem* parent) {
    const int tIndex = static_cast<int>(std::find(trees_.begin(), trees_.end(), tree) - trees_.begin());
    const QList<QIcon>* icons = Icons(tIndex);
    // The open levels, innermost last; the first is the level this call fills. Nodes are made detached
    // and the finished top level is handed to the tree in one call.
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> levels{parent};
    auto attach = [&](QTreeWidgetItem* item) {
        if (QTreeWidgetItem* owner = levels.back())
            owner->addChild(item);
        else
            topLevel.append(item);
    };
    auto flush = [&] {
        if (!topLevel.isEmpty())
            tree->addTopLevelItems(topLevel);
        topLevel.clear();
    };
    try {
        while (!db.Eof()) {
            const int kode = DecimalField(db, "Kode");
            if (kode < 0) {
                db.Next();
                if (levels.size() == 1)
                    break; // the level this call fills is closed
                levels.pop_back();
                continue;
            }
            auto* item = new QTreeWidgetItem;
            attach(item);
            item->setText(0, hextostr(db.FieldByName(QStringLiteral("Name")), log_));
            const QString stat = db.FieldByName(QStringLiteral("stat"));
            const int image = stat == QLatin1String("0") ? 13 : DecimalField(db, "Imag");
            node::SetImage(item, image, icons);
            node::SetState(item, DecimalField(db, "stat"));
            node::SetTag(item, TTagRec{hextostr(db.FieldByName(QStringLiteral("tag")), log_)});
            db.Next();
            if (kode > 0)
                levels.push_back(item);
        }
    } catch (...) {
        flush();
        throw;
    }
    flush();
}

void CatalogueTrees::PresentAtStartup() {
    QTreeWidget* tree = trees_[0];
    if (!tree || tree->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* first = tree->topLevelItem(0);
    std::vector<QTreeWidgetItem*> stack{first};
    while (!stack.empty()) {
        QTreeWidgetItem* item = stack.back();
        stack.pop_back();
        // Open the first node only; everything below its direct children stays closed.
        item->setExpanded(item == first);
        for (int i = 0; i < item->childCount(); ++i)
            stack.push_back(item->child(i));
    }
}

void CatalogueTrees::tvCatalogORGMouseDown(QTreeWidget* tree, const QPoint& pos) {
    if (!tree)
        return;
    if (QTreeWidgetItem* item = tree->itemAt(pos)) {
        tree->setCurrentItem(item);
        item->setSelected(true);
    } else {
        tree->clearSelection();
        tree->setCurrentItem(nullptr);
    }
}

void CatalogueTrees::tvCatalogORGClick() {
    try {
        const QTreeWidgetItem* selected = SelectedNode(trees_[0]);
        if (!selected || !target_)
            return;
        const QTreeWidgetItem* locality = selected->parent();
        while (locality && node::Image(locality) != 0)
            locality = locality->parent();
        const int city = locality ? node::State(locality) : 0;
        target_->ShowSectionList(QString::number(node::State(selected)), QString::number(city));
    } catch (...) {
        // A listing that fails leaves the page on screen.
    }
}

void CatalogueTrees::tvNormativDOCClick(int tIndex) {
    try {
        const QTreeWidgetItem* selected =
            SelectedNode(trees_[tIndex >= 1 && tIndex < kTreeCount ? tIndex : 0]);
        if (!selected || !target_)
            return;
        target_->OpenTreePage(node::Tag(selected).FTag);
    } catch (...) {
    }
}

bool CatalogueTrees::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (QTreeWidget* tree : trees_) {
            if (tree && watched == tree->viewport()) {
                tvCatalogORGMouseDown(tree, static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
