#include "RealtyFixture.h"

#include "database/uCodecs.h"
#include "realty/uDomList.h"

#include <QRegularExpression>

namespace {

// The numbers of a page-number row in order, the bold one as "[n]".
QStringList Numbers(const QString& html) {
    QStringList out;
    static const QRegularExpression number(QStringLiteral("numericpagesb\">\\[(\\d+)\\]</b>|>(\\d+)</a>"));
    for (auto it = number.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out << (m.captured(1).isEmpty() ? m.captured(2)
                                        : QLatin1Char('[') + m.captured(1) + QLatin1Char(']'));
    }
    return out;
}

QStringList Range(int from, int to, int bold) {
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << (n == bold ? QStringLiteral("[%1]").arg(n) : QString::number(n));
    return out;
}

TEST(DomListParts, PageNumbers) {
    EXPECT_EQ(
        domlist::PageNumbers(0, 20, 45, QString(), QString()),
        QStringLiteral("<center><b class=\"numericpagesb\">[1]</b> "
                       "[<a href=\"?PageNextDomList=1&SortDom=\" class=\"numericpages\">2</a>] "
                       "[<a href=\"?PageNextDomList=2&SortDom=\" class=\"numericpages\">3</a>] </center>"));
    EXPECT_EQ(domlist::PageNumbers(0, 20, 20, QString(), QString()), QString());
    EXPECT_EQ(domlist::PageNumbers(0, 20, 0, QString(), QString()), QString());
    EXPECT_EQ(domlist::PageNumbers(0, 0, 500, QString(), QString()), QString());
    EXPECT_EQ(Numbers(domlist::PageNumbers(9, 20, 600, QString(), QString())), Range(5, 14, 10));
    EXPECT_EQ(Numbers(domlist::PageNumbers(2, 20, 600, QString(), QString())), Range(1, 10, 3));
    EXPECT_EQ(Numbers(domlist::PageNumbers(29, 20, 600, QString(), QString())), Range(25, 30, 30));
    // The category and the sort key (unchanged, not lowered) travel in every link.
    const QString category =
        domlist::PageNumbers(1, 20, 45, QStringLiteral("72"), QStringLiteral("PriceDown"));
    EXPECT_TRUE(category.contains(QStringLiteral(
        "[<a href=\"?PageNextDomList=0&MenuDomID=72&SortDom=PriceDown\" class=\"numericpages\">1</a>]")));
    EXPECT_EQ(category.count(QStringLiteral("&MenuDomID=72&SortDom=PriceDown")), 2);
}

TEST(DomListParts, SortToggles) {
    const struct {
        const char* key;
        const char* raion;
        const char* price;
        const char* area;
        const char* order;
    } cases[] = {
        {"", "RaionDown", "PriceDown", "SDown", " ORDER BY id DESC"},
        {"PriceDown", "RaionDown", "PriceUP", "SDown", " ORDER BY price DESC "},
        {"priceup", "RaionDown", "PriceDown", "SDown", " ORDER BY price ASC "},
        {"SDown", "RaionDown", "PriceDown", "SUP", " ORDER BY plohaddom DESC "},
        {"SUP", "RaionDown", "PriceDown", "SDown", " ORDER BY plohaddom ASC "},
        {"RaionDown", "RaionUP", "PriceDown", "SDown", " ORDER BY riondom DESC "},
        {"raionup", "RaionDown", "PriceDown", "SDown", " ORDER BY riondom ASC "},
        {"bogus", "RaionDown", "PriceDown", "SDown", " ORDER BY id DESC"},
    };
    for (const auto& c : cases) {
        const QString header = domlist::Header(3, QString(), QString::fromLatin1(c.key));
        const QString link = QStringLiteral("<a href=\"?PageNextDomList=3&SortDom=");
        EXPECT_TRUE(header.contains(link + QLatin1String(c.raion) + QStringLiteral("\">Район</a>"))) << c.key;
        EXPECT_TRUE(header.contains(link + QLatin1String(c.price) + QStringLiteral("\">Цена</a>"))) << c.key;
        EXPECT_TRUE(header.contains(link + QLatin1String(c.area) + QStringLiteral("\">S М<sup>2</sup></a>")))
            << c.key;
        EXPECT_EQ(domlist::OrderBy(QString::fromLatin1(c.key), QStringLiteral("id DESC")),
                  QLatin1String(c.order));
    }
    EXPECT_EQ(domlist::OrderBy(QString(), QString()), QString());
    EXPECT_TRUE(domlist::Header(0, QStringLiteral("nov"), QString())
                    .contains(QStringLiteral("?PageNextDomList=0&MenuDomID=nov&SortDom=PriceDown")));
}

TEST(DomListParts, SearchConditions) {
    const QString head = QStringLiteral("(visibledom=1) ");
    const struct {
        const char* body;
        const char* where;
        QVariantList params;
    } cases[] = {
        // No kind chosen, not for sale: new buildings for rent.
        {"", " and (typedom > 40 and typedom < 50) ", {}},
        {"fn_rion=0&fn_dom=1&fn_type=1", "", {}},
        {"fn_rion=3&fn_dom=2&fn_type=1&fn_k1=1&fn_k2=1",
         " and (riondom=?) and (typedom=71 or typedom=72) ",
         {QStringLiteral("3")}},
        {"fn_dom=2&fn_type=2&fn_k3=1&fn_k5=1", " and (typedom=83 or typedom=85) ", {}},
        // Residential without a ticked box: codes 71 to 79, for rent as well.
        {"fn_dom=2&fn_type=2", " and (typedom > 70 and typedom < 80) ", {}},
        {"fn_dom=3&fn_type=1", " and (typedom > 10 and typedom < 20) ", {}},
        {"fn_dom=3&fn_type=2", " and (typedom > 20 and typedom < 30) ", {}},
        {"fn_dom=1&fn_type=1&fn_k1=1&fn_k5=1", " and (typedom=34 or typedom=38) ", {}},
        {"fn_dom=1&fn_type=2&fn_k1=1", " and (typedom > 40 and typedom < 50) ", {}},
        {"fn_type=2", " and (typedom > 40 and typedom < 50) ", {}},
        {"fn_dom=1&fn_type=1&fn_k2=0", "", {}},
        // Street: two characters are ignored, three applied; UTF-8 escapes decoded, "+" kept.
        {"fn_type=1&fn_ulica=ab", "", {}},
        {"fn_type=1&fn_ulica=abc", " and (sulica LIKE ?)", {QStringLiteral("%abc%")}},
        {"fn_type=1&fn_ulica=%D0%9B%D0%B5%D0%BD", " and (sulica LIKE ?)", {QStringLiteral("%Лен%")}},
        {"fn_type=1&fn_ulica=a+b", " and (sulica LIKE ?)", {QStringLiteral("%a+b%")}},
        // Price: a bound of 99 or less only together with one above 99.
        {"fn_type=1&fn_pot=50&fn_pdo=", "", {}},
        {"fn_type=1&fn_pot=50&fn_pdo=200", " and (price >= ? and price <= ?) ", {50, 200}},
        {"fn_type=1&fn_pot=150", " and (price >= ?) ", {150}},
        {"fn_type=1&fn_pdo=300", " and (price <= ?) ", {300}},
        {"fn_type=1&fn_pot=x&fn_pdo=300", " and (price <= ?) ", {300}},
        {"fn_type=1&fn_pot=-5&fn_pdo=100", " and (price <= ?) ", {100}},
    };
    for (const auto& c : cases) {
        const DomCondition got = domlist::SearchCondition(QString::fromUtf8(c.body));
        EXPECT_EQ(got.where, head + QString::fromUtf8(c.where)) << c.body;
        EXPECT_EQ(got.params, c.params) << c.body;
    }
}

class DomListTest : public RealtyFixture {
protected:
    // Row links of a page, in order.
    static QStringList Ids(const QString& html) {
        QStringList ids;
        static const QRegularExpression link(QStringLiteral("\\?ItemDomID=(\\d+)\""));
        for (auto it = link.globalMatch(html); it.hasNext();)
            ids << it.next().captured(1);
        return ids;
    }
    static QStringList IdRange(int from, int to) {
        QStringList ids;
        for (int id = from; from <= to ? id <= to : id >= to; id += from <= to ? 1 : -1)
            ids << QString::number(id);
        return ids;
    }
};

TEST_F(DomListTest, FirstPageOfTheGeneralListing) {
    for (int id = 1; id <= 45; ++id)
        AddOffer(id, 34, 5, 1000 + id);
    AddOffer(46, 72, 5, 100);            // residential: not in the general listing
    AddOffer(47, 34, 5, 100, {}, {}, 0); // hidden
    DomList(ctx_).ShowFirstPage();
    ASSERT_EQ(pane_.writes.size(), 1);
    const QString page = Shown();
    EXPECT_EQ(Ids(page), IdRange(45, 26));
    EXPECT_EQ(Numbers(page), (QStringList{"[1]", "2", "3"}));
    EXPECT_TRUE(page.contains(QStringLiteral("?PageNextDomList=2&SortDom=\" class=\"numericpages\">3</a>")));
    // Framed by the section's frame with its menu and the listing template.
    EXPECT_TRUE(page.contains(QStringLiteral("<form class=\"dom_search\" action=\"<search_dom>\"")));
    EXPECT_TRUE(page.contains(QStringLiteral("Предложения недвижимости")));
    EXPECT_FALSE(page.contains(QStringLiteral("<inform_data>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<oher_text>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"") + folder_ +
                              QStringLiteral("info/dom/dom.css\">")));
}

TEST_F(DomListTest, RowsShowCaptionsPictureAndStreet) {
    AddOffer(1, 34, 5, 2500, QStringLiteral("ул. Титова"), QStringLiteral("dom1.png"), 1, 54.5);
    AddOffer(2, 17, 0, 900, QStringLiteral("Бердское шоссе"), QStringLiteral("   "));
    DomList(ctx_).ShowGeneral(QStringLiteral("0"), QString());
    const QString page = Shown();
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<tr><td class=\"pred_text\" align=\"center\" nowrap>&nbsp;12.03.2025&nbsp;</td>"
        "<td class=\"pred_text\" align=\"center\" style=\"color: #883333;\">&nbsp;Новостройки - Продажа - "
        "Квартиры "
        "1-к&nbsp;</td><td class=\"pred_text\" align=\"center\">&nbsp;Кир&nbsp;</td>"
        "<td class=\"pred_text\" align=\"right\">&nbsp;2500&nbsp;</td><td class=\"pred_text\" "
        "align=\"right\">&nbsp;54.5&nbsp;</td><td class=\"pred_text\" align=\"center\">Фото</td>"
        "<td class=\"pred_text\" align=\"center\">&nbsp;ул. Титова&nbsp;</td>"
        "<td class=\"pred_text\" align=\"center\">&nbsp;<a href=\"?ItemDomID=1\"> >>> "
        "</a>&nbsp;</td></tr>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Коммерческая - Продажа - Производственые&nbsp;</td><td "
                                             "class=\"pred_text\" align=\"center\">&nbsp;Обл.&nbsp;</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("&nbsp;50&nbsp;</td><td class=\"pred_text\" "
                                             "align=\"center\">&nbsp;</td><td class=\"pred_text\" "
                                             "align=\"center\">&nbsp;Бердское шоссе")));
    // Everything fits on one page: no numbers.
    EXPECT_FALSE(page.contains(QStringLiteral("numericpages")));
}

