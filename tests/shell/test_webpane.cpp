#include "WebTestSupport.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/web/WebProfile.h"
#include "pages/web/WebScheme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Navigation {
    QString url;
    QByteArray body;
};

class WebPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        profile = std::make_unique<WebProfile>(folder);
        pane = std::make_unique<WebPane>(*profile);
        pane->resize(800, 600);
        pane->Prepare();
        pane->onBeforeNavigate = [this](const QString& url, const QByteArray& body) {
            seen.push_back({url, body});
            return cancel;
        };
    }
    void TearDown() override {
        pane.reset();
        profile.reset();
    }
    // Waits (bounded) for the router to have seen n navigations.
    bool WaitForNavigations(size_t n) {
        return QTest::qWaitFor([&] { return seen.size() >= n; }, 5000);
    }

    QTemporaryDir dir;
    QString folder;
    std::unique_ptr<WebProfile> profile;
    std::unique_ptr<WebPane> pane;
    std::vector<Navigation> seen;
    bool cancel = true;
};

} // namespace

TEST_F(WebPaneTest, ClickedLinkReachesRouterAsWrittenBehindAbout) {
    struct Case {
        const char* href;
        const char* expected;
        const char* how; // JS that clicks the link with id "a"
    };
    const Case cases[] = {
        {"&lt;idorg&gt;5", "about:<idorg>5", "document.getElementById('a').click()"},
        {"pages\\a\\index.htm", "about:pages\\a\\index.htm", "document.getElementById('a').click()"},
        {"&lt;loadrazs&gt;?&amp;razd=12&amp;sity=3", "about:<loadrazs>?&razd=12&sity=3",
         "document.getElementById('a').click()"},
        // A middle click and a link into a new window are routed the same way.
        {"&lt;idorg&gt;7", "about:<idorg>7",
         "document.getElementById('a').dispatchEvent(new MouseEvent('auxclick', {button: 1, bubbles: "
         "true}))"},
    };
    for (const Case& c : cases) {
        seen.clear();
        ASSERT_TRUE(WriteAndWait(
            *pane, QStringLiteral("<html><body><a id=a target=_blank href=\"%1\">x</a></body></html>")
                       .arg(QString::fromUtf8(c.href))));
        EXPECT_TRUE(seen.empty()) << "a write is no navigation";
        Eval(*pane, QString::fromLatin1(c.how));
        ASSERT_TRUE(WaitForNavigations(1)) << c.href;
        EXPECT_EQ(seen.front().url, QString::fromUtf8(c.expected));
        EXPECT_TRUE(seen.front().body.isEmpty());
    }
}

TEST_F(WebPaneTest, RealMouseClickIsRouted) {
    ASSERT_TRUE(WriteAndWait(
        *pane, QStringLiteral("<html><body style='margin:0'><a href=\"&lt;idorg&gt;9\" "
                              "style='display:block;width:300px;height:100px'>x</a></body></html>")));
    QWidget* target = pane->focusProxy() ? pane->focusProxy() : pane.get();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_TRUE(WaitForNavigations(1));
    EXPECT_EQ(seen.front().url, QStringLiteral("about:<idorg>9"));
}

TEST_F(WebPaneTest, SubmittedFormReportsActionAndBody) {
    ASSERT_TRUE(WriteAndWait(
        *pane, QStringLiteral("<html><body><form id=f method=post action=\"&lt;search&gt;\">"
                              "<input name=search_type value=2><input name=search_text value='a b&c'>"
                              "<input type=hidden name=wide data-escaped value='%04%10'>"
                              "<input type=submit id=s name=go value=ok></form></body></html>")));
    Eval(*pane, QStringLiteral("document.getElementById('s').click()"));
    ASSERT_TRUE(WaitForNavigations(1));
    EXPECT_EQ(seen.front().url, QStringLiteral("about:<search>"));
    EXPECT_EQ(seen.front().body, QByteArray("search_type=2&search_text=a+b%26c&wide=%04%10&go=ok"));
}

TEST_F(WebPaneTest, PageOfThreeMegabytesDisplaysWhole) {
    const QString filler = QString(3 * 1024 * 1024, QLatin1Char('x'));
    ASSERT_TRUE(WriteAndWait(
        *pane, QStringLiteral("<html><body>") + filler + QStringLiteral("</body></html>"), 20000));
    EXPECT_EQ(Eval(*pane, QStringLiteral("document.body.textContent.length")).toInt(), filler.size());
}

TEST_F(WebPaneTest, UncancelledNavigationLoadsInThePane) {
    QFile file(folder + QStringLiteral("Page.htm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body id=loaded>\xcf\xf0\xe8\xe2\xe5\xf2</body></html>"); // "Привет" in Windows-1251
    file.close();
    cancel = false;
    int completed = 0;
    pane->onDocumentComplete = [&] { ++completed; };
    // A stored path of a different letter case, with backslashes, as the data folder has them.
    pane->Navigate(QStringLiteral("velomar:") + folder + QStringLiteral("page.htm"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return completed == 1; }, 10000));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(Eval(*pane, QStringLiteral("document.body.textContent")).toString(), QStringLiteral("Привет"));
}

