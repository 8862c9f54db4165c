#include "PagesFixture.h"

#include "catalogue/uCatalogue.h"
#include "catalogue/uOrgPages.h"

#include <gtest/gtest.h>

namespace {

using Cols = QMap<QString, QString>;

class OrgPagesTest : public ::testing::Test, public PagesFixture {
protected:
    OrgPagesTest() : pages(ctx, [this] { return nodes; }) {
        StandardCatalogueTree(*db);
        nodes = {{QStringLiteral("Новосибирск"), 0, 12},
                 {QStringLiteral("Кирпич и блоки"), 1, 5},
                 {QStringLiteral("Кровельные материалы"), 1, 7}};
    }
    // An organisation of locality 12 linked to section 5.
    void Listed(int id, const QString& name, Cols cols = {}) {
        if (!cols.contains(QStringLiteral("city_org")))
            cols.insert(QStringLiteral("city_org"), QStringLiteral("12"));
        db->Org(id, name, cols);
        db->Link(5, id);
    }
    QString Cd(int id) {
        auto q = DBCrate(db->Db());
        q->Add(QStringLiteral("select cd from organizations where id_org = ?"));
        q->Open({id});
        return q->Field(0);
    }

    QList<CatalogueNode> nodes;
    OrgPages pages;
};

TEST_F(OrgPagesTest, ListOrdersByBannerArticleNameAndSkipsHiddenOnes) {
    Listed(1, QStringLiteral("Альфа"));
    Listed(2, QStringLiteral("Яхонт"), {{"baner_org", "y"}, {"baner_name_org", "yahont"}});
    Listed(3, QStringLiteral("Мастер"), {{"page_name_org", "master"}});
    Listed(4, QStringLiteral("Бета"), {{"cd", "n"}});
    Listed(5, QStringLiteral("Гамма"), {{"cd", "Y"}});
    Listed(6, QStringLiteral("Дельта"), {{"cd", ""}});
    Listed(7, QStringLiteral("Ворота"), {{"cd", "N"}});
    Listed(8, QStringLiteral("Чужой"), {{"city_org", "20"}});
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("12"));
    EXPECT_EQ(ListedIds(), (QStringList{"2", "3", "1", "5"}));
    EXPECT_EQ(LastTitle(), QStringLiteral("Кирпич и блоки"));
    const QString body = LastBody();
    EXPECT_TRUE(
        body.contains(QStringLiteral("<img src=\"") + folder + QStringLiteral("banners\\yahont.gif\">")));
    EXPECT_TRUE(body.contains(QStringLiteral("<a href=\"<stati>") + folder +
                              QStringLiteral("pages\\master\\index.htm\" style=\"color: #DD0000;\">")));
    EXPECT_FALSE(body.contains(QStringLiteral("<idorgno>")));
    EXPECT_FALSE(body.contains(QStringLiteral("<file_path>")));

    ctx.adminMode = true;
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("12"));
    EXPECT_EQ(ListedIds(), (QStringList{"2", "3", "1", "4", "7", "5", "6"}));
    EXPECT_TRUE(LastBody().contains(
        QStringLiteral("<a href=\"<idorgno>1\" style=\"color: #00DD00;\"><b>Скрыть</b></a>")));
    EXPECT_TRUE(LastBody().contains(
        QStringLiteral("<a href=\"<idorgye>5\" style=\"color: #DD0000;\"><b>Показать</b></a>"))); // "Y"
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<idorgye>4\"")));
    EXPECT_FALSE(LastBody().contains(QStringLiteral("<stati>")));
}

TEST_F(OrgPagesTest, NothingListedLeavesThePageOnScreen) {
    Listed(1, QStringLiteral("Чужой"), {{"city_org", "20"}});
    Listed(2, QStringLiteral("Скрытый"), {{"cd", "n"}});
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("12"));
    pages.ShowSectionList(QStringLiteral("5\") or (\"1\"=\"1"), QStringLiteral("12"));
    EXPECT_EQ(Pages(), 0);
    db->Exec(QStringLiteral("DROP TABLE orginrazd;"));
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("20"));
    EXPECT_EQ(Pages(), 0);
}