TEST_F(DomListTest, PagesAndSortingAgainstTheDatabase) {
    for (int id = 1; id <= 30; ++id)
        AddOffer(id, 11, 1 + id % 10, id % 2 ? 90 * id : 150, QStringLiteral("ул. Ленина"), {}, 1, 100 - id);
    // A price inserted as quoted text still sorts as a number.
    Exec(QStringLiteral("INSERT INTO jos_db2_dom_list (id, visibledom, typedom, riondom, price) VALUES "
                        "(31, 1, 11, 1, '95')"));
    DomList list(ctx_);
    list.ShowGeneral(QStringLiteral("1"), QStringLiteral("PriceUP"));
    QString page = Shown();
    EXPECT_EQ(Ids(page).size(), 11);
    EXPECT_EQ(Numbers(page), (QStringList{"1", "[2]"}));
    EXPECT_TRUE(page.contains(QStringLiteral("?PageNextDomList=1&SortDom=PriceDown\">Цена</a>")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("?PageNextDomList=0&SortDom=PriceUP\" class=\"numericpages\">1</a>")));

    list.ShowGeneral(QStringLiteral("0"), QStringLiteral("pricedown"));
    const QStringList ids = Ids(Shown());
    ASSERT_EQ(ids.size(), 20);
    EXPECT_EQ(ids.first(), QStringLiteral("29")); // 90 * 29
    EXPECT_TRUE(Shown().contains(QStringLiteral("&SortDom=PriceUP\">Цена</a>")));

    list.ShowGeneral(QStringLiteral("0"), QStringLiteral("priceup"));
    EXPECT_EQ(Ids(Shown()).mid(0, 2), (QStringList{"1", "31"})); // 90, then the quoted 95
}

