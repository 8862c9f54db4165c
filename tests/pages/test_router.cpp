#include "PagesFakes.h"

#include "pages/uPaths.h"

#include <QRandomGenerator>

namespace {

class RouterTest : public PagesFixture {
protected:
    void SetUp() override {
        PagesFixture::SetUp();
        pf = ctx.programFolder;
        Put("pages/st/a b.htm", "STATI <img src=\"x.gif\"> <a href=\"n.htm\" target=_blank>");
        Put("pages/rundo/index.htm", "RUNDO <img src='p.gif'>");
        Put("pages/l.htm", "LINK");
        Put("info/fair/page.htm", "FAIR <a href=\"b.htm\">");
        Put("map.exe", "#!/bin/sh\n");
        Put("sub/map x.exe", "#!/bin/sh\n");
        Put("prices/a b.zip", "zip");
    }
    QString pf;
};

struct RowCase {
    const char* address;
    const char* webPath; // relative to the program folder; "" leaves it empty
    int row;
    const char* call; // expected journal entry; "%p" stands for the program folder
};

TEST_F(RouterTest, EveryRowIsReachedByItsAddress) {
    const RowCase cases[] = {
        {"about:blank<price>%pprices/a%20b.zip", "", 1, "OpenUrl|%pprices/a b.zip"},
        {"about:<PRICE>http%3A//site.ru/p.zip", "", 1, "OpenUrl|http://site.ru/p.zip"},
        {"mailto:info@site.ru", "", 2, "OpenUrl|mailto:info@site.ru"},
        {"about:MAILTO:info@site.ru", "", 2, "OpenUrl|MAILTO:info@site.ru"},
        {"about:blank?&option=nov&typered=nov&sri=3&spage=2", "", 5, "ShowNovList|3|2"},
        {"about:blank?option=com_content&id=%04%1F", "", 6, "ShowArticle|\xD0\x9F"},
        {"about:<dom_file>page.htm", "", 7, "ShowDomFile|page.htm"},
        {"about:blank<search_dom>", "", 8, "ShowDomFilter|a=1&b=%D0"},
        {"about:blank?PageNextDomList=2&SortDom=price&MenuDomID=5", "", 9, "ShowDomMenuList|2|5|price"},
        {"about:blank?ItemDomID=7&SortDom=x", "", 10, "ShowDomItem|7"},
        {"about:blank?pagenextdomlist=3&SortDom=area", "", 11, "ShowDomListPage|3|area"},
        {"about:blank<search>", "", 12, "SearchFromPost|a=1&b=%D0"},
        {"about:blank<loadrazs>?&razd=12&sity=5%20x", "pages/", 13, "ShowSectionList|12|5%20x"},
        {"about:<idorg>42", "", 17, "ShowOrgCard|42"},
        {"about:blank<idorg>42", "", 17, "ShowOrgCard|42"},
        {"about:<id_print>", "", 18, "PrintPreview"},
        {"about:blankmap.exe", "", 23, "StartProgram|%pmap.exe"},
        {"about:blank<stati>%ppages/map.exe", "", 23, ""}, // the program row comes first
        {"about:docs\\x.doc", "", 25, "OpenUrl|%pdocs/x.doc"},
        {"about:blank<linksearch>docs/x.doc", "", 25, "OpenUrl|%p<linksearch>docs/x.doc"}, // before row 26
        {"about:blank<IDORG>42", "", 28, ""}, // exact markers in capitals match nothing
        {"about:blank<IDORG>42", "pages/", 27, ""},
        {"http://example.com/", "", 28, ""},
    };
    for (const RowCase& c : cases) {
        journal.clear();
        ctx.Web_Path = QString::fromUtf8(c.webPath).isEmpty() ? QString() : pf + c.webPath;
        const QString address = QString::fromUtf8(c.address).replace("%p", pf);
        const bool cancel = Route(address, QByteArray("a=1&b=%D0\0junk", 14));
        EXPECT_EQ(router.LastRow(), c.row) << c.address;
        EXPECT_EQ(cancel, c.row != 28) << c.address;
        const QString call = QString::fromUtf8(c.call).replace("%p", pf);
        EXPECT_EQ(journal, call.isEmpty() ? QStringList() : QStringList{call}) << c.address;
    }
}

TEST_F(RouterTest, HomeClearsThePageFolder) {
    ctx.Web_Path = pf + "pages/";
    EXPECT_TRUE(Route("about:blank<id_home>"));
    EXPECT_EQ(router.LastRow(), 14);
    EXPECT_EQ(ctx.Web_Path, QString());
    EXPECT_EQ(pane.writes.last(), "FRAME[" + pf + "||START " + pf + "]");
}

TEST_F(RouterTest, HideAndShowRewriteTheNewestEntry) {
    display.ShowPage("A");
    display.ShowPage("LIST");
    display.sbBackClick();
    for (const char* marker : {"<idorgno>", "<idorgye>"}) {
        journal.clear();
        EXPECT_TRUE(Route(QString("about:") + marker + "77"));
        EXPECT_EQ(journal, QStringList{QString("SetOrgVisible|77|") + (marker[6] == 'n' ? "0" : "1")});
        EXPECT_EQ(pane.writes.last(), "FRAME[" + pf + "||LIST]");
    }
    EXPECT_EQ(router.LastRow(), 16);
    EXPECT_EQ(display.stNextPage().size(), 2);
}

TEST_F(RouterTest, StaticPagesAreFramedWithTheirFolder) {
    EXPECT_TRUE(Route("about:blank<STATI>" + pf + "pages\\st\\a%20b.htm"));
    EXPECT_EQ(router.LastRow(), 24);
    EXPECT_EQ(ctx.Web_Path, pf + "pages/st/");
    EXPECT_EQ(pane.writes.last(),
              "FRAME[" + pf + "||STATI <img src=\"" + pf + "pages/st/x.gif\"> <a href=\"n.htm\" no=_blank>]");

    // A link of that page comes back relative to it.
    EXPECT_TRUE(Route("about:blank..\\l.htm"));
    EXPECT_EQ(router.LastRow(), 27);
    EXPECT_EQ(pane.writes.last(), "FRAME[" + pf + "||LINK]");
    EXPECT_TRUE(LogText().contains("Result: " + pf + "pages/l.htm"));

    // The INFO search gives paths relative to the program folder.
    EXPECT_TRUE(Route("about:<stati>pages/l.htm"));
    EXPECT_EQ(pane.writes.last(), "FRAME[" + pf + "||LINK]");

    EXPECT_TRUE(Route("about:<linksearch>pages/st/a%20b.htm"));
    EXPECT_EQ(router.LastRow(), 26);
    EXPECT_EQ(ctx.Web_Path, pf + "pages/st/");

    // A web address clicked in a static page is a missing file there: an empty frame.
    EXPECT_TRUE(Route("http://example.com/"));
    EXPECT_EQ(router.LastRow(), 27);
    EXPECT_EQ(pane.writes.last(), "FRAME[" + pf + "||]");
}

TEST_F(RouterTest, BarePageRewritesItsLinks) {
    EXPECT_TRUE(Route("about:blank<id_file>info/fair/page.htm"));
    EXPECT_EQ(router.LastRow(), 19);
    EXPECT_EQ(ctx.Web_Path, pf + "info/fair/");
    EXPECT_EQ(pane.writes.last(), "FAIR <a href=\"<id_file>info/fair/b.htm\">");
    EXPECT_EQ(display.stNextPage().size(), 1);
}

TEST_F(RouterTest, BannerMarkersOpenTheSamePage) {
    for (const char* marker : {"<id_rb1>", "<id_rb2>", "<id_tb1>"}) {
        for (const char* path : {"pages\\rundo\\index.htm", "pages/rundo/index.htm"}) {
            pane.writes.clear();
            EXPECT_TRUE(Route(QString("about:blank") + marker + path));
            EXPECT_EQ(ctx.Web_Path, pf + "pages/rundo/");
            EXPECT_EQ(pane.writes,
                      QStringList{"FRAME[" + pf + "||RUNDO <img src='" + pf + "pages/rundo/p.gif'>]"});
        }
    }
    EXPECT_EQ(router.LastRow(), 22);
}

TEST_F(RouterTest, SwallowedAndLoggedErrors) {
    targets.fail = true;
    for (const char* a : {"<idorg>1", "<idorgno>1", "<search>", "?option=com_content&id=1"}) {
        EXPECT_TRUE(Route(a)) << a;
    }
    EXPECT_TRUE(Route("about:blank?option=com_content&id=%ZZ")); // broken escape: swallowed too
    EXPECT_FALSE(LogText().contains("Error:"));
    EXPECT_TRUE(Route("?ItemDomID=3"));
    EXPECT_TRUE(LogText().contains("Error: target failed(std::runtime_error)"));
}

TEST_F(RouterTest, MissingTargetsCancelAndDoNothing) {
    router.SetTargets({});
    ctx.Web_Path = pf + "pages/";
    for (const char* a : {"<idorg>1", "<loadrazs>?&razd=1", "?ItemDomID=3", "about:<dom_file>a%3Ab.htm",
                          "<back_page_dom>", "<search>"}) {
        EXPECT_TRUE(Route(a)) << a;
    }
    EXPECT_TRUE(journal.isEmpty());
    // The row's own steps come first: the page folder is cleared, the address recorded.
    EXPECT_EQ(ctx.Web_Path, QString());
    // Addresses are recorded as received: prefix and "%3A" kept.
    EXPECT_EQ(display.stNextPageStr(), (QStringList{"?ItemDomID=3", "about:<dom_file>a%3Ab.htm"}));
}

// The lines the router writes for an address, after the time stamps.
QStringList LogLines(const QString& logText) {
    QStringList lines;
    for (const QString& line : logText.split("\r\n", Qt::SkipEmptyParts))
        lines << line.mid(line.indexOf(" : ") + 3);
    return lines;
}

TEST_F(RouterTest, LogLinesOfTheFileRows) {
    struct Case {
        const char* address;
        const char* lines; // "|" between lines; "%p" stands for the program folder
    } cases[] = {
        // The program row logs the path after the prefix, after its slashes were turned, after the place
        // of the drive-letter repair, and as handed over.
        {"about:blanksub\\map%20x.exe", "url: about:blanksub\\map%20x.exe|sub\\map%20x.exe|sub/map%20x.exe|"
                                        "sub/map%20x.exe|sub/map x.exe"},
        {"about:"
         "%pmap.exe",
         "url: about:%pmap.exe|%pmap.exe"},
        {"about:blank<stati>%ppages/l.htm", "url: about:blank<stati>%ppages/l.htm|%ppages/l.htm|%ppages/"},
    };
    for (const Case& c : cases) {
        QFile::remove(log->Folder() + Log::FileName(QDate(2024, 5, 6)));
        Route(QString::fromUtf8(c.address).replace("%p", pf));
        EXPECT_EQ(LogLines(LogText()), QString::fromUtf8(c.lines).replace("%p", pf).split('|')) << c.address;
    }
}

TEST(RouterHelpers, JoinPath) {
    const char* cases[][3] = {
        {"/p/pages/a/", "..\\b.htm", "/p/pages/b.htm"},
        {"/p/pages/a/", "../../b/c.htm", "/p/b/c.htm"},
        {"C:\\p\\a\\", "..\\x.htm", "C:/p/x.htm"},
        {"/p/a/", "x\\y.htm", "/p/a/x/y.htm"},
        {"", "..\\x.htm", "x.htm"},
        {"/", "../x", "/x"},
        {"/p/", "", "/p/"},
    };
    for (auto& c : cases)
        EXPECT_EQ(JoinPath(c[0], c[1]), c[2]) << c[0] << " + " << c[1];
}

TEST(RouterHelpers, UrlParam) {
    const QString load = QStringLiteral("about:blank<loadrazs>?&razd=12&sity=54");
    EXPECT_EQ(UrlParam("razd", load), "12");
    EXPECT_EQ(UrlParam("sity", load), "54");
    EXPECT_EQ(UrlParam("none", load), "");
    EXPECT_EQ(UrlParam("id", "?ItemDomID=5&x=1"), "5"); // matches the end of a longer name
    EXPECT_EQ(UrlParam("sortdom", "?SortDom=Price&a"), "Price");
    EXPECT_EQ(UrlParam("a", "a="), "");
    EXPECT_EQ(OrJoin("", "b"), "b");
    EXPECT_EQ(OrJoin("a", "b"), "a or b");
}

TEST(RouterHelpers, RewriteSrcAndHref) {
    const char* src[][2] = {
        {"<img src=\"a.gif\">", "<img src=\"<file_path>a.gif\">"},
        {"<img SRC='a.gif'>", "<img SRC='<file_path>a.gif'>"},
        {"<img src=`a.gif`>", "<img src=`<file_path>a.gif`>"},
        {"<img src=a.gif>", "<img src=<file_path>a.gif>"},
        {"<img src=\"HTTP://x/a.gif\">", "<img src=\"HTTP://x/a.gif\">"},
        {"<img src=http://x/a.gif>", "<img src=<file_path>http://x/a.gif>"},
        {"<a href=x TARGET=_blank>src=", "<a href=x no=_blank>src="},
        {"", ""},
    };
    for (auto& c : src)
        EXPECT_EQ(RewriteSrc(c[0]), c[1]) << c[0];
    const char* href[][2] = {
        {"<a href=\"b.htm\">", "<a href=\"<id_file>info/b.htm\">"},
        {"<a HREF=http://x target=\"_top\">", "<a HREF=<id_file>info/http://x no=\"_top\">"},
        {"<a href='http://x'>", "<a href='<id_file>info/http://x'>"},
    };
    for (auto& c : href)
        EXPECT_EQ(RewriteHref(c[0], "info/"), c[1]) << c[0];
}

TEST(RouterHelpers, PrefixAndPostedBody) {
    EXPECT_EQ(RemovePrefix("about:blankx.htm"), "x.htm");
    EXPECT_EQ(RemovePrefix("ABOUT:BLANKx.htm"), "x.htm");
    EXPECT_EQ(RemovePrefix("about:x.htm"), "x.htm");
    EXPECT_EQ(RemovePrefix("x.htm"), "x.htm");
    EXPECT_EQ(Router::PostedText(QByteArray("a=\xE9&b", 5)), QString("a=") + QChar(0xE9) + "&b");
    EXPECT_EQ(Router::PostedText(QByteArray("a\0b", 3)), "a");
}

// Hostile addresses: nothing crashes, nothing outside the program folder is read, started or opened.
TEST_F(RouterTest, HostileAddressesStayInside) {
    QFile::link(root + "secret.htm", pf + "pages/link.htm");
    QFile::link(root + "secret.htm", pf + "pages/evil.exe");
    Put("pages/safe.htm", "SAFE");
    const QStringList markers = {"<price>",
                                 "mailto:",
                                 "<next_page_dom>",
                                 "<back_page_dom>",
                                 "?option=nov&sri=",
                                 "?option=com_content&id=",
                                 "<dom_file>",
                                 "<search_dom>",
                                 "MenuDomID=",
                                 "ItemDomID=",
                                 "PageNextDomList=",
                                 "<search>",
                                 "<loadrazs>?&razd=",
                                 "<id_home>",
                                 "<idorgno>",
                                 "<idorgye>",
                                 "<idorg>",
                                 "<id_print>",
                                 "<id_file>",
                                 "<id_rb1>",
                                 "<id_rb2>",
                                 "<id_tb1>",
                                 ".exe",
                                 "<stati>",
                                 ".doc",
                                 ".zip",
                                 "<linksearch>",
                                 "about:blank",
                                 "about:",
                                 "%3A",
                                 "%20",
                                 "%",
                                 "%Z",
                                 "%4",
                                 "..\\",
                                 "../",
                                 "\\",
                                 "/"};
    const QStringList payloads = {"",
                                  "..\\..\\..\\etc\\passwd",
                                  "../secret.htm",
                                  "..\\secret.htm",
                                  root + "secret.htm",
                                  "/etc/passwd",
                                  "pages/link.htm",
                                  "pages/evil.exe",
                                  "pages/../../secret.htm",
                                  "..\\..\\..\\..\\..\\..\\..\\..\\bin\\sh.exe",
                                  "file:///etc/passwd",
                                  "pages/safe.htm",
                                  QString(QChar(0)) + "x",
                                  "&&==??"};
    QRandomGenerator rng(7);
    auto pick = [&](const QStringList& l) { return l[rng.bounded(int(l.size()))]; };
    for (int i = 0; i < 4000; ++i) {
        QString a;
        const int parts = 1 + rng.bounded(4);
        for (int k = 0; k < parts; ++k) {
            switch (rng.bounded(3)) {
            case 0:
                a += pick(markers);
                break;
            case 1:
                a += pick(payloads);
                break;
            default:
                for (int n = rng.bounded(6); n > 0; --n)
                    a += QChar(char16_t(rng.bounded(1, 0x500)));
            }
        }
        if (rng.bounded(4) == 0)
            ctx.Web_Path = rng.bounded(2) ? pf + "pages/" : root;
        QByteArray post;
        for (int n = rng.bounded(20); n > 0; --n)
            post += char(rng.bounded(256));
        Route(a, post);
    }
    for (const QString& huge : {QString(1 << 20, 'a'), "<stati>" + QString(1 << 20, '.') + ".htm",
                                "<id_file>" + QString("..\\").repeated(300000) + "secret.htm",
                                "?ItemDomID=" + QString(1 << 20, '%')}) {
        Route(huge);
    }
    for (const QString& page : pane.writes)
        ASSERT_FALSE(page.contains(kCanary));
    for (const QString& p : desktop.started)
        EXPECT_TRUE(InsideFolder(p, pf) && QFileInfo(p).isFile()) << p.toStdString();
    for (const QString& p : desktop.opened) {
        const QString l = p.toLower();
        if (!l.startsWith("http://") && !l.startsWith("https://") && !l.startsWith("ftp://") &&
            !l.startsWith("mailto:")) {
            EXPECT_TRUE(InsideFolder(p, pf)) << p.toStdString();
        }
    }
    EXPECT_FALSE(desktop.started.contains(pf + "pages/evil.exe"));
}

} // namespace
