#include "PagesFixture.h"

#include "catalogue/uSearch.h"

#include <gtest/gtest.h>

namespace {

using Cols = QMap<QString, QString>;

TEST(SearchWords, LettersMakeWordsEverythingElseSeparates) {
    const std::vector<std::pair<const char*, QStringList>> cases = {
        {"  Кирпич  Бетон ", {"кирпич", "бетон"}},
        {"кирпич,бетон;кирпич", {"кирпич", "бетон", "кирпич"}},
        {"brick 123 !", {}},
        {"М200-бетон", {"м", "бетон"}},
        {"Ёлка", {"ёлка"}},
        {"", {}},
    };
    for (const auto& [text, words] : cases)
        EXPECT_EQ(SearchWords(QString::fromUtf8(text)), words) << text;
}

class SearchTest : public ::testing::Test, public PagesFixture {
protected:
    SearchTest()
        : search(
              ctx, [this] { return nodes; }, [this] { pump(); }) {
        nodes = {{QStringLiteral("Новосибирск"), 0, 12},
                 {QStringLiteral("Кирпич и блоки"), 1, 5},
                 {QStringLiteral("Кровля"), 1, 7}};
    }
    QList<CatalogueNode> nodes;
    std::function<void()> pump = [] {};
    CatalogueSearch search;
};

TEST_F(SearchTest, ByNameFindsVisibleNamesContainingTheText) {
    db->Org(1, QStringLiteral("ООО Кирпичный завод"), {{"page_name_org", "kz"}});
    db->Org(2, QStringLiteral("Торговый дом КИРПИЧ"));
    db->Org(3, QStringLiteral("Кирпичник"), {{"cd", "Y"}});
    db->Org(4, QStringLiteral("Бетон"));
    db->Org(5, QStringLiteral("Кирпичник"));
    search.sSpeedButton1Click(QStringLiteral("ПИЧ"), CatalogueSearch::Name);
    EXPECT_EQ(ListedIds(), (QStringList{"1", "5", "2"}));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<stati>"))); // the article link of kind 0
    search.sSpeedButton1Click(QStringLiteral(" кирпич"), CatalogueSearch::Name);
    EXPECT_EQ(ListedIds(), (QStringList{"1", "2"}));
    const int pages = Pages();
    search.sSpeedButton1Click(QString(), CatalogueSearch::Name);
    search.sSpeedButton1Click(QStringLiteral("нет такого"), CatalogueSearch::Name);
    EXPECT_EQ(Pages(), pages);
}

TEST_F(SearchTest, FoundOrganisationsComeInListOrderAndAlikeOnesInStoredOrder) {
    // Stored order 9, 3, 4, 7: no banner or article for 9 and 3 with the same short name; 4 has an
    // article, 7 a banner. The list puts banner, article, then short name; 9 and 3 keep stored order.
    db->Org(9, QStringLiteral("Кирпич Один"), {{"short_name_org", "Кирпич"}});
    db->Org(3, QStringLiteral("Кирпич Два"), {{"short_name_org", "Кирпич"}});
    db->Org(4, QStringLiteral("Кирпич Статья"), {{"short_name_org", "Я"}, {"page_name_org", "p"}});
    db->Org(7, QStringLiteral("Кирпич Баннер"), {{"short_name_org", "Я"}, {"baner_org", "y"}});
    db->Exec(QStringLiteral("UPDATE organizations SET comment_org = 'кирпич';"));
    for (int kind : {CatalogueSearch::Name, CatalogueSearch::Goods}) {
        search.sSpeedButton1Click(QStringLiteral("кирпич"), kind);
        EXPECT_EQ(ListedIds(), (QStringList{"7", "4", "9", "3"})) << kind;
    }
}

TEST_F(SearchTest, GoodsFindsGoodsTextsAndSectionsWithTheWord) {
    db->Org(1, QStringLiteral("Стройка"), {{"comment_org", "Продажа КИРПИЧА и блоков"}});
    db->Org(2, QStringLiteral("Кровельщик"), {{"comment_org", "монтаж"}, {"page_name_org", "k"}});
    db->Org(3, QStringLiteral("Скрытый"), {{"comment_org", "кирпич"}, {"cd", "n"}});
    db->Org(4, QStringLiteral("Посторонний"), {{"comment_org", "окна"}});
    db->Link(7, 2);
    db->Link(7, 3);
    db->Link(5, 4);
    search.sSpeedButton1Click(QStringLiteral("кровля, кирпича"), CatalogueSearch::Goods);
    EXPECT_EQ(ListedIds(), (QStringList{"2", "1"}));
    EXPECT_TRUE(LastBody().contains(QStringLiteral("<org_stat>"))); // kind 1 puts no article link
    const int pages = Pages();
    search.sSpeedButton1Click(QStringLiteral("brick"), CatalogueSearch::Goods);
    EXPECT_EQ(Pages(), pages);
}

TEST_F(SearchTest, FormSearchesGoodsByPatternAndNamesByText) {
    db->Org(1, QStringLiteral("Альфа"), {{"comment_org", "Цемент М500"}});
    db->Org(2, QStringLiteral("Бета"), {{"comment_org", ""}});
    db->Org(3, QStringLiteral("Гамма"));
    db->Org(4, QStringLiteral("Цементник"), {{"comment_org", "цемент"}, {"cd", "n"}});
    auto wide = [](const QString& text) {
        QString out;
        for (const QChar c : text)
            out += QStringLiteral("%%1%%2")
                       .arg(c.unicode() >> 8, 2, 16, QLatin1Char('0'))
                       .arg(c.unicode() & 255, 2, 16, QLatin1Char('0'));
        return out;
    };
    search.SearchForm(QStringLiteral("search_type=2&search_text="));
    EXPECT_EQ(ListedIds(), (QStringList{"1", "2"}));
    search.SearchForm(QStringLiteral("search_type=2&search_text=") + wide(QStringLiteral("Цемент")));
    EXPECT_EQ(ListedIds(), (QStringList{"1"}));
    search.SearchForm(QStringLiteral("search_type=1&search_text=") + wide(QStringLiteral("ГАМ")));
    EXPECT_EQ(ListedIds(), (QStringList{"3"}));
    const int pages = Pages();
    search.SearchForm(QStringLiteral("search_type=3&search_text=") + wide(QStringLiteral("Альфа")));
    search.SearchForm(QStringLiteral("search_type=2&search_text=%zz"));
    search.SearchForm(QStringLiteral("search_type=2&search_text=") + wide(QStringLiteral("\") or 1=1 --")));
    EXPECT_EQ(Pages(), pages);
}

TEST_F(SearchTest, DocumentsAreListedOnceWithTheirTitles) {
    WriteFile(QStringLiteral("info/doc/snip/a.htm"),
              QStringLiteral("<HTML><TITLE>СНиП BETON</TITLE>Бетон М200</HTML>"));
    WriteFile(QStringLiteral("info/doc/snip/b.htm"), QStringLiteral("<p>марка бетона</p>"));
    WriteFile(QStringLiteral("info/doc/snip/c.htm"), QStringLiteral("<p>кирпич</p>"));
    WriteFile(QStringLiteral("info/doc/snip/d.txt"), QStringLiteral("бетон"));
    WriteFile(QStringLiteral("info/doc/e.htm"), QStringLiteral("<title>Без конца бетон"));
    WriteFile(QStringLiteral("root.htm"), QStringLiteral("бетон"));
    QTemporaryDir outside; // a tag that leads out of the program folder scans nothing there
    const QString away = QDir(folder).relativeFilePath(outside.filePath(QStringLiteral("x.htm")));
    WriteFile(away, QStringLiteral("бетон"));
    const QString t = QStringLiteral("tvNormativDOC");
    db->TreeRow(t, QStringLiteral("СНиП"), 0, 2, 1); // no tag: the program folder itself
    db->TreeRow(t, QStringLiteral("A"), 0, 0, 2, QStringLiteral("info/doc/snip/a.htm"));
    db->TreeRow(t, QStringLiteral("B"), 0, 0, 3, QStringLiteral("info\\doc\\snip\\b.htm"));
    db->TreeRow(t, QString(), 0, -1, 0);
    db->TreeRow(t, QStringLiteral("E"), 0, 0, 4, QStringLiteral("info/doc/e.htm"));
    db->TreeRow(t, QStringLiteral("X"), 0, 0, 5, away);
    ctx.Web_Path = QStringLiteral("/elsewhere/");
    search.sSpeedButton1Click(QStringLiteral("БЕТОН"), CatalogueSearch::Documents);
    EXPECT_EQ(LastBody().toStdString(),
              std::string("<table>"
                          "<tr><td><li><a href=\"root.htm\">root.htm</a></td></tr>"
                          "<tr><td><li><a href=\"info/doc/snip/a.htm\">СНиП beton</a></td></tr>"
                          "<tr><td><li><a href=\"info/doc/snip/b.htm\">b.htm</a></td></tr>"
                          "<tr><td><li><a href=\"info/doc/e.htm\"></a></td></tr>"
                          "</table>"));
    EXPECT_EQ(ctx.Web_Path, folder);
    search.sSpeedButton1Click(QStringLiteral("beton"), CatalogueSearch::Documents);
    EXPECT_EQ(LastBody().toStdString(), std::string("<table></table>"));
}

TEST_F(SearchTest, InfoListsTreePagesAndArticlesOfEveryOrganisation) {
    WriteFile(QStringLiteral("info/stati/k.htm"), QStringLiteral("<title>Кровля</title>кровля"));
    WriteFile(QStringLiteral("pages/krov/index.htm"), QStringLiteral("<title>Наша кровля</title>"));
    WriteFile(QStringLiteral("pages/krov/price.htm"), QStringLiteral("кровля дёшево"));
    WriteFile(QStringLiteral("pages/other/index.htm"), QStringLiteral("окна"));
    db->TreeRow(QStringLiteral("tvINFO"), QStringLiteral("K"), 0, 0, 1, QStringLiteral("info/stati/k.htm"));
    db->Org(1, QStringLiteral("Кровельщик"), {{"page_name_org", "krov"}, {"cd", "n"}});
    db->Org(2, QStringLiteral("Оконщик"), {{"page_name_org", "other"}});
    db->Org(3, QStringLiteral("Хитрец"), {{"page_name_org", "../../"}});
    search.sSpeedButton1Click(QStringLiteral("кровля"), CatalogueSearch::Info);
    EXPECT_EQ(LastBody().toStdString(),
              std::string("<table>"
                          "<tr><td><li><a href=\"<linksearch>info/stati/k.htm\">Кровля</a></td></tr>"
                          "<tr><td><li><a href=\"<stati>pages/krov/index.htm\">Кровельщик</a></td></tr>"
                          "<tr><td><li><a href=\"<stati>pages/krov/price.htm\">Кровельщик</a></td></tr>"
                          "</table>"));
}

TEST_F(SearchTest, SecondSearchIsRefusedWhileOneRuns) {
    for (int i = 0; i < 3; ++i)
        WriteFile(QStringLiteral("info/doc/p%1.htm").arg(i), QStringLiteral("бетон"));
    db->TreeRow(QStringLiteral("tvNormativDOC"), QStringLiteral("P"), 0, 0, 1,
                QStringLiteral("info/doc/p0.htm"));
    db->Org(1, QStringLiteral("Бетонный"));
    std::vector<bool> answers;
    pump = [&] {
        EXPECT_TRUE(search.Running());
        answers.push_back(search.sSpeedButton1Click(QStringLiteral("бетон"), CatalogueSearch::Name));
        answers.push_back(search.SearchForm(QStringLiteral("search_type=1&search_text=%04%11")));
    };
    EXPECT_TRUE(search.sSpeedButton1Click(QStringLiteral("бетон"), CatalogueSearch::Documents));
    EXPECT_EQ(answers, std::vector<bool>(6, false));
    EXPECT_EQ(Pages(), 1);
    EXPECT_FALSE(search.Running());
    pump = [] {};
    EXPECT_TRUE(search.sSpeedButton1Click(QStringLiteral("бетон"), CatalogueSearch::Name));
    EXPECT_EQ(ListedIds(), (QStringList{"1"}));
}

} // namespace