TEST_F(DomListTest, PageByPageInTheOrderOfOneLongPage) {
    // The shipped database's indexes, so that a sorted page may walk one of them; many offers tie.
    Exec(QStringLiteral("CREATE INDEX dom_list_visible_type ON jos_db2_dom_list (visibledom, typedom, id);"
                        "CREATE INDEX dom_list_price ON jos_db2_dom_list (price);"
                        "CREATE INDEX dom_list_area ON jos_db2_dom_list (plohaddom);"
                        "CREATE INDEX dom_list_district ON jos_db2_dom_list (riondom);"));
    for (int id = 1; id <= 45; ++id)
        AddOffer(id, 31 + id % 5, id % 3, 100 * (id % 4), QStringLiteral("ул. Ленина"), {}, 1, id % 2);
    DomList list(ctx_);
    for (const char* key : {"RaionDown", "raionup", "PriceDown", "priceup", "SDown", "sup", ""}) {
        DomListRequest whole;
        whole.condition = domlist::GeneralCondition();
        whole.sortKey = QString::fromLatin1(key);
        whole.pageSize = 60;
        const QStringList all = Ids(list.Compose(whole));
        ASSERT_EQ(all.size(), 45) << key;
        QStringList paged;
        for (int page = 0; page < 3; ++page) {
            list.ShowGeneral(QString::number(page), QString::fromLatin1(key));
            paged += Ids(Shown());
        }
        EXPECT_EQ(paged, all) << key;
    }
}

