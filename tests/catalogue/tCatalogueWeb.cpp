// The catalogue end to end: a real program folder, the real WebEngine main pane, the page display, the
// router and the catalogue trees over tree widgets.
#include "CatalogueDb.h"
#include "WebTestSupport.h"
#include "support/Recorders.h"

#include "catalogue/uCatalogue.h"
#include "catalogue/uCatalogueTrees.h"
#include "catalogue/uSearchBar.h"
#include "pages/AppContext.h"
#include "pages/Desktop.h"
#include "pages/uPageDisplay.h"
#include "pages/uRouter.h"
#include "pages/web/WebPane.h"
#include "pages/web/WebProfile.h"
#include "shell/uCodePage.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CatalogueWebTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        db = std::make_unique<CatalogueDb>(folder + QStringLiteral("arch.db"));
        StandardCatalogueTree(*db);
        // Section 5 of Novosibirsk (12): a banner organisation, one with an article, a plain one, a hidden
        // one; one organisation of Berdsk (20) in the same section; one in section 7 only.
        db->Org(
            1, QStringLiteral("ООО «Яшма»"),
            {{"short_name_org", "Яшма"}, {"city_org", "12"}, {"baner_org", "y"}, {"baner_name_org", "jas"}});
        db->Org(2, QStringLiteral("ЗАО «Кирпичный двор»"),
                {{"short_name_org", "Кирпичный двор"},
                 {"city_org", "12"},
                 {"addr_org", "ул. Станционная, 30"},
                 {"rukovod_org", "Петров Иван Сергеевич"},
                 {"comment_org", "кирпич облицовочный"}});
        db->Org(3, QStringLiteral("ИП Абрамов"), {{"short_name_org", "Абрамов"}, {"city_org", "12"}});
        db->Org(4, QStringLiteral("ООО «Скрытый кирпич»"),
                {{"short_name_org", "Скрытый"}, {"city_org", "12"}, {"cd", "n"}});
        db->Org(5, QStringLiteral("ООО «Бердский кирпич»"),
                {{"short_name_org", "Бердский"}, {"city_org", "20"}});
        db->Org(6, QStringLiteral("ООО «Кровля Сибири»"), {{"short_name_org", "Кровля"}, {"city_org", "12"}});
        for (int id : {1, 2, 3, 4, 5})
            db->Link(5, id);
        db->Link(7, 2);
        db->Link(7, 6);
        for (const char* name : {"item.htm", "itemlogo.htm", "fullitem.htm", "index.htm", "style.css"})
            CopyTemplate(QLatin1String(name));

        profile = std::make_unique<WebProfile>(folder);
        pane = std::make_unique<WebPane>(*profile);
        pane->resize(900, 700);
        pane->Prepare();
        ctx.programFolder = folder;
        ctx.db = &db->Db();
        ctx.desktop = &desktop;
        display = std::make_unique<PageDisplay>(*pane, ctx);
        ctx.display = display.get();

        for (int i = 0; i < kTreeCount; ++i) {
            trees[i] = std::make_unique<QTreeWidget>();
            trees[i]->setObjectName(TreeName(i));
        }
        catalogueTrees = std::make_unique<CatalogueTrees>(
            std::array<QTreeWidget*, kTreeCount>{trees[0].get(), trees[1].get(), trees[2].get(),
                                                 trees[3].get(), trees[4].get()},
            std::array<QWidget*, 4>{});
        {
            auto q = DBCrate(db->Db());
            catalogueTrees->Lodi(*q, -1);
        }
        catalogue = std::make_unique<Catalogue>(ctx, catalogueTrees.get(), [] {});
        catalogueTrees->SetClickTarget(catalogue.get());
        router = std::make_unique<Router>(ctx, *pane, PageTargets{catalogue.get(), nullptr, nullptr});
        pane->onBeforeNavigate = [this](const QString& url, const QByteArray& body) {
            return router->WebBrowserBeforeNavigate2(url, body);
        };
    }

    void TearDown() override {
        if (pane)
            pane->onBeforeNavigate = nullptr;
        router.reset();
        catalogue.reset();
        catalogueTrees.reset();
        display.reset();
        pane.reset();
        profile.reset();
    }

    // The distributed template, written in Windows-1251 as the program folder holds it.
    void CopyTemplate(const QString& name) {
        QFile source(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/info/") + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
        QDir().mkpath(folder + QStringLiteral("info"));
        QFile target(folder + QStringLiteral("info/") + name);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(cp1251::Encode(QString::fromUtf8(source.readAll())));
    }

    QString PageText() {
        return Eval(*pane, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
    }

    // Waits (bounded) until the page on screen shows text.
    bool WaitForText(const QString& text) {
        return QTest::qWaitFor([&] { return PageText().contains(text); }, 8000);
    }

    // A real click with the left button on the node: the mouse-down selects it, the release clicks it.
    void ClickNode(QTreeWidgetItem* item) {
        QTreeWidget* tree = item->treeWidget();
        tree->resize(300, 400);
        tree->show();
        tree->expandAll();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    // Clicks the first link of the page on screen whose address is href, as the user would.
    bool ClickLink(const QString& href) {
        return Eval(*pane, QStringLiteral("(function(){ for (const a of document.querySelectorAll('a')) "
                                          "if (a.getAttribute('href') === %1) { a.click(); return true; } "
                                          "return false; })()")
                               .arg(QStringLiteral("'") + href + QStringLiteral("'")))
            .toBool();
    }

    // The short names in the order the page shows its entries.
    QStringList EntryOrder(const QStringList& names) {
        const QString text = PageText();
        QList<std::pair<qsizetype, QString>> found;
        for (const QString& n : names) {
            const qsizetype at = text.indexOf(n);
            if (at >= 0)
                found.append({at, n});
        }
        std::sort(found.begin(), found.end());
        QStringList order;
        for (const auto& f : found)
            order << f.second;
        return order;
    }

    QTemporaryDir dir;
    QString folder;
    std::unique_ptr<CatalogueDb> db;
    RecordingDesktop desktop;
    AppContext ctx;
    std::unique_ptr<WebProfile> profile;
    std::unique_ptr<WebPane> pane;
    std::unique_ptr<PageDisplay> display;
    std::unique_ptr<QTreeWidget> trees[kTreeCount];
    std::unique_ptr<CatalogueTrees> catalogueTrees;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<Router> router;
};

const QStringList kAllShortNames = {QStringLiteral("Яшма"),     QStringLiteral("Кирпичный двор"),
                                    QStringLiteral("Абрамов"),  QStringLiteral("Скрытый"),
                                    QStringLiteral("Бердский"), QStringLiteral("Кровля")};

} // namespace

TEST_F(CatalogueWebTest, SectionNodeClickShowsItsListInThePane) {
    QTreeWidgetItem* novosibirsk = trees[0]->topLevelItem(0);
    ClickNode(novosibirsk->child(0)); // "Кирпич и блоки" (5) of Novosibirsk (12)
    ASSERT_TRUE(WaitForText(QStringLiteral("Абрамов"))) << PageText().toStdString();
    const QString text = PageText();
    // The frame's title is the section's caption; the banner one first, the hidden and Berdsk ones absent.
    EXPECT_TRUE(text.contains(QStringLiteral("Кирпич и блоки")));
    EXPECT_EQ(EntryOrder(kAllShortNames), (QStringList{QStringLiteral("Яшма"), QStringLiteral("Абрамов"),
                                                       QStringLiteral("Кирпичный двор")}));
    EXPECT_FALSE(text.contains(QStringLiteral("<org_banner>")));

    // The same section under Berdsk lists only Berdsk's organisation.
    ClickNode(trees[0]->topLevelItem(1)->child(0));
    ASSERT_TRUE(WaitForText(QStringLiteral("Бердский")));
    EXPECT_EQ(EntryOrder(kAllShortNames), QStringList{QStringLiteral("Бердский")});
}

TEST_F(CatalogueWebTest, OrganisationLinkOfTheListOpensItsCardAndTheCardLeadsBack) {
    ClickNode(trees[0]->topLevelItem(0)->child(0));
    ASSERT_TRUE(WaitForText(QStringLiteral("Кирпичный двор")));
    ASSERT_TRUE(ClickLink(QStringLiteral("<idorg>2")));
    ASSERT_TRUE(WaitForText(QStringLiteral("Петров Иван Сергеевич"))) << PageText().toStdString();
    EXPECT_EQ(router->LastRow(), 17);
    const QString card = PageText();
    EXPECT_TRUE(card.contains(QStringLiteral("ул. Станционная, 30")));
    EXPECT_TRUE(card.contains(QStringLiteral("кирпич облицовочный")));
    EXPECT_FALSE(card.contains(QStringLiteral("Абрамов"))); // the list is gone
    // The card names both sections of the organisation; the second one opens the roofing list.
    EXPECT_TRUE(card.contains(QStringLiteral("Кирпич и блоки")));
    ASSERT_TRUE(ClickLink(QStringLiteral("<loadrazs>?&razd=7&sity=12")));
    ASSERT_TRUE(WaitForText(QStringLiteral("Кровля")));
    EXPECT_EQ(EntryOrder(kAllShortNames),
              (QStringList{QStringLiteral("Кирпичный двор"), QStringLiteral("Кровля")}));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(CatalogueWebTest, SearchBarByNameListsTheOrganisationsFound) {
    QLineEdit eSearch;
    QComboBox cbSearch;
    cbSearch.addItems({QStringLiteral("Название организации"), QStringLiteral("Вид товара/услуг"),
                       QStringLiteral("Нормативные документы"), QStringLiteral("ИНФО")});
    QPushButton button(QStringLiteral("Искать"));
    SearchBar bar(&eSearch, &cbSearch, &button, catalogue->Search());

    // "КИРПИЧ" in capitals: the visible organisations whose full name holds it, in list order.
    eSearch.setText(QStringLiteral("КИРПИЧ"));
    button.click();
    ASSERT_TRUE(WaitForText(QStringLiteral("Бердский"))) << PageText().toStdString();
    EXPECT_EQ(EntryOrder(kAllShortNames),
              (QStringList{QStringLiteral("Бердский"), QStringLiteral("Кирпичный двор")}));

    // Enter in the text box searches too; the found organisation's link opens its card.
    eSearch.setText(QStringLiteral("яшм"));
    QTest::keyClick(&eSearch, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return EntryOrder(kAllShortNames) == QStringList{QStringLiteral("Яшма")}; }, 8000))
        << PageText().toStdString();
    ASSERT_TRUE(ClickLink(QStringLiteral("<idorg>1")));
    ASSERT_TRUE(WaitForText(QStringLiteral("Номер в каталоге: 1.")));
}
