#include "PagesFakes.h"

namespace {

class DisplayTest : public PagesFixture {
protected:
    void SetUp() override {
        PagesFixture::SetUp();
        display.onButtonStates = [this](bool back, bool next) {
            backOn = back;
            nextOn = next;
        };
    }
    QString Framed(const QString& body) const { return "FRAME[" + ctx.programFolder + "||" + body + "]"; }
    // Shows a page after scrolling the one on screen to scrollBefore.
    void Show(const QString& body, int scrollBefore) {
        pane.scroll = scrollBefore;
        display.ShowPage(body);
    }
    bool backOn = true;
    bool nextOn = true;
};

TEST_F(DisplayTest, FramesRecordsAndWrites) {
    display.ShowPage(QStringLiteral("body <file_path>"), QStringLiteral("T"));
    ASSERT_EQ(pane.writes.size(), 1);
    // The body is inserted after <file_path> was filled: its own placeholder stays.
    EXPECT_EQ(pane.writes[0], "FRAME[" + ctx.programFolder + "|T|body <file_path>]");
    EXPECT_EQ(display.stNextPage(), QStringList{"0:#" + pane.writes[0]});
    EXPECT_FALSE(backOn);
    EXPECT_FALSE(nextOn);

    display.ShowBarePage(QStringLiteral("<b>bare</b>"));
    EXPECT_EQ(pane.writes.last(), QStringLiteral("<b>bare</b>"));
    EXPECT_EQ(display.indexNextPage(), 1);
    EXPECT_TRUE(backOn);
}

TEST_F(DisplayTest, BackBackThenNewPageDropsTheNewerEntries) {
    Show("A", 0);
    Show("B", 10);
    Show("C", 20);
    pane.scroll = 30;
    display.sbBackClick();
    EXPECT_EQ(pane.writes.last(), Framed("B"));
    EXPECT_EQ(pane.scrollsSet.last(), 20);
    EXPECT_TRUE(backOn);
    EXPECT_TRUE(nextOn);
    display.sbBackClick();
    EXPECT_EQ(pane.writes.last(), Framed("A"));
    EXPECT_EQ(pane.scrollsSet.last(), 10);
    EXPECT_FALSE(backOn);
    display.sbBackClick(); // nothing before A
    EXPECT_EQ(pane.writes.size(), 5);

    Show("D", 5);
    ASSERT_EQ(display.stNextPage().size(), 2);
    EXPECT_EQ(display.stNextPage()[0], "5:#" + Framed("A"));
    EXPECT_EQ(PageDisplay::GetHistoryPage(display.stNextPage()[1]), Framed("D"));
    EXPECT_TRUE(backOn);
    EXPECT_FALSE(nextOn);
    display.sbNextClick(); // nothing after D
    EXPECT_EQ(pane.writes.last(), Framed("D"));
}

TEST_F(DisplayTest, ElevenPagesKeepTheLastTen) {
    for (int i = 1; i <= 11; ++i)
        Show(QString::number(i), i);
    ASSERT_EQ(display.stNextPage().size(), PageDisplay::MaxPages);
    EXPECT_EQ(display.indexNextPage(), 9);
    for (int i = 0; i < 12; ++i)
        display.sbBackClick();
    EXPECT_EQ(display.indexNextPage(), 0);
    EXPECT_EQ(pane.writes.last(), Framed("2"));
    EXPECT_EQ(pane.scrollsSet.last(), 3);
    EXPECT_FALSE(backOn);
    EXPECT_TRUE(nextOn);
}

TEST_F(DisplayTest, DomPageIsNotRecordedAndLendsItsScrollToTheEntryShown) {
    Show("A", 0);
    Show("B", 7);
    display.ShowDomPage(QStringLiteral("X"), true);
    EXPECT_EQ(pane.writes.last(), "DOM[" + ctx.programFolder + "|MENU|X]");
    display.ShowDomPage(QStringLiteral("Y"), false);
    EXPECT_EQ(pane.writes.last(), "DOM[" + ctx.programFolder + "|<dom_menu>|Y]");
    EXPECT_EQ(display.stNextPage().size(), 2);
    pane.scroll = 55;
    display.sbBackClick();
    EXPECT_EQ(pane.writes.last(), Framed("A"));
    EXPECT_EQ(PageDisplay::GetHistoryScroll(display.stNextPage()[1]), 55);
}

TEST_F(DisplayTest, ForwardFromTheFirstEntryKeepsItsStoredScroll) {
    Show("A", 0);
    Show("B", 10);
    display.sbBackClick();
    pane.scroll = 99;
    display.sbNextClick();
    EXPECT_EQ(pane.writes.last(), Framed("B"));
    EXPECT_EQ(PageDisplay::GetHistoryScroll(display.stNextPage()[0]), 10);
}

TEST_F(DisplayTest, MissingFrameGivesAnEmptyPage) {
    QFile::remove(ctx.programFolder + "info/index.htm");
    display.ShowPage(QStringLiteral("lost"));
    EXPECT_EQ(pane.writes.last(), QString());
}

TEST_F(DisplayTest, NewestEntryIsRewrittenAtItsScroll) {
    Show("A", 0);
    Show("B", 4);
    pane.scroll = 6;
    display.sbBackClick(); // B stores 6
    pane.scroll = 3;
    display.ShowNewestPage();
    EXPECT_EQ(pane.writes.last(), Framed("B"));
    EXPECT_EQ(pane.scrollsSet.last(), 6);
    EXPECT_EQ(display.indexNextPage(), 0);
}

TEST(HistoryEntry, Operations) {
    EXPECT_EQ(PageDisplay::SetHistoryScroll(15, "0:#<p>1:#2</p>"), "15:#<p>1:#2</p>");
    EXPECT_EQ(PageDisplay::SetHistoryScroll(15, "no separator"), "no separator");
    EXPECT_EQ(PageDisplay::GetHistoryScroll("42:#x"), 42);
    EXPECT_EQ(PageDisplay::GetHistoryScroll("4a:#x"), 0);
    EXPECT_EQ(PageDisplay::GetHistoryScroll("42"), 0);
    EXPECT_EQ(PageDisplay::GetHistoryPage("42:#a:#b"), "a:#b");
    EXPECT_EQ(PageDisplay::GetHistoryPage("42"), "");
}

TEST_F(DisplayTest, AddressHistoryWalk) {
    const QString p1 = QStringLiteral("about:blank?PageNextDomList=1&SortDom=");
    const QString p2 = QStringLiteral("about:blank?ItemDomID=5");
    EXPECT_TRUE(Route(p1));
    EXPECT_TRUE(Route(p2));
    EXPECT_EQ(display.stNextPageStr(), (QStringList{p1, p2}));

    // Back link: P1 again, reached through the router without being recorded.
    EXPECT_TRUE(Route(QStringLiteral("about:<back_page_dom>")));
    ASSERT_EQ(pane.navigations, QStringList{p1});
    EXPECT_FALSE(display.KeyNextPageStr());
    Route(pane.navigations.last());
    EXPECT_TRUE(display.KeyNextPageStr());
    EXPECT_EQ(display.stNextPageStr().size(), 2);
    EXPECT_EQ(display.indexNextPageStr(), 1);

    // Back past the oldest: the real-estate tab.
    journal.clear();
    Route(QStringLiteral("about:<back_page_dom>"));
    EXPECT_EQ(journal, QStringList{"bTabNedvClick"});
    EXPECT_EQ(display.indexNextPageStr(), 2);
    journal.clear();
    Route(QStringLiteral("about:<back_page_dom>")); // nothing further back
    EXPECT_TRUE(journal.isEmpty());

    // Forward: P1.
    Route(QStringLiteral("about:<next_page_dom>"));
    EXPECT_EQ(pane.navigations.last(), p1);
    Route(pane.navigations.last());
    EXPECT_EQ(display.indexNextPageStr(), 1);

    // A new address after stepping back replaces the newer entries.
    const QString p3 = QStringLiteral("about:blank?ItemDomID=9");
    Route(p3);
    EXPECT_EQ(display.stNextPageStr(), (QStringList{p1, p3}));
    EXPECT_EQ(display.indexNextPageStr(), 0);
    const qsizetype navigations = pane.navigations.size();
    Route(QStringLiteral("about:<next_page_dom>")); // already newest
    EXPECT_EQ(pane.navigations.size(), navigations);
}

} // namespace