TEST_F(DomListTest, CategoryListing) {
    for (int id = 1; id <= 25; ++id)
        AddOffer(id, 72, 5, 1000);
    for (int id = 26; id <= 30; ++id)
        AddOffer(id, 73, 5, 1000);
    DomList list(ctx_);
    list.ShowCategory(QString(), QStringLiteral("72"), QString());
    QString page = Shown();
    EXPECT_EQ(Ids(page), IdRange(25, 6));
    EXPECT_EQ(page.count(QStringLiteral("&MenuDomID=72&SortDom=")), 4); // three headers, one page link
    EXPECT_EQ(page.count(QStringLiteral("?PageNextDomList=0&MenuDomID=72&SortDom=")), 3);
    EXPECT_TRUE(page.contains(QStringLiteral("?PageNextDomList=1&MenuDomID=72&SortDom=\" class")));

    list.ShowCategory(QStringLiteral("1"), QStringLiteral("nov"), QString());
    EXPECT_EQ(Ids(Shown()), IdRange(10, 1));
    list.ShowCategory(QStringLiteral("1"), QStringLiteral("nov"), QStringLiteral("RaionDown"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("?PageNextDomList=1&MenuDomID=nov&SortDom=RaionUP\">Район")));

    // A category value that is no number matches nothing and breaks no statement.
    list.ShowCategory(QStringLiteral("0"), QStringLiteral("72\" or 1=1 --"), QString());
    EXPECT_TRUE(Ids(Shown()).isEmpty());
}

