#include "Synthetic.h"

#include <QByteArray>
#include <QList>
#include <random>
#include <vector>

#include "Schema.h"
#include "SqlWriter.h"
#include "TreeRows.h"

namespace {

class Rng {
public:
    explicit Rng(unsigned seed) : engine_(seed) {}
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(engine_() % static_cast<unsigned>(n)); }

private:
    std::mt19937 engine_;
};

QList<QByteArray> Utf8(std::initializer_list<const char*> texts) {
    QList<QByteArray> out;
    for (const char* t : texts)
        out << QByteArray(t);
    return out;
}

void WriteTrees(sqlite3* db, const SyntheticSizes& s) {
    std::vector<TreeNode> catalogue;
    for (int l = 1; l <= s.localities; ++l) {
        TreeNode locality{QStringLiteral("Город %1").arg(l), QString(), 0, l, {}};
        for (int k = 1; k <= s.sections; ++k)
            locality.children.push_back(
                {QStringLiteral("Раздел %1").arg(100 + k), QString(), 1, 100 + k, {}});
        catalogue.push_back(std::move(locality));
    }
    WriteTree(db, QStringLiteral("tvCatalogORG"), FlattenTree(catalogue));

    const auto pages = [&](const QString& folder, const QString& word) {
        std::vector<TreeNode> top;
        int stat = 0;
        for (int d = 0; d < s.docs; ++d) {
            if (d % 20 == 0)
                top.push_back(
                    {QStringLiteral("%1 — группа %2").arg(word).arg(d / 20 + 1), QString(), 0, ++stat, {}});
            top.back().children.push_back(
                {QStringLiteral("%1 № %2 о бетоне, кирпиче и кровле").arg(word).arg(d + 1),
                 QStringLiteral("info\\%1\\p%2.htm").arg(folder).arg(d + 1),
                 0,
                 ++stat,
                 {}});
        }
        return top;
    };
    WriteTree(db, QStringLiteral("tvNormativDOC"),
              FlattenTree(pages(QStringLiteral("doc"), QStringLiteral("Документ"))));
    WriteTree(db, QStringLiteral("tvINFO"),
              FlattenTree(pages(QStringLiteral("stati"), QStringLiteral("Статья"))));
    const std::vector<TreeNode> few{
        {QStringLiteral("Раздел"),
         QString(),
         0,
         1,
         {{QStringLiteral("Страница"), QStringLiteral("info\\p.htm"), 0, 2, {}}}}};
    WriteTree(db, QStringLiteral("tvFair"), FlattenTree(few));
    WriteTree(db, QStringLiteral("tvStrRINOK"), FlattenTree(few));
}

void WriteOrganizations(sqlite3* db, const SyntheticSizes& s, Rng& rng) {
    RowInserter orgs(db, QStringLiteral("organizations"), schema::Columns(QStringLiteral("organizations")));
    RowInserter links(db, QStringLiteral("orginrazd"), {QStringLiteral("id_razd"), QStringLiteral("id_org")});
    const QList<QByteArray> goods =
        Utf8({"бетон товарный, раствор, плиты перекрытия", "кирпич облицовочный, газобетон",
              "металлочерепица, профнастил, водостоки", "утеплитель, пароизоляция",
              "окна ПВХ, двери металлические", "ремонт квартир, отделка офисов"});
    const QByteArray y("y"), n("n"), empty;
    const int sections = qMax(1, s.sections);
    for (int i = 0; i < s.orgs; ++i) {
        const int id = i + 1;
        const int first = 101 + rng.Below(sections);
        const bool two = sections > 1 && rng.Below(10) == 0;
        const int second = 101 + (first - 101 + 1) % sections;
        const QByteArray name = QStringLiteral("ООО «Фирма %1»").arg(id).toUtf8();
        const QByteArray shortName = QStringLiteral("Фирма %1").arg(id).toUtf8();
        const QByteArray razdel =
            two ? QByteArray::number(first) + '|' + QByteArray::number(second) : QByteArray::number(first);
        const QByteArray phone =
            "(383) 2" + QByteArray::number(10 + id % 90) + "-" + QByteArray::number(10 + id % 89);
        const QByteArray address = QStringLiteral("ул. Ленина, %1").arg(id).toUtf8();
        const QByteArray mail = "info@firma" + QByteArray::number(id) + ".ru";
        const bool banner = rng.Below(20) == 0;
        const QByteArray banerName = banner ? "ban" + QByteArray::number(id) : empty;
        const QByteArray page = rng.Below(10) == 0 ? "firma" + QByteArray::number(id) : empty;
        int c = 0;
        orgs.BindInt(++c, id);
        orgs.BindUtf8(++c, name);
        orgs.BindUtf8(++c, shortName);
        orgs.BindUtf8(++c, address);
        orgs.BindUtf8(++c, phone);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, mail);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, goods.at(id % goods.size()));
        orgs.BindInt(++c, 1 + rng.Below(qMax(1, s.localities)));
        orgs.BindUtf8(++c, razdel);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, empty);
        orgs.BindUtf8(++c, page);
        orgs.BindUtf8(++c, banner ? y : empty);
        orgs.BindUtf8(++c, banerName);
        orgs.BindUtf8(++c, rng.Below(25) == 0 ? n : y);
        orgs.BindInt(++c, 20240101 + id % 28);
        orgs.Step();
        links.BindInt(1, first);
        links.BindInt(2, id);
        links.Step();
        if (two) {
            links.BindInt(1, second);
            links.BindInt(2, id);
            links.Step();
        }
    }
}

