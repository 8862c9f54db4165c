// The real-estate section on a real WebEngine pane: pages written, links clicked and the filter form
// submitted in the page, routed back to the section through the router.
#include "RealtyFixture.h"
#include "support/Recorders.h"

#include "pages/Desktop.h"
#include "pages/uRouter.h"
#include "pages/web/WebPane.h"
#include "pages/web/WebProfile.h"
#include "realty/uRealty.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

class RealtyWebTest : public RealtyFixture, public SectionsTarget {
protected:
    void SetUp() override {
        RealtyFixture::SetUp();
        profile_ = std::make_unique<WebProfile>(folder_);
        pane_web_ = std::make_unique<WebPane>(*profile_);
        pane_web_->resize(1000, 800);
        pane_web_->Prepare();
        display_ = std::make_unique<PageDisplay>(*pane_web_, ctx_);
        ctx_.display = display_.get();
        ctx_.desktop = &desktop_;
        realty_ = std::make_unique<RealtyPages>(ctx_);
        router_ = std::make_unique<Router>(ctx_, *pane_web_, PageTargets{nullptr, realty_.get(), this});
        pane_web_->onBeforeNavigate = [this](const QString& url, const QByteArray& body) {
            routed_ << url;
            return router_->WebBrowserBeforeNavigate2(url, body);
        };
        for (int id = 1; id <= 45; ++id)
            AddOffer(id, id % 2 ? 34 : 35, id % 2 ? 3 : 5, 1000 + id,
                     id == 44 ? QStringLiteral("ул. Кирова, 44") : QStringLiteral("ул. Ленина"));
    }
    void TearDown() override {
        pane_web_->onBeforeNavigate = nullptr;
        router_.reset();
        display_.reset();
        pane_web_.reset();
        profile_.reset();
    }
    void bTabNedvClick() override {
        ++tabClicks_;
        realty_->ShowFirstPage();
    }

    QVariant Eval(const QString& js) {
        QVariant result;
        bool done = false;
        pane_web_->page()->runJavaScript(js, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 5000))
            return QVariant();
        return result;
    }
    // Runs js (a click, a submit) and waits until the pane has shown the page it leads to.
    bool ActAndWait(const std::function<void()>& act) {
        QSignalSpy spy(pane_web_.get(), &WebPane::written);
        act();
        return spy.wait(10000) && spy.last().first().toBool();
    }
    bool ClickAndWait(const QString& selectorJs) {
        return ActAndWait([&] { Eval(selectorJs + QStringLiteral(".click()")); });
    }
    // The offers listed on the page on screen, by their links.
    QStringList ListedIds() {
        return Eval(QStringLiteral("Array.from(document.querySelectorAll('a[href^=\"?ItemDomID=\"]'))"
                                   ".map(a => a.getAttribute('href').substring(11)).join(',')"))
            .toString()
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    }

    std::unique_ptr<WebProfile> profile_;
    std::unique_ptr<WebPane> pane_web_;
    RecordingDesktop desktop_;
    std::unique_ptr<RealtyPages> realty_;
    std::unique_ptr<Router> router_;
    QStringList routed_;
    int tabClicks_ = 0;
};

TEST_F(RealtyWebTest, TabPageNumbersItemFormAndBackLink) {
    ASSERT_TRUE(ActAndWait([&] { realty_->ShowFirstPage(); }));
    QStringList ids = ListedIds();
    ASSERT_EQ(ids.size(), 20);
    EXPECT_EQ(ids.first(), QStringLiteral("45"));
    EXPECT_EQ(Eval(QStringLiteral("document.querySelector('b.numericpagesb').textContent")).toString(),
              QStringLiteral("[1]"));

    // A page number.
    ASSERT_TRUE(ClickAndWait(QStringLiteral(
        "Array.from(document.querySelectorAll('a.numericpages')).find(a => a.textContent == '3')")));
    EXPECT_EQ(routed_.last(), QStringLiteral("about:?PageNextDomList=2&SortDom="));
    EXPECT_EQ(ListedIds(), (QStringList{"5", "4", "3", "2", "1"}));

    // A price header, then ">>>" of the first row.
    ASSERT_TRUE(ClickAndWait(
        QStringLiteral("Array.from(document.querySelectorAll('a')).find(a => a.textContent == 'Цена')")));
    EXPECT_EQ(routed_.last(), QStringLiteral("about:?PageNextDomList=2&SortDom=PriceDown"));
    ASSERT_TRUE(ClickAndWait(QStringLiteral("document.querySelector('a[href^=\"?ItemDomID=\"]')")));
    EXPECT_EQ(routed_.last(), QStringLiteral("about:?ItemDomID=5"));
    EXPECT_TRUE(
        Eval(QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("Залецовский")));

    // The filter form: district, kind, deal, rooms (2: code 35) and a street in Cyrillic letters.
    ASSERT_TRUE(ActAndWait([&] {
        Eval(QStringLiteral("var f = document.querySelector('form.dom_search');"
                            "f.elements['fn_rion'].value = '5'; f.elements['fn_dom'].value = '1';"
                            "f.elements['fn_type'].value = '1'; f.elements['fn_k2'].checked = true;"
                            "document.getElementById('street_text').value = 'Кирова';"
                            "f.querySelector('input[type=submit]').click(); true"));
    }));
    EXPECT_EQ(routed_.last(), QStringLiteral("about:<search_dom>"));
    EXPECT_EQ(ListedIds(), QStringList{"44"});
    EXPECT_EQ(display_->stNextPageStr(),
              (QStringList{"about:?PageNextDomList=2&SortDom=", "about:?PageNextDomList=2&SortDom=PriceDown",
                           "about:?ItemDomID=5", "about:<search_dom>"}));

    // The menu's back link steps back to the offer, without recording it again.
    ASSERT_TRUE(ClickAndWait(QStringLiteral("document.querySelector('a[href=\"<back_page_dom>\"]')")));
    EXPECT_EQ(routed_.last(), QStringLiteral("about:?ItemDomID=5"));
    EXPECT_TRUE(
        Eval(QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("Залецовский")));
    EXPECT_EQ(display_->stNextPageStr().size(), 4);
    EXPECT_EQ(display_->indexNextPageStr(), 1);

    // A category link of the menu, then the new-building catalogue and an article.
    ASSERT_TRUE(ClickAndWait(QStringLiteral("document.querySelector('a[href=\"?MenuDomID=35\"]')")));
    EXPECT_EQ(ListedIds().size(), 20);
    EXPECT_EQ(ListedIds().first(), QStringLiteral("44"));
    EXPECT_EQ(display_->stNextPageStr().size(), 4) << "the newer address was replaced";
}

} // namespace