TEST_F(DomListTest, SearchFormFilters) {
    AddOffer(1, 71, 3, 3000, QStringLiteral("ул. Д'Артаньяна, 5"));
    AddOffer(2, 72, 3, 4000, QStringLiteral("ул. Ленина"));
    AddOffer(3, 73, 3, 5000, QStringLiteral("ул. Ленина"));
    AddOffer(4, 71, 4, 3000, QStringLiteral("ул. Ленина"));
    AddOffer(5, 81, 3, 30, QStringLiteral("ул. Ленина"));
    AddOffer(6, 12, 3, 8000, QStringLiteral("Красный проспект"));
    AddOffer(7, 35, 3, 6000, QStringLiteral("ул. Ленина"));
    AddOffer(8, 42, 9, 40, QStringLiteral("ул. Ленина"));
    AddOffer(9, 171, 3, 3000, QStringLiteral("ул. Ленина"));
    DomList list(ctx_);
    const struct {
        const char* body;
        QStringList ids;
    } cases[] = {
        {"fn_rion=3&fn_dom=2&fn_type=1&fn_k1=1&fn_k2=1&fn_ulica=&fn_pot=&fn_pdo=", {"2", "1"}},
        {"fn_rion=0&fn_dom=2&fn_type=1", {"4", "3", "2", "1"}},
        {"fn_rion=0&fn_dom=2&fn_type=2", {"4", "3", "2", "1"}},
        {"fn_rion=3&fn_dom=2&fn_type=2&fn_k1=1", {"5"}},
        {"fn_rion=0&fn_dom=3&fn_type=1", {"6"}},
        {"fn_rion=0&fn_dom=1&fn_type=1&fn_k2=1", {"7"}},
        {"fn_rion=0&fn_dom=1&fn_type=2", {"8"}},
        {"fn_rion=0&fn_dom=2&fn_type=1&fn_ulica=%D0%9B%D0%B5%D0%BD%D0%B8", {"4", "3", "2"}},
        {"fn_rion=0&fn_dom=2&fn_type=1&fn_pot=3500&fn_pdo=4500", {"2"}},
        {"fn_rion=0&fn_dom=2&fn_type=1&fn_pot=50&fn_pdo=3000", {"4", "1"}},
        // A street holding a quote is a value like any other.
        {"fn_dom=2&fn_type=1&fn_ulica=%D0%94'%D0%90%D1%80", {"1"}},
        {"fn_dom=2&fn_type=1&fn_ulica=%22%27%29%3B%20--", {}},
    };
    for (const auto& c : cases) {
        list.ShowSearch(QString::fromUtf8(c.body));
        EXPECT_EQ(Ids(Shown()), c.ids) << c.body;
        EXPECT_FALSE(Shown().contains(QStringLiteral("numericpages"))) << c.body;
    }
    // The header links of a result carry no filter.
    EXPECT_TRUE(Shown().contains(QStringLiteral("?PageNextDomList=0&SortDom=PriceDown\">Цена</a>")));
}

TEST_F(DomListTest, BadPageNumberStopsThePage) {
    AddOffer(1, 34, 5, 1000);
    DomList list(ctx_);
    EXPECT_THROW(list.ShowGeneral(QStringLiteral("x"), QString()), ConvertError);
    EXPECT_THROW(list.ShowGeneral(QString(), QString()), ConvertError);
    EXPECT_TRUE(pane_.writes.isEmpty());
    // A row whose type is no number stops the page as well.
    Exec(QStringLiteral(
        "INSERT INTO jos_db2_dom_list (id, visibledom, typedom, riondom) VALUES (2, 1, 'x', 1)"));
    EXPECT_THROW(list.ShowCategory(QString(), QStringLiteral("nov"), QString()), ConvertError);
    EXPECT_TRUE(pane_.writes.isEmpty());
}

} // namespace