void WriteOffers(sqlite3* db, const SyntheticSizes& s, Rng& rng) {
    static const int ranges[][2] = {{11, 18},   {21, 28},   {31, 39},   {41, 43},   {51, 53},   {61, 63},
                                    {71, 76},   {81, 86},   {111, 118}, {121, 128}, {131, 132}, {141, 142},
                                    {151, 153}, {161, 163}, {171, 176}, {181, 186}};
    std::vector<int> codes;
    for (const auto& r : ranges) {
        for (int c = r[0]; c <= r[1]; ++c)
            codes.push_back(c);
    }
    RowInserter offers(db, QStringLiteral("jos_db2_dom_list"),
                       schema::Columns(QStringLiteral("jos_db2_dom_list")));
    const QList<QByteArray> streets =
        Utf8({"ул. Ленина", "ул. Кирова", "Красный проспект", "ул. Титова", "ул. Фрунзе", "ул. Петухова",
              "Морской проспект", "ул. Никитина"});
    const QList<QByteArray> dates =
        Utf8({"14.03.2025", "13.03.2025", "12.03.2025", "11.03.2025", "10.03.2025"});
    const QByteArray comment("Квартира в кирпичном доме, косметический ремонт."), seller("Собственник"),
        phone("8-913-000-00-00"), empty, pic("dom.png");
    for (int i = 0; i < s.offers; ++i) {
        const int district = i % 11;
        int c = 0;
        offers.BindInt(++c, i + 1);
        offers.BindInt(++c, rng.Below(20) == 0 ? 0 : 1);
        offers.BindInt(++c, codes[static_cast<size_t>(i) % codes.size()]);
        offers.BindInt(++c, district);
        offers.BindInt(++c, district == 0 ? 1 + i % 6 : 0);
        offers.BindInt(++c, 10 + rng.Below(20000));
        offers.BindDouble(++c, 20 + rng.Below(2000) / 10.0);
        offers.BindDouble(++c, district == 0 ? 600 + rng.Below(1400) : 0);
        offers.BindUtf8(++c, dates.at(i % dates.size()));
        offers.BindUtf8(++c, i % 4 == 0 ? pic : empty);
        offers.BindUtf8(++c, streets.at(rng.Below(static_cast<int>(streets.size()))));
        offers.BindUtf8(++c, comment);
        offers.BindUtf8(++c, seller);
        offers.BindUtf8(++c, phone);
        offers.BindUtf8(++c, empty);
        offers.Step();
    }
}

void WriteProjects(sqlite3* db, const SyntheticSizes& s) {
    RowInserter projects(db, QStringLiteral("tNovdomlist"), schema::Columns(QStringLiteral("tNovdomlist")));
    const QByteArray type("Монолитно-кирпичный, 16 этажей"), date("IV квартал 2026 г."),
        info("Квартиры с отделкой, закрытый двор, подземный паркинг."), developer("ООО «Застройщик»"),
        phone("(383) 200-00-00"), empty;
    for (int i = 0; i < s.projects; ++i) {
        const QByteArray name = QStringLiteral("ЖК «Проект %1»").arg(i + 1).toUtf8();
        const QByteArray url = "www.project" + QByteArray::number(i + 1) + ".ru";
        const QByteArray address = QStringLiteral("г. Новосибирск, ул. Ленина, %1").arg(i + 1).toUtf8();
        int c = 0;
        projects.BindInt(++c, i + 1);
        projects.BindInt(++c, i % 11);
        projects.BindUtf8(++c, name);
        projects.BindUtf8(++c, empty);
        projects.BindUtf8(++c, url);
        projects.BindUtf8(++c, type);
        projects.BindUtf8(++c, address);
        projects.BindUtf8(++c, date);
        projects.BindUtf8(++c, info);
        projects.BindUtf8(++c, developer);
        projects.BindUtf8(++c, empty);
        projects.BindUtf8(++c, phone);
        projects.BindUtf8(++c, empty);
        projects.Step();
    }
}

void WriteContent(sqlite3* db) {
    RowInserter content(db, QStringLiteral("jos_db2_content"),
                        schema::Columns(QStringLiteral("jos_db2_content")));
    for (int i = 1; i <= 10; ++i) {
        content.Insert(
            {i, QStringLiteral("Статья %1").arg(i), QStringLiteral("<p>Вступление статьи %1.</p>").arg(i),
             QStringLiteral("<p style=\"margin-left: 10px; color: #333\">Текст статьи %1.</p>").arg(i)});
    }
}

} // namespace

void MakeSyntheticDb(const QString& path, const SyntheticSizes& sizes) {
    DbFileBuild build(path);
    Rng rng(sizes.seed);
    schema::CreateTables(build.Handle());
    WriteTrees(build.Handle(), sizes);
    WriteOrganizations(build.Handle(), sizes, rng);
    WriteOffers(build.Handle(), sizes, rng);
    WriteProjects(build.Handle(), sizes);
    WriteContent(build.Handle());
    schema::CreateIndexes(build.Handle());
    build.Commit();
}
