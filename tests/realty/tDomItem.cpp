#include "RealtyFixture.h"

#include "database/uCodecs.h"
#include "realty/uDomItem.h"

namespace {

class DomItemTest : public RealtyFixture {
protected:
    // The label of every field row of the page, in order.
    static QStringList Labels(const QString& html) {
        QStringList labels;
        const QString open = QStringLiteral("align=\"right\" nowrap><b>");
        for (qsizetype at = html.indexOf(open); at >= 0; at = html.indexOf(open, at + 1)) {
            const qsizetype from = at + open.size();
            labels << html.mid(from, html.indexOf(QStringLiteral("</b>"), from) - from);
        }
        return labels;
    }
};

TEST_F(DomItemTest, OffersInTownAndOutOfTown) {
    AddOffer(1, 72, 5, 4500, QStringLiteral("ул. Кирова"), QStringLiteral("dom1.png"));
    AddOffer(2, 51, 0, 9000, QStringLiteral("пос. Кудряшовский"), QStringLiteral("dom2.png"), 1, 120, 3);
    AddOffer(3, 52, 0, 3000, QStringLiteral("с. Ярково"), QString(), 1, 80, 0);
    AddOffer(4, 72, 5, 4500, QStringLiteral("ул. Кирова"), QStringLiteral("   "));
    const QStringList inTown{"Район",    "Улица",    "Дата",    "Цена",  "Площадь М<sup>2</sup>",
                             "Описание", "Продавец", "Телефон", "E-Mail"};
    const struct {
        const char* id;
        const char* picture; // the opening of the picture cell, or nothing
        QStringList labels;
        const char* value; // one value the page must show
    } cases[] = {
        {"1", "rowspan=\"8\" bgcolor=\"#F8DFD8\"><img src=\"/dom/domimg/dom1.png\"></td></tr>", inTown,
         "<td align=\"lift\">&nbsp;Кировский&nbsp;</td>"},
        {"2", "rowspan=\"10\" bgcolor=\"#F8DFD8\"><img src=\"/dom/domimg/dom2.png\"></td></tr>",
         inTown + QStringList{"Направление", "Площадь участка М<sup>2</sup>"},
         "<b>Направление</b></td><td align=\"lift\">&nbsp;Север (На Колывань)&nbsp;</td></tr><tr "
         "style=\"background-color: #FDEEEB\"><td class=\"pred_typename\" align=\"right\" nowrap><b>Площадь "
         "участка М<sup>2</sup></b></td><td align=\"lift\">&nbsp;1200&nbsp;</td></tr></table>"},
        {"3", nullptr, inTown + QStringList{"Направление", "Площадь участка М<sup>2</sup>"},
         "<b>Направление</b></td><td align=\"lift\">&nbsp;Область&nbsp;</td>"},
        {"4", nullptr, inTown, "<b style=\"color: #AA5555;\">Жилая - Продажа - 2-к</b>&nbsp;</td></tr>"},
    };
    DomItem item(ctx_);
    for (const auto& c : cases) {
        item.ShowDomItem(QString::fromLatin1(c.id));
        const QString page = Shown();
        EXPECT_EQ(Labels(page), c.labels) << c.id;
        EXPECT_EQ(page.count(QStringLiteral("<tr style=")), c.labels.size() + 1) << c.id; // with the type row
        if (c.picture)
            EXPECT_TRUE(page.contains(QString::fromUtf8(c.picture))) << c.id;
        else
            EXPECT_FALSE(page.contains(QStringLiteral("<img src=\"/dom/domimg/"))) << c.id;
        EXPECT_TRUE(page.contains(QString::fromUtf8(c.value))) << c.id;
        EXPECT_TRUE(page.contains(QStringLiteral("<a href=\"mailto:ivan@example.ru\">ivan@example.ru</a>")));
        EXPECT_TRUE(page.contains(QStringLiteral("<form class=\"dom_search\""))) << "shown with the menu";
    }
}

TEST_F(DomItemTest, HiddenMissingAndBrokenOffers) {
    const QString emptyBox = QStringLiteral(
        "<center><table border=\"0\" style=\"background-color: #fec4c4;\" cellpadding=\"3\"><td>"
        "<table border=\"0\" style=\"background-color: #FFF;\" cellpadding=\"0\"><td>"
        "<table border=\"0\" cellpadding=\"3\" width=\"600\">"
        "</table></td></table></td></table></center>");
    AddOffer(1, 72, 5, 4500, QStringLiteral("ул. Кирова"), QString(), 0);
    DomItem item(ctx_);
    for (const char* id : {"1", "99", "1\" or \"1\"=\"1", ""}) {
        item.ShowDomItem(QString::fromLatin1(id));
        EXPECT_TRUE(Shown().contains(emptyBox)) << id;
    }
    Exec(QStringLiteral(
        "INSERT INTO jos_db2_dom_list (id, visibledom, typedom, riondom) VALUES (5, 1, '', 1)"));
    const int writes = int(pane_.writes.size());
    EXPECT_THROW(item.ShowDomItem(QStringLiteral("5")), ConvertError);
    EXPECT_EQ(pane_.writes.size(), writes);
}

} // namespace
