#include "pages/AppContext.h"
#include "pages/Desktop.h"
#include "pages/uPageDisplay.h"
#include "pages/uRouter.h"
#include "shell/uBanners.h"
#include "shell/uCodePage.h"
#include "shell/uPrompts.h"
#include "shell/uSectionTabs.h"
#include "shell/uSite.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecordingView : public SectionView {
public:
    void SetSidePanelsVisible(bool visible) override { calls << (visible ? "panels on" : "panels off"); }
    void ShowNedvPressed() override { calls << "nedv pressed"; }
    void ShowUpdateWindow() override { calls << "update window"; }
    QStringList calls;
};

class RecordingPrompts : public Prompts {
public:
    bool InformationOkCancel(const QString& text) override {
        shown << text;
        return true;
    }
    void Warning(const QString& text) override { shown << QStringLiteral("warning: ") + text; }
    void Error(const QString& text) override { shown << QStringLiteral("error: ") + text; }
    QStringList shown;
};

// The tabs over a real page display and router on a recording main pane, with the sample folder's own
// templates and pages (Windows-1251, as the distribution holds them).
class TabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        for (const char* name : {"info/index.htm", "info/start.htm", "info/startfair.htm", "logos/logo.htm",
                                 "logosnedv/logo.htm", "pages/rundo/index.htm"})
            CopySample(QString::fromLatin1(name));
        ctx.programFolder = folder;
        ctx.display = &display;
        ctx.desktop = &desktop;
        tabs.SetRealty(
            {[this] { view.calls << "realty first page"; }, [this] { view.calls << "new buildings"; }});
        router.SetTargets({nullptr, nullptr, &tabs});
    }
    void CopySample(const QString& name) {
        QFile src(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/") + name);
        ASSERT_TRUE(src.open(QIODevice::ReadOnly)) << name.toStdString();
        WriteFile(name, cp1251::Encode(QString::fromUtf8(src.readAll())));
    }
    void WriteFile(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(folder + name).path());
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString Sample(const QString& name) const {
        QFile f(folder + name);
        return f.open(QIODevice::ReadOnly) ? cp1251::Decode(f.readAll()) : QString();
    }

    QTemporaryDir dir;
    QString folder;
    RecordingPane main, left, right1, right2, top;
    RecordingDesktop desktop;
    RecordingView view;
    RecordingPrompts prompts;
    AppContext ctx;
    PageDisplay display{main, ctx};
    BannerPanes panes{left, right1, right2, top};
    SectionTabs tabs{ctx, panes, view, prompts};
    Router router{ctx, main};
};

} // namespace

TEST_F(TabsTest, RealEstateHidesTheColumnsAndConstructionBringsThemBackWithTheStartPage) {
    ctx.Web_Path = folder + QStringLiteral("pages/rundo/");
    tabs.bTabNedvClick();
    EXPECT_EQ(view.calls, (QStringList{"panels off", "realty first page"}));
    EXPECT_TRUE(ctx.Web_Path.isEmpty());
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logosnedv/logo.htm")));
    EXPECT_TRUE(main.writes.isEmpty()); // the listing is the real-estate part's to write
    EXPECT_EQ(display.indexNextPage(), -1);

    view.calls.clear();
    ctx.Web_Path = QStringLiteral("x");
    tabs.sBitBtn3Click();
    tabs.sBitBtn3Click(); // pressing again reloads the start page
    EXPECT_EQ(view.calls, (QStringList{"panels on", "panels on"}));
    EXPECT_TRUE(ctx.Web_Path.isEmpty());
    EXPECT_EQ(display.indexNextPage(), 1);
    EXPECT_TRUE(main.Last().contains(QStringLiteral("action=\"<search>\"")));    // the start page
    EXPECT_TRUE(main.Last().contains(QStringLiteral("<body class=\"frame\">"))); // in its frame
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logos/logo.htm")));
    EXPECT_EQ(top.styles.back().left, 50);
}

TEST_F(TabsTest, MissingSectionHeaderKeepsThePreviousOne) {
    QFile::remove(folder + QStringLiteral("logosnedv/logo.htm"));
    tabs.sBitBtn3Click();
    ASSERT_EQ(top.writes.size(), 1);
    tabs.bTabNedvClick();
    EXPECT_EQ(top.writes.size(), 1);
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logos/logo.htm")));
}

TEST_F(TabsTest, HeaderFilePathIsTheProgramFolder) {
    WriteFile(QStringLiteral("logos/logo.htm"), "<img src=\"<FILE_PATH>logos\\top.png\">");
    tabs.sBitBtn3Click();
    EXPECT_EQ(top.Last(), QStringLiteral("<img src=\"") + folder + QStringLiteral("logos\\top.png\">"));
}

TEST_F(TabsTest, ExhibitionShowsItsPageBareWithEveryLinkThroughTheProgram) {
    tabs.bTabFairClick();
    EXPECT_EQ(view.calls, QStringList{"panels off"});
    EXPECT_EQ(ctx.Web_Path, folder + QStringLiteral("info/"));
    ASSERT_EQ(display.indexNextPage(), 0); // recorded
    const QString page = main.Last();
    EXPECT_FALSE(page.contains(QStringLiteral("class=\"frame\""))); // not framed
    EXPECT_TRUE(page.contains(QStringLiteral("Выставка ТАРВЕКС")));
    EXPECT_FALSE(page.contains(QStringLiteral("target="), Qt::CaseInsensitive));
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""),
                                  QRegularExpression::CaseInsensitiveOption);
    int links = 0;
    for (auto it = href.globalMatch(page); it.hasNext(); ++links)
        EXPECT_TRUE(it.next().captured(1).startsWith(QStringLiteral("<id_file>info\\")));
    EXPECT_GE(links, 3);
    EXPECT_TRUE(page.contains(QStringLiteral("href=\"<id_file>info\\fair\\ssn2025.htm\"")));
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logos/logo.htm")));

    // A click on such a link opens the exhibition page through the router's local-file branch.
    CopySample(QStringLiteral("info/fair/ssn2025.htm"));
    EXPECT_TRUE(
        router.WebBrowserBeforeNavigate2(QStringLiteral("about:<id_file>info\\fair\\ssn2025.htm"), {}));
    EXPECT_EQ(router.LastRow(), 19);
    EXPECT_TRUE(main.Last().contains(QStringLiteral("«Сибирская строительная неделя»")));
    EXPECT_EQ(display.indexNextPage(), 1);
}