TEST_F(OrgPagesTest, EntryBlocksFollowTheirConditions) {
    Listed(1, QStringLiteral("Без баннера"), {{"baner_org", "Y"}, {"baner_name_org", "  "}});
    Listed(2, QStringLiteral("С логотипом"),
           {{"logo_org_file_name", "logo2.gif"}, {"comment_org", "кирпич\\r\\nблоки\\R\\N"}});
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("12"));
    const QString body = LastBody();
    EXPECT_EQ(body.count(QStringLiteral("<org_banner>")), 2); // neither has a banner to show
    EXPECT_TRUE(
        body.contains(QStringLiteral("<img src=\"") + folder + QStringLiteral("prices\\logo2.gif\">")));
    EXPECT_FALSE(body.contains(QStringLiteral("\\r\\n")));
    EXPECT_FALSE(body.contains(QStringLiteral("\\R\\N")));
}

TEST_F(OrgPagesTest, CardShowsEveryBlockOfItsRow) {
    WriteFile(QStringLiteral("prices/price1.xls"), QStringLiteral("x"));
    Listed(1, QStringLiteral("Полная"),
           {{"rukovod_org", "Иванов И. И."},
            {"price_org", "price1.xls"},
            {"page_name_org", "polnaya"},
            {"logo_org_file_name", "l1.gif"},
            {"baner_org", "y"},
            {"baner_name_org", "b1"},
            {"mail_org", "a@p.ru|b@p.ru"},
            {"comment_org", "бетон\\r\\nраствор"},
            {"cd", "n"}});
    db->Link(7, 1);
    pages.ShowCard(QStringLiteral("1"));
    ASSERT_EQ(Pages(), 1);
    const QString body = LastBody();
    EXPECT_TRUE(body.contains(QStringLiteral("<TR><TD><b>Руководитель:</b> Иванов И. И.</TD></TR>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<b>Прайс:</b> <a href=\"<price>") + folder +
                              QStringLiteral("prices\\price1.xls\">Открыть</a>")));
    EXPECT_TRUE(body.contains(
        QStringLiteral("<a href=\"<stati>") + folder +
        QStringLiteral("pages\\polnaya\\index.htm\"><b><font size=\"+2\">С</font>татья</b></a>")));
    EXPECT_TRUE(
        body.contains(QStringLiteral("<BR><a href=\"<loadrazs>?&razd=5&sity=12\">Кирпич и блоки</a>")));
    EXPECT_TRUE(
        body.contains(QStringLiteral("<BR><a href=\"<loadrazs>?&razd=7&sity=12\">Кровельные материалы</a>")));
    EXPECT_TRUE(body.contains(QStringLiteral("banners\\b1.gif")));
    EXPECT_TRUE(body.contains(QStringLiteral("prices\\l1.gif")));
    EXPECT_TRUE(body.contains(
        QStringLiteral("<a href=\"mailto:a@p.ru\">a@p.ru</a>, <a href=\"mailto:b@p.ru\">b@p.ru</a>")));
    EXPECT_TRUE(body.contains(QStringLiteral("бетонраствор")));
    EXPECT_EQ(LastTitle(), QString());
}

TEST_F(OrgPagesTest, CardLeavesAbsentBlocksUnfilled) {
    Listed(1, QStringLiteral("Скромная"), {{"price_org", "missing.xls"}, {"rukovod_org", " "}});
    Listed(2, QStringLiteral("Чужой прайс"), {{"price_org", "../arch.db"}});
    pages.ShowCard(QStringLiteral("1"));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<org_price>")));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<item_rukovod_org>")));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<mails_org>")));
    pages.ShowCard(QStringLiteral("2"));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<org_price>")));
    pages.ShowCard(QStringLiteral("99"));
    pages.ShowCard(QStringLiteral("1 or 1=1"));
    EXPECT_EQ(Pages(), 2);
}

