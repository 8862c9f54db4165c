#include "CatalogueDb.h"

#include "catalogue/uCatalogueTrees.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Click {
    QString razd, city, tag;
};

class RecordingTarget : public TreeClickTarget {
public:
    void ShowSectionList(const QString& razd, const QString& city) override {
        clicks.push_back({razd, city, {}});
    }
    void OpenTreePage(const QString& tag) override { clicks.push_back({{}, {}, tag}); }
    std::vector<Click> clicks;
};

class TreesTest : public ::testing::Test {
protected:
    TreesTest() : db(dir.filePath(QStringLiteral("arch.db"))) {
        for (int i = 0; i < kTreeCount; ++i) {
            trees[i] = std::make_unique<QTreeWidget>();
            trees[i]->setObjectName(TreeName(i));
        }
        for (auto& p : panels)
            p = std::make_unique<QWidget>();
        catalogue = std::make_unique<CatalogueTrees>(
            std::array<QTreeWidget*, kTreeCount>{trees[0].get(), trees[1].get(), trees[2].get(),
                                                 trees[3].get(), trees[4].get()},
            std::array<QWidget*, 4>{panels[0].get(), panels[1].get(), panels[2].get(), panels[3].get()});
        catalogue->SetClickTarget(&target);
    }
    void Load(int tIndex) {
        auto q = DBCrate(db.Db());
        catalogue->Lodi(*q, tIndex);
    }
    // "caption(child, child)" for every top-level node, joined by " ".
    static QString Shape(const QTreeWidgetItem* item) {
        QString s = item->text(0);
        if (item->childCount() > 0) {
            QStringList children;
            for (int i = 0; i < item->childCount(); ++i)
                children << Shape(item->child(i));
            s += QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        return s;
    }
    QString Shape(int tIndex) const {
        QStringList top;
        for (int i = 0; i < trees[tIndex]->topLevelItemCount(); ++i)
            top << Shape(trees[tIndex]->topLevelItem(i));
        return top.join(QLatin1Char(' '));
    }
    void Press(int tIndex, QTreeWidgetItem* item) {
        QTreeWidget* tree = trees[tIndex].get();
        tree->resize(300, 400);
        tree->expandAll();
        const QPoint pos = item ? tree->visualItemRect(item).center() : QPoint(5, 390);
        QMouseEvent press(QEvent::MouseButtonPress, pos, tree->viewport()->mapToGlobal(pos), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree->viewport(), &press);
    }

    QTemporaryDir dir;
    CatalogueDb db;
    std::unique_ptr<QTreeWidget> trees[kTreeCount];
    std::unique_ptr<QWidget> panels[4];
    RecordingTarget target;
    std::unique_ptr<CatalogueTrees> catalogue;
};

struct Row {
    const char* name;
    int kode;
};

struct ShapeCase {
    std::vector<Row> rows;
    const char* shape;
};

TEST_F(TreesTest, RowsBecomeNodesByTheirStructureCodes) {
    const std::vector<ShapeCase> cases = {
        {{{"A", 2}, {"B", 0}, {"C", 0}, {"", -1}, {"D", 0}}, "A(B,C) D"},
        {{{"", -1}, {"A", 0}}, ""},    // an end row first: empty tree
        {{{"A", 0}, {"F", 3}}, "A F"}, // a folder as the last row: no children
        {{{"A", 1}, {"B", 1}, {"C", 0}, {"", -1}, {"", -1}, {"D", 0}}, "A(B(C)) D"},
        {{{"A", 0}, {"", -1}, {"B", 0}}, "A"}, // an end row at the top ends the tree
    };
    for (const ShapeCase& c : cases) {
        db.Exec(QStringLiteral("DELETE FROM tvNormativDOC;"));
        for (const Row& r : c.rows)
            db.TreeRow(QStringLiteral("tvNormativDOC"), QString::fromUtf8(r.name), 0, r.kode, 1);
        Load(1);
        EXPECT_EQ(Shape(1), QString::fromLatin1(c.shape)) << c.shape;
    }
}

TEST_F(TreesTest, NodeCarriesImageStateAndTag) {
    db.TreeRow(QStringLiteral("tvINFO"), QStringLiteral("Без картинки"), 1, 0, 0, QStringLiteral("a/b.htm"));
    db.TreeRow(QStringLiteral("tvINFO"), QStringLiteral("Статья"), 0, 0, -1,
               QStringLiteral("info\\stati\\c.htm"));
    Load(3);
    QTreeWidgetItem* plain = trees[3]->topLevelItem(0);
    QTreeWidgetItem* article = trees[3]->topLevelItem(1);
    EXPECT_EQ(plain->text(0), QStringLiteral("Без картинки"));
    EXPECT_EQ(node::Image(plain), 13);
    EXPECT_TRUE(plain->icon(0).isNull());
    EXPECT_EQ(node::State(plain), 0);
    EXPECT_EQ(node::Tag(plain).FTag, QStringLiteral("a/b.htm"));
    EXPECT_EQ(node::Image(article), 0);
    EXPECT_FALSE(article->icon(0).isNull());
    EXPECT_EQ(node::State(article), -1);
    EXPECT_EQ(node::Tag(article).FTag, QStringLiteral("info\\stati\\c.htm"));
}

TEST_F(TreesTest, PanelShowsOnlyWhenItsTreeHasNodes) {
    panels[1]->show();
    Load(2);
    EXPECT_TRUE(panels[1]->isHidden());
    db.TreeRow(QStringLiteral("tvFair"), QStringLiteral("Выставка"), 0, 0, 1);
    Load(2);
    EXPECT_FALSE(panels[1]->isHidden());
}

TEST_F(TreesTest, ReloadReplacesTheNodes) {
    db.TreeRow(QStringLiteral("tvINFO"), QStringLiteral("A"), 0, 0, 1);
    Load(3);
    Load(3);
    EXPECT_EQ(Shape(3), QStringLiteral("A"));
}

TEST_F(TreesTest, BadNumberStopsTheLoadKeepingEarlierNodes) {
    StandardCatalogueTree(db);
    db.TreeRow(QStringLiteral("tvNormativDOC"), QStringLiteral("A"), 0, 0, 1);
    db.TreeRow(QStringLiteral("tvNormativDOC"), QStringLiteral("B"), 0, QStringLiteral("x"), 1);
    db.TreeRow(QStringLiteral("tvNormativDOC"), QStringLiteral("C"), 0, 0, 1);
    db.TreeRow(QStringLiteral("tvINFO"), QStringLiteral("I"), 0, 0, 1);
    EXPECT_THROW(Load(-1), TreeLoadError);
    EXPECT_EQ(trees[0]->topLevelItemCount(), 2);
    EXPECT_EQ(Shape(1), QStringLiteral("A"));
    EXPECT_EQ(trees[3]->topLevelItemCount(), 0);
    EXPECT_TRUE(trees[1]->updatesEnabled());
}

TEST_F(TreesTest, MissingTableFailsWithAnEmptyTree) {
    db.Exec(QStringLiteral("DROP TABLE tvStrRINOK;"));
    EXPECT_THROW(Load(4), DbError);
    EXPECT_EQ(trees[4]->topLevelItemCount(), 0);
}

TEST_F(TreesTest, StartupOpensTheFirstLocalityWithItsSectionsClosed) {
    const QString t = QStringLiteral("tvCatalogORG");
    db.TreeRow(t, QStringLiteral("Город"), 0, 1, 12);
    db.TreeRow(t, QStringLiteral("Папка"), 13, 1, 0);
    db.TreeRow(t, QStringLiteral("Раздел"), 1, 0, 5);
    db.TreeRow(t, QString(), 0, -1, 0);
    db.TreeRow(t, QString(), 0, -1, 0);
    db.TreeRow(t, QStringLiteral("Другой"), 0, 1, 13);
    db.TreeRow(t, QStringLiteral("Раздел"), 1, 0, 5);
    db.TreeRow(t, QString(), 0, -1, 0);
    Load(-1);
    trees[0]->expandAll();
    catalogue->PresentAtStartup();
    QTreeWidgetItem* first = trees[0]->topLevelItem(0);
    EXPECT_TRUE(first->isExpanded());
    EXPECT_FALSE(first->child(0)->isExpanded());
    EXPECT_FALSE(first->child(0)->child(0)->isExpanded());
    EXPECT_TRUE(trees[0]->topLevelItem(1)->isExpanded()); // only the first locality is arranged
}

TEST_F(TreesTest, SectionClickFindsTheLocalityAbove) {
    const QString t = QStringLiteral("tvCatalogORG");
    db.TreeRow(t, QStringLiteral("Город"), 0, 2, 12);
    db.TreeRow(t, QStringLiteral("Раздел"), 1, 0, 5);
    db.TreeRow(t, QStringLiteral("Папка"), 1, 1, 0); // stat 0: image 13
    db.TreeRow(t, QStringLiteral("Папка"), 1, 1, 0);
    db.TreeRow(t, QStringLiteral("Глубокий"), 1, 0, 9);
    db.TreeRow(t, QString(), 0, -1, 0);
    db.TreeRow(t, QString(), 0, -1, 0);
    db.TreeRow(t, QString(), 0, -1, 0);
    Load(0);
    QTreeWidgetItem* city = trees[0]->topLevelItem(0);
    QTreeWidgetItem* deep = city->child(1)->child(0)->child(0);
    for (QTreeWidgetItem* item : {city->child(0), deep, city}) {
        Press(0, item);
        catalogue->tvCatalogORGClick();
    }
    ASSERT_EQ(target.clicks.size(), 3u);
    EXPECT_EQ(target.clicks[0].razd, QStringLiteral("5"));
    EXPECT_EQ(target.clicks[0].city, QStringLiteral("12"));
    EXPECT_EQ(target.clicks[1].razd, QStringLiteral("9"));
    EXPECT_EQ(target.clicks[1].city, QStringLiteral("12"));
    EXPECT_EQ(target.clicks[2].razd, QStringLiteral("12")); // a locality itself: code 0
    EXPECT_EQ(target.clicks[2].city, QStringLiteral("0"));
}

TEST_F(TreesTest, MouseDownSelectsTheNodeAtThePointerOrNothing) {
    db.TreeRow(QStringLiteral("tvStrRINOK"), QStringLiteral("Рынок"), 0, 0, 1,
               QStringLiteral("info/rinok/a.htm"));
    Load(4);
    Press(4, trees[4]->topLevelItem(0));
    EXPECT_TRUE(trees[4]->topLevelItem(0)->isSelected());
    catalogue->tvNormativDOCClick(4);
    Press(4, nullptr);
    EXPECT_TRUE(trees[4]->selectedItems().isEmpty());
    catalogue->tvNormativDOCClick(4); // nothing selected: nothing opens
    ASSERT_EQ(target.clicks.size(), 1u);
    EXPECT_EQ(target.clicks[0].tag, QStringLiteral("info/rinok/a.htm"));
}

TEST(SectionTitle, FirstSectionNodeWithTheNumber) {
    const QList<CatalogueNode> nodes = {
        {QStringLiteral("Город"), 0, 5}, {QStringLiteral("Кирпич"), 1, 5}, {QStringLiteral("Другой"), 1, 5}};
    EXPECT_EQ(SectionTitle(nodes, QStringLiteral("5")), QStringLiteral("Кирпич"));
    EXPECT_EQ(SectionTitle(nodes.mid(0, 1), QStringLiteral("5")), QString()); // only a locality has it
    EXPECT_EQ(SectionTitle(nodes, QStringLiteral("05")), QString());
}

} // namespace