TEST_F(TabsTest, NewBuildingCatalogueOpensAfterTheRealEstateListing) {
    tabs.sPanel1Click();
    EXPECT_EQ(view.calls, (QStringList{"panels off", "realty first page", "nedv pressed", "new buildings"}));
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logosnedv/logo.htm")));
}

TEST_F(TabsTest, HomeLinkShowsTheStartPageAndLeavesPanelsAndHeader) {
    ctx.Web_Path = folder + QStringLiteral("pages/rundo/");
    tabs.sLabel9Click();
    EXPECT_TRUE(view.calls.isEmpty());
    EXPECT_TRUE(top.writes.isEmpty());
    EXPECT_TRUE(ctx.Web_Path.isEmpty());
    EXPECT_TRUE(main.Last().contains(QStringLiteral("action=\"<search>\"")));
}

TEST_F(TabsTest, MapProgramStartsBesideTheCatalogueAndFailsSilently) {
    struct Case {
        std::vector<const char*> present;
        const char* expected;
    };
    const Case cases[] = {{{}, "map"}, {{"map.exe"}, "map.exe"}, {{"map", "map.exe"}, "map"}};
    for (const Case& c : cases) {
        QFile::remove(folder + QStringLiteral("map"));
        QFile::remove(folder + QStringLiteral("map.exe"));
        for (const char* name : c.present)
            WriteFile(QString::fromLatin1(name), "#!/bin/sh\n");
        desktop.started.clear();
        desktop.startSucceeds = false;
        tabs.bTabMapClick();
        EXPECT_EQ(desktop.started, QStringList{folder + QString::fromLatin1(c.expected)});
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(TabsTest, SiteAndQuestionnaireOpenOutsideTheProgram) {
    tabs.imgSiteClick();
    tabs.sLabel7Click();
    EXPECT_EQ(desktop.opened, (QStringList{site::Address(), folder + QStringLiteral("info/anketa.html")}));
    EXPECT_TRUE(main.writes.isEmpty());
}

TEST_F(TabsTest, UpdateNeedsMoreThanTenFreeBytes) {
    for (const double free : {0.0, 10.0, 11.0}) {
        view.calls.clear();
        prompts.shown.clear();
        tabs.SetDiskSpace([&](const QString& at) {
            EXPECT_EQ(at, folder);
            return DiskSpace{1e9, free};
        });
        tabs.bUpdateClick();
        if (free > 10) {
            EXPECT_EQ(view.calls, QStringList{"update window"});
            EXPECT_TRUE(prompts.shown.isEmpty());
        } else {
            EXPECT_TRUE(view.calls.isEmpty()) << free;
            EXPECT_EQ(prompts.shown, QStringList{"warning: Обновление программы невозможно."});
        }
    }
}

TEST_F(TabsTest, BannerClickOpensItsPageFramedWithItsFolder) {
    for (const QString& address : {QStringLiteral("about:<id_rb1>pages\\rundo\\index.htm"),
                                   QStringLiteral("about:blank<id_tb1>pages/rundo/index.htm")}) {
        ctx.Web_Path.clear();
        const int before = display.indexNextPage();
        EXPECT_TRUE(router.WebBrowserBeforeNavigate2(address, {}));
        EXPECT_EQ(ctx.Web_Path, folder + QStringLiteral("pages/rundo/")) << address.toStdString();
        EXPECT_TRUE(main.Last().contains(QStringLiteral("ООО «Рундо»: кровля под ключ")));
        EXPECT_TRUE(main.Last().contains(QStringLiteral("<body class=\"frame\">")));
        EXPECT_EQ(display.indexNextPage(), before + 1);
    }
}

TEST_F(TabsTest, AddressHistoryPastTheOldestRunsTheRealEstateTab) {
    display.RecordAddress(QStringLiteral("about:?PageNextDomList=1&SortDom="));
    EXPECT_TRUE(router.WebBrowserBeforeNavigate2(QStringLiteral("about:<back_page_dom>"), {}));
    EXPECT_EQ(router.LastRow(), 4);
    EXPECT_EQ(view.calls, (QStringList{"panels off", "realty first page"}));
}

TEST_F(TabsTest, RealEstatePageThatFailsLeavesThePageAndStillSwitchesTheSection) {
    std::vector<QString> errors;
    tabs.SetErrorHandler([&](const std::exception& e) { errors.push_back(QString::fromUtf8(e.what())); });
    tabs.SetRealty({[] { throw std::runtime_error("no such table: jos_db2_dom_list"); },
                    [] { throw std::runtime_error("no such table: tNovdomlist"); }});
    tabs.sPanel1Click();
    EXPECT_EQ(view.calls, (QStringList{"panels off", "nedv pressed"}));
    EXPECT_EQ(top.Last(), Sample(QStringLiteral("logosnedv/logo.htm")));
    EXPECT_EQ(errors.size(), 2u);
}