TEST(WebScheme, ServesOnlyFilesBelowTheProgramFolder) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/prog/");
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("Banners")));
    QFile inside(folder + QStringLiteral("Banners/Top.gif"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.close();
    QFile outside(dir.path() + QStringLiteral("/secret.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    WebSchemeHandler handler(folder);
    EXPECT_FALSE(handler.FileFor(folder + QStringLiteral("banners\\top.gif")).isEmpty());
    EXPECT_TRUE(handler.FileFor(folder + QStringLiteral("../secret.txt")).isEmpty());
    EXPECT_TRUE(handler.FileFor(dir.path() + QStringLiteral("/secret.txt")).isEmpty());
    EXPECT_TRUE(handler.FileFor(QStringLiteral("banners/top.gif")).isEmpty());
    // A site-root address ("/dom/domimg/...") is looked for below the program folder.
    EXPECT_FALSE(handler.FileFor(QStringLiteral("/banners/top.gif")).isEmpty());
    EXPECT_TRUE(handler.FileFor(QStringLiteral("/../secret.txt")).isEmpty());
}

TEST_F(WebPaneTest, ScrollPositionIsReadAndRestoredOnTheNextPage) {
    const QString tall = QStringLiteral("<html><body><div style='height:5000px'>A</div></body></html>");
    ASSERT_TRUE(WriteAndWait(*pane, tall));
    Eval(*pane, QStringLiteral("window.scrollTo(0, 1200)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->ScrollPosition() == 1200; }, 5000));
    ASSERT_TRUE(WriteAndWait(*pane, QStringLiteral("<html><body>B</body></html>")));
    EXPECT_EQ(pane->ScrollPosition(), 0);
    QSignalSpy spy(pane.get(), &WebPane::written);
    pane->Write(tall);
    pane->SetScrollPosition(1200);
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->ScrollPosition() == 1200; }, 5000));

    // A page written before the previous one has loaded opens at its top, not at the position asked
    // for the previous one.
    Eval(*pane, QStringLiteral("window.scrollTo(0, 0)"));
    pane->Write(tall);
    pane->SetScrollPosition(1200);
    pane->Write(QStringLiteral("<html><body><div style='height:5000px'>C</div></body></html>"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !pane->Loading() &&
                   Eval(*pane, QStringLiteral("document.body.innerText")).toString().startsWith('C');
        },
        10000));
    EXPECT_EQ(Eval(*pane, QStringLiteral("window.scrollY")).toInt(), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(WebPaneTest, BodyStyleAppliesToTheWrittenPage) {
    QSignalSpy spy(pane.get(), &WebPane::written);
    pane->Write(QStringLiteral("<html><body>x</body></html>"));
    pane->SetBodyStyle({1, 2, 50, 50});
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return Eval(*pane, QStringLiteral(
                                   "var s = document.body.style; [s.borderStyle, s.marginTop, s.marginBottom,"
                                   " s.marginLeft, s.marginRight, s.overflowX, s.overflowY].join(' ')"))
                       .toString() == QStringLiteral("none 1px 2px 50px 50px hidden hidden");
        },
        5000));
}

TEST_F(WebPaneTest, BackThroughThePageHistoryRestoresTheScrollPosition) {
    // A frame that only holds the body, so the history entries are the pages themselves.
    QFile frame(folder + QStringLiteral("info/index.htm"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("info")));
    ASSERT_TRUE(frame.open(QIODevice::WriteOnly));
    frame.write("<html><body><oher_text></body></html>");
    frame.close();
    AppContext ctx;
    ctx.programFolder = folder;
    PageDisplay display(*pane, ctx);
    ctx.display = &display;

    const auto showAndWait = [&](const QString& body) {
        QSignalSpy spy(pane.get(), &WebPane::written);
        display.ShowPage(body, QString());
        return spy.wait(10000);
    };
    ASSERT_TRUE(showAndWait(QStringLiteral("<div style='height:5000px'>A</div>")));
    Eval(*pane, QStringLiteral("window.scrollTo(0, 1500)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->ScrollPosition() == 1500; }, 5000));
    ASSERT_TRUE(showAndWait(QStringLiteral("<div style='height:5000px'>B</div>")));
    EXPECT_EQ(pane->ScrollPosition(), 0);

    QSignalSpy spy(pane.get(), &WebPane::written);
    display.sbBackClick();
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->ScrollPosition() == 1500; }, 5000));
    EXPECT_TRUE(
        Eval(*pane, QStringLiteral("document.body.innerText")).toString().startsWith(QLatin1Char('A')));
    EXPECT_FALSE(display.BackEnabled());
    EXPECT_TRUE(display.NextEnabled());
    EXPECT_TRUE(seen.empty()) << "writing pages raises no router call";
}
