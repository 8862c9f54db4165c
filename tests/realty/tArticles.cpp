#include "RealtyFixture.h"

#include "pages/uRouter.h"
#include "realty/uRealty.h"

namespace {

// The real-estate pages behind the real router, with the real-estate tab as the section target.
class RealtyRouterTest : public RealtyFixture, public SectionsTarget {
protected:
    void SetUp() override {
        RealtyFixture::SetUp();
        realty_ = std::make_unique<RealtyPages>(ctx_);
        router_ = std::make_unique<Router>(ctx_, pane_, PageTargets{nullptr, realty_.get(), this});
    }
    void bTabNedvClick() override {
        ++tabClicks_;
        realty_->ShowFirstPage();
    }
    bool Route(const QString& url, const QByteArray& body = {}) {
        return router_->WebBrowserBeforeNavigate2(url, body);
    }
    void AddArticle(int id, const QString& title, const QVariant& intro, const QVariant& full) {
        Exec(QStringLiteral("INSERT INTO jos_db2_content VALUES (?, ?, ?, ?)"), {id, title, intro, full});
    }

    std::unique_ptr<RealtyPages> realty_;
    std::unique_ptr<Router> router_;
    int tabClicks_ = 0;
};

TEST_F(RealtyRouterTest, Articles) {
    AddArticle(7, QStringLiteral("Налоги при продаже"),
               QStringLiteral("<p style=\"margin-left: 10px; font-size: 14px;\">Вводная.</p>"),
               QStringLiteral("<p style=\"Margin: 0\">Основная.</p>"));
    AddArticle(8, QStringLiteral("Без продолжения"), QStringLiteral("<p>Только вводная.</p>"), QVariant());
    ASSERT_TRUE(Route(QStringLiteral("about:?option=com_content&id=7")));
    QString page = Shown();
    EXPECT_TRUE(page.contains(QStringLiteral("<div class=\"stat_title\">Налоги при продаже</div>")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("<div class=\"stat_text\"><p style=\" font-size: 14px;\">Вводная.</p><p "
                                     "style=\"Margin: 0\">Основная.</p></div>")));
    EXPECT_TRUE(page.contains(QStringLiteral("href=\"") + folder_ + QStringLiteral("info/dom/dom.css\"")));
    EXPECT_FALSE(page.contains(QStringLiteral("<form class=\"dom_search\""))) << "no real-estate menu";
    EXPECT_EQ(display_->stNextPageStr(), QStringList{"about:?option=com_content&id=7"});

    // A missing part is no text: the other one is still shown.
    Route(QStringLiteral("about:?option=com_content&id=8"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("<div class=\"stat_text\"><p>Только вводная.</p></div>")));

    // No such article: the placeholders stay.
    Route(QStringLiteral("about:?option=com_content&id=99"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("<div class=\"stat_title\"><item_title></div>")));
    EXPECT_TRUE(Shown().contains(QStringLiteral("<item_text>")));

    // "option" decides: the same address with "nov" opens the new-building catalogue.
    AddProject(1, 2);
    Route(QStringLiteral("about:?option=nov&id=7"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("ЖК «Проект 1»")));
}

TEST_F(RealtyRouterTest, StaticPages) {
    ASSERT_TRUE(Route(QStringLiteral("about:<dom_file>dom/deal.htm")));
    EXPECT_TRUE(Shown().contains(QStringLiteral("Как провести сделку с недвижимостью")));
    EXPECT_TRUE(Shown().contains(QStringLiteral("href=\"") + folder_ + QStringLiteral("info/dom/dom.css\"")));
    Route(QStringLiteral("about:<dom_file>dom_rules.htm"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("Как подать объявление в раздел")));
    EXPECT_EQ(display_->stNextPageStr(),
              (QStringList{"about:<dom_file>dom/deal.htm", "about:<dom_file>dom_rules.htm"}));

    // Missing, or outside "info": the frame without content.
    WriteFile(QStringLiteral("secret.htm"), QStringLiteral("SECRET"));
    for (const char* name : {"nothing.htm", "../secret.htm", "..\\secret.htm", "/etc/passwd"}) {
        Route(QStringLiteral("about:<dom_file>") + QString::fromLatin1(name));
        EXPECT_TRUE(Shown().contains(QStringLiteral("<td class=\"dom_body\"></td>"))) << name;
        EXPECT_FALSE(Shown().contains(QStringLiteral("SECRET"))) << name;
    }
}

TEST_F(RealtyRouterTest, ListingLinksAndTheAddressHistory) {
    for (int id = 1; id <= 45; ++id)
        AddOffer(id, id % 2 ? 34 : 72, 5, 1000 + id);
    Route(QStringLiteral("about:?PageNextDomList=1&SortDom="));
    EXPECT_TRUE(Shown().contains(QStringLiteral("?ItemDomID=5\"")));
    EXPECT_FALSE(Shown().contains(QStringLiteral("?ItemDomID=4\"")));
    // Both parameters: the category wins; capital letters reach the same branches.
    Route(QStringLiteral("about:?PAGENEXTDOMLIST=0&MENUDOMID=72&SortDom=PriceDown"));
    EXPECT_EQ(router_->LastRow(), 9);
    EXPECT_TRUE(Shown().contains(QStringLiteral("?ItemDomID=44\"")));
    EXPECT_TRUE(Shown().contains(QStringLiteral("&MenuDomID=72&SortDom=PriceUP\">Цена</a>")));
    Route(QStringLiteral("about:?ITEMDOMID=44&SortDom=x"));
    EXPECT_EQ(router_->LastRow(), 10);
    EXPECT_TRUE(Shown().contains(QStringLiteral("Жилая - Продажа - 2-к")));
    Route(QStringLiteral("about:<search_dom>"), QByteArray("fn_rion=5&fn_dom=2&fn_type=1&fn_k2=1&fn_ulica="));
    EXPECT_EQ(Shown().count(QStringLiteral("?ItemDomID=")), 22);
    EXPECT_EQ(display_->stNextPageStr().size(), 4);

    // The back link: one step navigates to the previous address; past the oldest, the real-estate tab.
    pane_.navigations.clear();
    Route(QStringLiteral("about:<back_page_dom>"));
    EXPECT_EQ(pane_.navigations, QStringList{"about:?ITEMDOMID=44&SortDom=x"});
    Route(pane_.navigations.last()); // the pane comes back with that address
    EXPECT_EQ(display_->stNextPageStr().size(), 4);
    for (int i = 0; i < 3; ++i)
        Route(QStringLiteral("about:<back_page_dom>"));
    EXPECT_EQ(tabClicks_, 1);
    EXPECT_TRUE(Shown().contains(QStringLiteral("?ItemDomID=45\"")));

    // A page number that is no number: logged by the router, the page on screen stays.
    const int writes = int(pane_.writes.size());
    EXPECT_TRUE(Route(QStringLiteral("about:?PageNextDomList=x&SortDom=")));
    EXPECT_EQ(pane_.writes.size(), writes);
}

} // namespace