TEST(MailLine, OneLinkPerAddress) {
    const QString head = QStringLiteral("<TR><TD><b>E-mail:</b> ");
    const QString a = QStringLiteral("<a href=\"mailto:a@x.ru\">a@x.ru</a>");
    const QString b = QStringLiteral("<a href=\"mailto:b@x.ru\">b@x.ru</a>");
    const QString tail = QStringLiteral("</TD></TR>");
    const std::vector<std::pair<const char*, QString>> cases = {
        {"a@x.ru", head + a + tail},
        {"a@x.ru|b@x.ru", head + a + QStringLiteral(", ") + b + tail},
        {"a@x.ru|", head + a + QStringLiteral(", ") + tail},
        {"|", head + tail},
        {"a@x.ru| |b@x.ru|", head + a + QStringLiteral(", ") + b + QStringLiteral(", ") + tail},
    };
    for (const auto& [mails, line] : cases)
        EXPECT_EQ(OrgPages::MailLine(QString::fromLatin1(mails)), line) << mails;
}

TEST_F(OrgPagesTest, HideAndShowChangeOnlyTheFlag) {
    Listed(1, QStringLiteral("Альфа"));
    Listed(2, QStringLiteral("Бета"));
    ctx.adminMode = true;
    EXPECT_TRUE(pages.SetOrgVisible(QStringLiteral("1"), false));
    EXPECT_EQ(Cd(1), QStringLiteral("n"));
    EXPECT_EQ(Cd(2), QStringLiteral("y"));
    pages.ShowSectionList(QStringLiteral("5"), QStringLiteral("12"));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<idorgye>1\"")));
    EXPECT_TRUE(pages.SetOrgVisible(QStringLiteral("1"), true));
    EXPECT_EQ(Cd(1), QStringLiteral("y"));
    pages.SetOrgVisible(QStringLiteral("2\" or \"1\"=\"1"), false);
    EXPECT_EQ(Cd(1), QStringLiteral("y"));
    EXPECT_EQ(Cd(2), QStringLiteral("y"));
}

TEST_F(OrgPagesTest, SectionTitleComesFromSectionNodesOnly) {
    EXPECT_EQ(pages.SectionTitle(QStringLiteral("7")), QStringLiteral("Кровельные материалы"));
    EXPECT_EQ(pages.SectionTitle(QStringLiteral("12")), QString());
}

} // namespace

namespace {

TEST(TreePage, OpensTheNamedFileWithItsOwnFolder) {
    PagesFixture f;
    f.WriteFile(QStringLiteral("info/doc/gost/g1.htm"),
                QStringLiteral("<img src=\"pic.gif\"><link href=\"<file_path>s.css\">ГОСТ"));
    Catalogue catalogue(f.ctx, nullptr);
    catalogue.OpenTreePage(QStringLiteral("info/doc/gost/g1.htm"));
    const QString own = f.folder + QStringLiteral("info/doc/gost/");
    EXPECT_EQ(f.ctx.Web_Path, own);
    EXPECT_EQ(f.LastBody(), QStringLiteral("<img src=\"") + own + QStringLiteral("pic.gif\"><link href=\"") +
                                own + QStringLiteral("s.css\">ГОСТ"));
    catalogue.OpenTreePage(QStringLiteral("info/doc/none.htm")); // a missing file: an empty page
    EXPECT_EQ(f.LastBody(), QString());
    EXPECT_EQ(f.Pages(), 2);
    catalogue.OpenTreePage(QString()); // a folder node without a page: the program folder, an empty page
    EXPECT_EQ(f.Pages(), 3);
    EXPECT_EQ(f.ctx.Web_Path, f.folder);

    // A tag that leads out of the program folder opens nothing there.
    QTemporaryDir outside;
    const QString tag = QDir(f.folder).relativeFilePath(outside.filePath(QStringLiteral("secret.htm")));
    f.WriteFile(tag, QStringLiteral("чужой файл"));
    catalogue.OpenTreePage(tag);
    EXPECT_EQ(f.Pages(), 3);
    EXPECT_EQ(f.ctx.Web_Path, f.folder);
}

} // namespace
