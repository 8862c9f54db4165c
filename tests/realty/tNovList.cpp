#include "RealtyFixture.h"

#include "database/uCodecs.h"
#include "realty/uNovList.h"

#include <QRegularExpression>

namespace {

class NovListTest : public RealtyFixture {
protected:
    void AddProjects(int count, int raion = 1) {
        auto q = DBCrate(db_);
        q->Add(QStringLiteral("BEGIN;"));
        q->ExecSQL();
        for (int id = 1; id <= count; ++id)
            AddProject(id, raion);
        q->Clear();
        q->Add(QStringLiteral("COMMIT;"));
        q->ExecSQL();
    }
    // The project names of the page, in order.
    static QStringList Names(const QString& html) {
        QStringList names;
        static const QRegularExpression name(QStringLiteral("<strong>ЖК «Проект (\\d+)»</strong>"));
        for (auto it = name.globalMatch(html); it.hasNext();)
            names << it.next().captured(1);
        return names;
    }
    // The number row: "*n*" for the marked page, plain numbers for the links.
    static QStringList Numbers(const QString& html) {
        QStringList out;
        static const QRegularExpression number(
            QStringLiteral("&bull;<b>(\\d+)</b>&bull;|spage=\\d+\">(\\d+)</a>]"));
        const QString row = html.mid(html.indexOf(QStringLiteral("<center><TABLE><TR><TD>")));
        for (auto it = number.globalMatch(row); it.hasNext();) {
            const auto m = it.next();
            out << (m.captured(1).isEmpty() ? m.captured(2)
                                            : QLatin1Char('*') + m.captured(1) + QLatin1Char('*'));
        }
        return out;
    }
};

TEST_F(NovListTest, PagesAndNumbers) {
    AddProjects(25);
    NovList nov(ctx_);
    nov.ShowNovList(QString(), QString());
    QString page = Shown();
    EXPECT_EQ(Names(page).size(), 10);
    EXPECT_EQ(Names(page).first(), QStringLiteral("25"));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<center><TABLE><TR><TD> &bull;<b>1</b>&bull; [<a "
        "href=\"?&option=nov&typered=nov&sri=&spage=2\">2</a>]"
        " [<a href=\"?&option=nov&typered=nov&sri=&spage=3\">3</a>]</TD></TR></TABLE></center>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<form class=\"dom_search\""))) << "no real-estate menu";

    nov.ShowNovList(QString(), QStringLiteral("3"));
    EXPECT_EQ(Names(Shown()), (QStringList{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(Numbers(Shown()), (QStringList{"1", "2", "*3*"}));

    Exec(QStringLiteral("DELETE FROM tNovdomlist"));
    AddProjects(200);
    nov.ShowNovList(QStringLiteral("   "), QStringLiteral("8"));
    EXPECT_EQ(Names(Shown()).first(), QStringLiteral("130"));
    EXPECT_EQ(Numbers(Shown()), (QStringList{"3", "4", "5", "6", "7", "*8*", "9", "10", "11", "12"}));
}

TEST_F(NovListTest, DistrictsAndSinglePage) {
    AddProject(1, 3);
    AddProject(2, 0); // no district: never listed
    AddProject(3, 5);
    AddProject(4, 3);
    NovList nov(ctx_);
    nov.ShowNovList(QString(), QStringLiteral("1"));
    EXPECT_EQ(Names(Shown()), (QStringList{"4", "3", "1"}));
    EXPECT_EQ(Numbers(Shown()), QStringList{"*1*"});
    nov.ShowNovList(QStringLiteral("3"), QString());
    EXPECT_EQ(Names(Shown()), (QStringList{"4", "1"}));
    nov.ShowNovList(QStringLiteral("3\" or \"1\"=\"1"), QString());
    EXPECT_TRUE(Names(Shown()).isEmpty());
    EXPECT_TRUE(Shown().contains(QStringLiteral("<center><TABLE><TR><TD></TD></TR></TABLE></center>")));
    EXPECT_THROW(nov.ShowNovList(QString(), QStringLiteral("x")), ConvertError);
}

TEST_F(NovListTest, ProjectBlock) {
    WriteFile(QStringLiteral("prices/nov1.png"), QStringLiteral("png"));
    AddProject(1, 3, QStringLiteral("nov1.png"), QStringLiteral("ул. Фрунзе, 1"),
               QStringLiteral("info@p1.ru"));
    AddProject(2, 3, QStringLiteral("missing.png"));
    NovList nov(ctx_);
    nov.ShowNovList(QStringLiteral("3"), QStringLiteral("1"));
    const QString page = Shown();
    EXPECT_TRUE(page.contains(
        QStringLiteral("<strong>ЖК «Проект 1»</strong></font><br><img src=\"") + folder_ +
        QStringLiteral("prices\\nov1.png\"><br><a href=\"<price>http://www.p1.ru\">www.p1.ru</a></TD>")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("<strong>ЖК «Проект 2»</strong></font><br><a href=\"<price>http://www.p2.ru\">")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD>ООО «Строй»<br><b>Адрес:</b> ул. Фрунзе, 1</TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<b>тел.:</b> (383) 200-00-00<br><b>Email:</b> <a "
                                             "href=\"mailto:info@p1.ru\">info@p1.ru</a></TD>")));
    EXPECT_EQ(page.count(QStringLiteral("<b>Адрес:</b>")), 1);
    EXPECT_EQ(page.count(QStringLiteral("<b>Email:</b>")), 1);
    EXPECT_EQ(page.count(QStringLiteral("<TR style=")), 12);
    EXPECT_TRUE(page.contains(QStringLiteral("Тип здания</TD><TD>Монолит</TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Дата сдачи:</TD><TD>2026</TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD colspan=2>Описание</TD>")));
}

} // namespace
