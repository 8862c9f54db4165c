#include "shell/uBanners.h"
#include "shell/uCodePage.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LeftBannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
    }
    void WriteBanners(const QByteArray& bytes) {
        QDir().mkpath(folder + QStringLiteral("banners/left"));
        QFile f(folder + QStringLiteral("banners/left/left.htm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QStringList Shown(LeftBanner& banner, int calls) {
        QStringList shown;
        for (int i = 0; i < calls; ++i)
            shown << banner.LeftBannerLine();
        return shown;
    }

    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST_F(LeftBannerTest, RotatesThroughTheLinesInFileOrder) {
    WriteBanners("<a>0</a>\r\n<a>1</a>\n<a>2</a>\r\n");
    LeftBanner banner(folder);
    EXPECT_EQ(Shown(banner, 7), (QStringList{"<a>0</a>", "<a>1</a>", "<a>2</a>", "<a>0</a>", "<a>1</a>",
                                             "<a>2</a>", "<a>0</a>"}));
    EXPECT_EQ(banner.indexLeftBanner(), 1);
}

TEST_F(LeftBannerTest, OneLineEveryTimeAndEmptyFileNothing) {
    WriteBanners("<b>only</b>");
    LeftBanner one(folder);
    EXPECT_EQ(Shown(one, 3), (QStringList{"<b>only</b>", "<b>only</b>", "<b>only</b>"}));
    EXPECT_EQ(one.indexLeftBanner(), 0);

    WriteBanners("");
    LeftBanner empty(folder);
    EXPECT_EQ(Shown(empty, 2), (QStringList{QString(), QString()}));
    EXPECT_EQ(empty.indexLeftBanner(), 0);

    QFile::remove(folder + QStringLiteral("banners/left/left.htm"));
    EXPECT_EQ(empty.LeftBannerLine(), QString());
}

TEST_F(LeftBannerTest, FilePathIsTheProgramFolderAndTextIsWindows1251) {
    WriteBanners(cp1251::Encode(QStringLiteral("<img src=\"<FILE_PATH>banners\\кирпич.gif\">\rвторой")));
    LeftBanner banner(folder);
    EXPECT_EQ(banner.LeftBannerLine(),
              QStringLiteral("<img src=\"") + folder + QStringLiteral("banners\\кирпич.gif\">"));
    EXPECT_EQ(banner.LeftBannerLine(), QStringLiteral("второй"));
}

TEST_F(LeftBannerTest, ByteOrderMarkSelectsTheEncoding) {
    WriteBanners(QByteArray("\xEF\xBB\xBF") + QStringLiteral("кровля\r\nбетон").toUtf8());
    LeftBanner banner(folder);
    EXPECT_EQ(Shown(banner, 2), (QStringList{QStringLiteral("кровля"), QStringLiteral("бетон")}));
}

TEST_F(LeftBannerTest, ShorterFileWhileRunningStartsAgainAtItsFirstLine) {
    WriteBanners("a\nb\nc\n");
    LeftBanner banner(folder);
    Shown(banner, 2); // the next is line 2
    WriteBanners("x\ny\n");
    EXPECT_EQ(Shown(banner, 3), (QStringList{"x", "y", "x"}));
}

TEST(BannerPanes, WritersStyleTheBodyAndTheHeaderKeepsSideMargins) {
    RecordingPane left, right1, right2, top;
    BannerPanes panes(left, right1, right2, top);
    panes.webl1_write(QStringLiteral("L"));
    panes.webr1_write(QStringLiteral("R1"));
    panes.webr2_write(QStringLiteral("R2"));
    panes.webt1_write(QStringLiteral("T"));
    const QStringList zero{QStringLiteral("write"), QStringLiteral("style 0 0 0 0")};
    EXPECT_EQ(left.calls, zero);
    EXPECT_EQ(right1.calls, zero);
    EXPECT_EQ(right2.calls, zero);
    EXPECT_EQ(top.calls, (QStringList{QStringLiteral("write"), QStringLiteral("style 0 0 50 50")}));
    EXPECT_EQ((QStringList{left.Last(), right1.Last(), right2.Last(), top.Last()}),
              (QStringList{"L", "R1", "R2", "T"}));

    // A load of the pane's own puts the header's side margins back to 0; the other panes stay at 0.
    panes.WireDocumentComplete();
    for (RecordingPane* pane : {&left, &right1, &right2, &top}) {
        pane->calls.clear();
        ASSERT_TRUE(pane->onDocumentComplete);
        pane->onDocumentComplete();
        EXPECT_EQ(pane->calls, QStringList{QStringLiteral("style 0 0 0 0")});
    }
}

TEST(BannerPanes, RightBannersLinkTheirPagesAndShowTheirPictures) {
    const QString folder = QStringLiteral("/opt/velomar/");
    EXPECT_EQ(BannerPanes::RightBanner1(folder),
              QStringLiteral("<html><center><a href=\"<id_rb1>pages\\rundo\\index.htm\"><img border=0 "
                             "src=\"/opt/velomar/banners\\banerlimta.gif\"></a></center></html>"));
    EXPECT_EQ(BannerPanes::RightBanner2(folder),
              QStringLiteral("<html><center><a href=\"<id_rb2>pages\\pelmorin\\index.html\"><img border=0 "
                             "src=\"/opt/velomar/banners\\banersolvo.gif\"></a></center></html>"));
}
