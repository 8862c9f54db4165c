#include "SampleDb.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QVariantMap>
#include <functional>
#include <random>

#include "Pictures.h"
#include "SampleSources.h"
#include "Schema.h"
#include "SqlWriter.h"
#include "TreeRows.h"
#include "shell/uCodePage.h"

namespace {

// Deterministic choices: the same sources always give the same database.
class Rng {
public:
    explicit Rng(quint32 seed) : engine_(seed) {}
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(engine_() % static_cast<quint32>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    const QString& Pick(const QStringList& list) { return list.at(Below(static_cast<int>(list.size()))); }

private:
    std::mt19937 engine_;
};

class Words {
public:
    Words(QMap<QString, QStringList> lists, QString path)
        : lists_(std::move(lists)), path_(std::move(path)) {}
    const QStringList& operator[](const QString& name) const {
        const auto it = lists_.constFind(name);
        if (it == lists_.constEnd() || it->isEmpty())
            throw SourceError((path_ + QStringLiteral(": the list [") + name + QStringLiteral("] is missing"))
                                  .toStdString());
        return *it;
    }

private:
    QMap<QString, QStringList> lists_;
    QString path_;
};

QString Translit(const QString& text) {
    static const QMap<QChar, QString> table = [] {
        const QString from = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        const QStringList to{"a", "b",  "v",  "g",  "d",   "e", "e", "zh", "z", "i",  "y",
                             "k", "l",  "m",  "n",  "o",   "p", "r", "s",  "t", "u",  "f",
                             "h", "ts", "ch", "sh", "sch", "",  "y", "",   "e", "yu", "ya"};
        QMap<QChar, QString> m;
        for (int i = 0; i < from.size(); ++i)
            m.insert(from[i], to[i]);
        return m;
    }();
    QString out;
    for (const QChar c : text.toLower()) {
        if (table.contains(c))
            out += table.value(c);
        else if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit())
            out += c;
        else if (c == QLatin1Char(' ') || c == QLatin1Char('-'))
            out += QLatin1Char('-');
    }
    while (out.contains(QStringLiteral("--")))
        out.replace(QStringLiteral("--"), QStringLiteral("-"));
    while (out.endsWith(QLatin1Char('-')))
        out.chop(1);
    return out;
}

QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// Files the rows name; each is made only when the hand-made folder does not hold it.
struct FileJob {
    QString relative; // with '/'
    std::function<bool(const QString& path)> make;
    bool picture = true;
};

bool WriteCp1251(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(cp1251::Encode(text)) >= 0;
}

// A row of a table from column -> value; columns the table lacks are refused.
QVariantList RowOf(const QString& table, const QVariantMap& values, const QString& origin) {
    const QStringList columns = schema::Columns(table);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (!columns.contains(it.key()))
            throw SourceError(
                (origin + QStringLiteral(": ") + table + QStringLiteral(" has no column ") + it.key())
                    .toStdString());
    }
    QVariantList row;
    for (const QString& c : columns)
        row << values.value(c, QString());
    return row;
}

QVariantMap MapOf(const Record& record) {
    QVariantMap map;
    for (const auto& field : record)
        map.insert(field.first, field.second);
    return map;
}

QString Phone(Rng& rng, const Locality& locality) {
    if (locality.phoneCode.size() > 6) // a five-digit town code leaves five digits
        return QStringLiteral("%1 %2-%3-%4")
            .arg(locality.phoneCode)
            .arg(rng.Between(2, 6))
            .arg(rng.Between(10, 99))
            .arg(rng.Between(10, 99));
    return QStringLiteral("%1 %2-%3-%4")
        .arg(locality.phoneCode)
        .arg(rng.Between(200, 399))
        .arg(rng.Between(10, 99))
        .arg(rng.Between(10, 99));
}

QString Mobile(Rng& rng) {
    return QStringLiteral("8-9%1-%2-%3-%4")
        .arg(rng.Between(13, 61))
        .arg(rng.Between(100, 999))
        .arg(rng.Between(10, 99))
        .arg(rng.Between(10, 99));
}

class SampleBuilder {
public:
    SampleBuilder(const QString& sourceDir, const QString& distDir, const QString& folderDir)
        : source_(sourceDir + QLatin1Char('/')), dist_(distDir + QLatin1Char('/')), folder_(folderDir),
          words_(ReadWordLists(source_ + QStringLiteral("words.txt")), source_ + QStringLiteral("words.txt")),
          localities_(ReadLocalities(source_ + QStringLiteral("localities.tsv"))),
          sections_(ReadSections(source_ + QStringLiteral("sections.tsv"))) {}

    SampleCounts Run() {
        QDir().mkpath(dist_);
        {
            DbFileBuild build(dist_ + QStringLiteral("arch.db"));
            schema::CreateTables(build.Handle());
            WriteTrees(build.Handle());
            WriteOrganizations(build.Handle());
            WriteOffers(build.Handle());
            WriteProjects(build.Handle());
            WriteContent(build.Handle());
            schema::CreateIndexes(build.Handle());
            build.Commit();
        }
        MakeFiles();
        return counts_;
    }

private:
    // Localities, each with the section groups (folder nodes, state 0) and their sections.
    std::vector<TreeNode> CatalogueTree() const {
        std::vector<TreeNode> top;
        for (const Locality& l : localities_) {
            TreeNode locality{l.name, QString(), 0, l.code, {}};
            for (const Section& s : sections_) {
                if (locality.children.empty() || locality.children.back().caption != s.group)
                    locality.children.push_back({s.group, QString(), 1, 0, {}});
                locality.children.back().children.push_back({s.caption, QString(), 1, s.number, {}});
            }
            top.push_back(std::move(locality));
        }
        return top;
    }

    void WriteTrees(sqlite3* db) {
        counts_.localities = static_cast<int>(localities_.size());
        counts_.sections = static_cast<int>(sections_.size());
        for (const QString& table : schema::TreeTables()) {
            std::vector<TreeNode> nodes;
            if (table == QStringLiteral("tvCatalogORG")) {
                nodes = CatalogueTree();
            } else {
                nodes = ReadTree(source_ + table + QStringLiteral(".tree"));
                int stat = 0;
                std::function<void(std::vector<TreeNode>&)> number = [&](std::vector<TreeNode>& level) {
                    for (TreeNode& n : level) {
                        n.stat = ++stat;
                        number(n.children);
                    }
                };
                number(nodes);
            }
            const std::vector<TreeRow> rows = FlattenTree(nodes);
            WriteTree(db, table, rows);
            counts_.treeRows[table] = static_cast<int>(rows.size());
        }
    }

    const Locality& LocalityOf(int code) const {
        for (const Locality& l : localities_) {
            if (l.code == code)
                return l;
        }
        return localities_.front();
    }

    QString UniqueShortName(Rng& rng, const Section& section) {
        const QStringList& prefixes = words_[QStringLiteral("приставки названий")];
        const QStringList& suffixes = words_[QStringLiteral("окончания названий")];
        for (int attempt = 0; attempt < 50; ++attempt) {
            QString name;
            switch (rng.Below(3)) {
            case 0:
                name = rng.Pick(prefixes) + section.root;
                break;
            case 1:
                name = section.root + QLatin1Char('-') + rng.Pick(suffixes);
                break;
            default:
                name = rng.Pick(prefixes) + section.root + rng.Pick(suffixes);
            }
            if (!usedNames_.contains(name)) {
                usedNames_.insert(name);
                return name;
            }
        }
        const QString name = section.root + QStringLiteral("-%1").arg(usedNames_.size());
        usedNames_.insert(name);
        return name;
    }

    QString GoodsText(Rng& rng, const Section& section) const {
        QStringList goods = section.goods;
        const int keep = qMin(static_cast<int>(goods.size()), rng.Between(3, 5));
        while (goods.size() > keep)
            goods.removeAt(rng.Below(static_cast<int>(goods.size())));
        return Capitalised(goods.join(QStringLiteral(", "))) + QLatin1Char('.');
    }

    QVariantMap GeneratedOrganization(Rng& rng, int index, int id) {
        const Section& section = sections_.at(index % sections_.size());
        int total = 0;
        for (const Locality& l : localities_)
            total += l.weight;
        int roll = rng.Below(total);
        const Locality* locality = &localities_.front();
        for (const Locality& l : localities_) {
            if (roll < l.weight) {
                locality = &l;
                break;
            }
            roll -= l.weight;
        }
        QVariantMap org;
        org["id_org"] = id;
        const QString form = rng.Pick(words_[QStringLiteral("формы собственности")]);
        const QString surname = rng.Pick(words_[QStringLiteral("фамилии")]);
        const QString first = rng.Pick(words_[QStringLiteral("имена")]);
        const QString patronymic = rng.Pick(words_[QStringLiteral("отчества")]);
        QString shortName;
        if (form == QStringLiteral("ИП")) {
            shortName = QStringLiteral("%1 %2. %3.").arg(surname, first.left(1), patronymic.left(1));
            org["name_org"] = QStringLiteral("ИП %1 %2 %3").arg(surname, first, patronymic);
        } else {
            shortName = UniqueShortName(rng, section);
            org["name_org"] = QStringLiteral("%1 «%2»").arg(form, shortName);
        }
        org["short_name_org"] = shortName;
        QString address = QStringLiteral("г. %1, %2, %3")
                              .arg(locality->name, rng.Pick(locality->streets))
                              .arg(rng.Between(1, 150));
        if (rng.Chance(40))
            address += QStringLiteral(", офис %1").arg(rng.Between(1, 420));
        org["addr_org"] = address;
        QString phone = Phone(rng, *locality);
        if (rng.Chance(35))
            phone += QStringLiteral(", ") + Mobile(rng);
        org["phone_org"] = phone;
        const QString domain = Translit(shortName) + QStringLiteral(".ru");
        const bool hasSite = rng.Chance(70);
        org["site_org"] = hasSite ? QStringLiteral("www.") + domain : QString();
        QString mail;
        if (rng.Chance(90)) {
            mail =
                hasSite ? QStringLiteral("info@") + domain : Translit(shortName) + QStringLiteral("@mail.ru");
            if (hasSite && rng.Chance(30))
                mail += QStringLiteral("|sales@") + domain;
        }
        org["mail_org"] = mail;
        org["rukovod_org"] = rng.Chance(75) ? QStringLiteral("%1 %2 %3, %4")
                                                  .arg(surname, first, patronymic,
                                                       rng.Pick(words_[QStringLiteral("должности")]))
                                            : QString();
        const bool goods = section.group != sections_.back().group;
        org["dost_org"] = goods && rng.Chance(60)
                              ? QStringLiteral("Доставка по городу %1 и области").arg(locality->name)
                              : QString();
        org["addr_dost_org"] = QString();
        org["mycomment_org"] = QStringLiteral("ИНН 54%1%2, КПП 54%3")
                                   .arg(rng.Between(1000, 9999))
                                   .arg(rng.Between(1000, 9999))
                                   .arg(rng.Between(1000000, 9999999));
        QString razdel = QString::number(section.number);
        QString comment = GoodsText(rng, section);
        if (rng.Chance(15)) { // a second section of the same group
            QList<const Section*> group;
            for (const Section& s : sections_) {
                if (s.group == section.group && s.number != section.number)
                    group << &s;
            }
            if (!group.isEmpty()) {
                const Section& second = *group.at(rng.Below(static_cast<int>(group.size())));
                razdel += rng.Chance(50) ? QStringLiteral("|%1").arg(second.number)
                                         : QStringLiteral(" | %1 ").arg(second.number);
                comment += QLatin1Char(' ') + GoodsText(rng, second);
            }
        }
        comment += QLatin1Char(' ') + rng.Pick(words_[QStringLiteral("фразы услуг")]);
        org["comment_org"] = comment;
        org["city_org"] = locality->code;
        org["razdel_org"] = razdel;
        org["price_org"] = QString();
        if (rng.Chance(20)) {
            const QString file = QStringLiteral("price%1.txt").arg(id);
            org["price_org"] = file;
            AddPriceList(file, org["name_org"].toString(), section, rng);
        }
        org["logo_org_file_name"] = QString();
        if (rng.Chance(15)) {
            const QString file = QStringLiteral("logo%1.png").arg(id);
            org["logo_org_file_name"] = file;
            AddLogo(file, shortName);
        }
        org["page_name_org"] = QString();
        org["baner_org"] = QString();
        org["baner_name_org"] = QString();
        if (rng.Chance(8)) {
            const QString name = QStringLiteral("ban%1").arg(id);
            org["baner_org"] = QStringLiteral("y");
            org["baner_name_org"] = name;
            AddBanner(name, shortName, section.caption);
        }
        org["cd"] =
            rng.Chance(4) ? QStringLiteral("n") : (index == 7 ? QStringLiteral("Y") : QStringLiteral("y"));
        org["dateupd"] =
            (rng.Chance(50) ? 20240000 : 20250000) + rng.Between(1, 12) * 100 + rng.Between(1, 28);
        return org;
    }

    void AddPriceList(const QString& file, const QString& name, const Section& section, Rng& rng) {
        QString text = QStringLiteral("Прайс-лист %1\r\nЦены с НДС, действительны с 01.03.2025\r\n\r\n"
                                      "Наименование;Ед. изм.;Цена, руб.\r\n")
                           .arg(name);
        for (const QString& good : section.goods)
            text += QStringLiteral("%1;%2;%3\r\n")
                        .arg(Capitalised(good), rng.Chance(50) ? QStringLiteral("шт.") : QStringLiteral("м2"))
                        .arg(rng.Between(50, 9000));
        jobs_.push_back({QStringLiteral("prices/") + file,
                         [text](const QString& path) { return WriteCp1251(path, text); }, false});
    }
    void AddLogo(const QString& file, const QString& title) {
        jobs_.push_back({QStringLiteral("prices/") + file,
                         [title](const QString& path) { return pictures::DrawLogo(path, title); }});
    }
    void AddBanner(const QString& name, const QString& title, const QString& subtitle) {
        jobs_.push_back(
            {QStringLiteral("banners/") + name + QStringLiteral(".gif"),
             [title, subtitle](const QString& path) { return pictures::DrawBanner(path, title, subtitle); }});
    }

    void WriteOrganizations(sqlite3* db) {
        RowInserter orgs(db, QStringLiteral("organizations"),
                         schema::Columns(QStringLiteral("organizations")));
        RowInserter links(db, QStringLiteral("orginrazd"),
                          {QStringLiteral("id_razd"), QStringLiteral("id_org")});
        QList<QVariantMap> rows;
        const QString showcase = source_ + QStringLiteral("orgs.txt");
        for (const Record& record : ReadRecords(showcase)) {
            QVariantMap org = MapOf(record);
            usedNames_.insert(org.value("short_name_org").toString());
            const QString title = org.value("short_name_org").toString();
            if (!org.value("logo_org_file_name").toString().trimmed().isEmpty())
                AddLogo(org.value("logo_org_file_name").toString(), title);
            if (org.value("baner_org").toString().toLower() == QStringLiteral("y") &&
                !org.value("baner_name_org").toString().trimmed().isEmpty()) {
                const QString firstGood = org.value("comment_org").toString().section(QLatin1Char(','), 0, 0);
                AddBanner(org.value("baner_name_org").toString(), title, firstGood);
            }
            rows << org;
        }
        Rng rng(20250301);
        const int generated = qMax(150, static_cast<int>(sections_.size()) * 4);
        for (int i = 0; i < generated; ++i)
            rows << GeneratedOrganization(rng, i, 1001 + i);
        for (const QVariantMap& org : rows) {
            orgs.Insert(RowOf(QStringLiteral("organizations"), org, showcase));
            for (const QString& piece : org.value("razdel_org").toString().split(QLatin1Char('|'))) {
                if (piece.trimmed().isEmpty())
                    continue;
                bool ok = false;
                const int razd = piece.trimmed().toInt(&ok);
                if (!ok)
                    throw SourceError(
                        ("organisation " + org.value("id_org").toString() + ": bad section " + piece)
                            .toStdString());
                links.Insert({razd, org.value("id_org").toInt()});
                ++counts_.links;
            }
        }
        counts_.organizations = static_cast<int>(rows.size());
    }

    // Every type code of the listings, group by group.
    static QList<int> TypeCodes() {
        static const int ranges[][2] = {
            {11, 18},   {21, 28},   {31, 39},   {41, 43},   {51, 53},   {61, 63},   {71, 76},   {81, 86},
            {111, 118}, {121, 128}, {131, 132}, {141, 142}, {151, 153}, {161, 163}, {171, 176}, {181, 186}};
        QList<int> codes;
        for (const auto& r : ranges) {
            for (int c = r[0]; c <= r[1]; ++c)
                codes << c;
        }
        return codes;
    }

    QVariantMap GeneratedOffer(Rng& rng, int index, int id, int typedom) {
        const int tens = (typedom / 10) % 10;
        const int unit = typedom % 10;
        const bool demand = typedom >= 100;
        const bool rent = tens % 2 == 0;
        const bool country = tens == 5 || tens == 6;
        const bool commercial = tens == 1 || tens == 2;
        const bool newBuilding = tens == 3 || tens == 4;
        int district = index % 11;
        if (country)
            district = index % 5 == 0 ? 1 + index % 10 : 0;
        double area = 0;
        double land = 0;
        int rooms = 0;
        if (commercial) {
            area = unit == 8 ? 0 : rng.Between(30, 900);
            if (unit == 8 || unit == 5)
                land = rng.Between(10, 300) * 100;
        } else if (country) {
            area = unit == 3 ? rng.Between(25, 60) : rng.Between(60, 300);
            land = rng.Between(6, 20) * 100;
        } else {
            if (newBuilding)
                rooms = unit >= 4 && unit <= 8 ? unit - 3 : (unit == 2 ? rng.Between(1, 3) : 0);
            else
                rooms = unit <= 5 ? unit : 0;
            const bool elite = (newBuilding && unit == 9) || (!newBuilding && unit == 6);
            if (elite)
                area = rng.Between(110, 220);
            else if (rooms > 0)
                area = 18 + rooms * 17 + rng.Between(0, 12);
            else
                area = rng.Between(25, 200);
        }
        if (area > 0)
            area += rng.Below(10) / 10.0;
        int price = 0;
        if (rent) {
            if (commercial)
                price = qMax(15, static_cast<int>(area * rng.Between(5, 12) / 10));
            else if (country)
                price = rng.Between(20, 80);
            else
                price = 12 + qMax(rooms, 1) * 6 + rng.Between(0, 12);
        } else if (commercial) {
            price = area > 0 ? static_cast<int>(area * rng.Between(45, 130))
                             : static_cast<int>(land / 100 * rng.Between(30, 90));
        } else if (country) {
            price = 900 + static_cast<int>(area * rng.Between(20, 50));
        } else {
            price = static_cast<int>(area * rng.Between(95, 160));
        }
        QVariantMap offer;
        offer["id"] = id;
        offer["visibledom"] = index % 17 == 5 ? 0 : 1;
        offer["typedom"] = typedom;
        offer["riondom"] = district;
        offer["napravdom"] = district == 0 ? 1 + (index / 3) % 6 : 0;
        offer["price"] = price;
        offer["plohaddom"] = area;
        offer["plohadzemla"] = land;
        offer["datain"] = QDate(2025, 3, 14).addDays(-(index / 2)).toString(QStringLiteral("dd.MM.yyyy"));
        offer["picname"] = QString();
        if (!demand && index % 4 == 0) {
            const QString file = QStringLiteral("dom%1.png").arg(id);
            offer["picname"] = file;
            AddHouse(file, id);
        }
        offer["sulica"] = district == 0
                              ? rng.Pick(words_[QStringLiteral("посёлки области")])
                              : QStringLiteral("%1, %2")
                                    .arg(rng.Pick(words_[QStringLiteral("улицы района %1").arg(district)]))
                                    .arg(rng.Between(1, 200));
        QString comment;
        if (demand)
            comment = (rent ? QStringLiteral("Сниму") : QStringLiteral("Куплю")) +
                      QStringLiteral(" в указанном районе, рассмотрю все варианты. Расчёт быстрый.");
        else if (commercial)
            comment =
                ByKind(QStringLiteral("описания коммерческих объектов"), {0, 1, 0, 2, 0, 5, 0, 3, 4}, unit);
        else if (country)
            comment = ByKind(QStringLiteral("описания загородных объектов"), {0, 0, 1, 2}, unit);
        else
            comment = rng.Pick(words_[QStringLiteral("описания квартир")]);
        if (rent && !demand)
            comment += QStringLiteral(" Цена за месяц.");
        offer["coment"] = comment;
        offer["pname"] = rng.Pick(words_[QStringLiteral("продавцы")]);
        offer["stel"] = Mobile(rng);
        offer["email"] = rng.Chance(30) ? QStringLiteral("dom%1@mail.ru").arg(id) : QString();
        return offer;
    }

    // The description that fits the kind of object (the units digit); the list's lines are in that order.
    QString ByKind(const QString& list, std::initializer_list<int> lineOfUnit, int unit) const {
        const QStringList& lines = words_[list];
        const int line = unit < static_cast<int>(lineOfUnit.size()) ? lineOfUnit.begin()[unit] : 0;
        return lines.at(line % lines.size());
    }

    void AddHouse(const QString& file, int variant) {
        jobs_.push_back({QStringLiteral("dom/domimg/") + file,
                         [variant](const QString& path) { return pictures::DrawHouse(path, variant); }});
    }

    void WriteOffers(sqlite3* db) {
        const QString table = QStringLiteral("jos_db2_dom_list");
        RowInserter insert(db, table, schema::Columns(table));
        const QString showcase = source_ + QStringLiteral("offers.txt");
        for (const Record& record : ReadRecords(showcase)) {
            const QVariantMap offer = MapOf(record);
            const QString pic = offer.value("picname").toString().trimmed();
            if (!pic.isEmpty())
                AddHouse(pic, offer.value("id").toInt());
            insert.Insert(RowOf(table, offer, showcase));
            ++counts_.offers;
        }
        Rng rng(20250314);
        const QList<int> codes = TypeCodes();
        const int generated = static_cast<int>(codes.size()) + 46;
        for (int i = 0; i < generated; ++i) {
            insert.Insert(
                RowOf(table, GeneratedOffer(rng, i, 101 + i, codes.at(i % codes.size())), showcase));
            ++counts_.offers;
        }
    }

    void AddBuilding(const QString& file, const QString& title) {
        jobs_.push_back({QStringLiteral("prices/") + file,
                         [title](const QString& path) { return pictures::DrawBuilding(path, title); }});
    }

    void WriteProjects(sqlite3* db) {
        const QString table = QStringLiteral("tNovdomlist");
        RowInserter insert(db, table, schema::Columns(table));
        const QString showcase = source_ + QStringLiteral("projects.txt");
        for (const Record& record : ReadRecords(showcase)) {
            const QVariantMap project = MapOf(record);
            if (!project.value("simage").toString().trimmed().isEmpty())
                AddBuilding(project.value("simage").toString(), project.value("sname").toString());
            insert.Insert(RowOf(table, project, showcase));
            ++counts_.projects;
        }
        Rng rng(20250315);
        const QStringList& names = words_[QStringLiteral("жилые комплексы")];
        for (int i = 0; i < names.size(); ++i) {
            const int id = 10 + i;
            const int raion = i % 12 == 11 ? 0 : 1 + i % 10;
            QVariantMap p;
            p["id"] = id;
            p["iraion"] = raion;
            p["sname"] = QStringLiteral("ЖК «%1»").arg(names[i]);
            p["simage"] = QString();
            if (i == 3) {
                p["simage"] =
                    QStringLiteral("nov_net.png"); // named but never delivered: the page leaves it out
            } else if (i % 5 != 4) {
                p["simage"] = QStringLiteral("nov%1.png").arg(id);
                AddBuilding(p["simage"].toString(), p["sname"].toString());
            }
            p["surl"] = QStringLiteral("www.zk-%1.ru").arg(Translit(names[i]));
            p["stype"] = rng.Pick(words_[QStringLiteral("типы зданий")]);
            p["sadres"] = raion == 0
                              ? rng.Pick(words_[QStringLiteral("посёлки области")])
                              : QStringLiteral("г. Новосибирск, %1, %2")
                                    .arg(rng.Pick(words_[QStringLiteral("улицы района %1").arg(raion)]))
                                    .arg(rng.Between(1, 200));
            p["sdata"] = rng.Pick(words_[QStringLiteral("сроки сдачи")]);
            const QStringList& features = words_[QStringLiteral("особенности новостроек")];
            p["sinfo"] = QStringLiteral("Квартиры от %1 до %2 кв. м. %3 %4")
                             .arg(rng.Between(24, 40))
                             .arg(rng.Between(70, 130))
                             .arg(features.at(i % features.size()), features.at((i + 3) % features.size()));
            p["szname"] = rng.Pick(words_[QStringLiteral("застройщики")]);
            p["szadres"] = rng.Chance(70) ? QStringLiteral("г. Новосибирск, %1, %2")
                                                .arg(rng.Pick(localities_.front().streets))
                                                .arg(rng.Between(1, 120))
                                          : QString();
            p["stel"] = QStringLiteral("(383) %1-%2-%3")
                            .arg(rng.Between(200, 399))
                            .arg(rng.Between(10, 99))
                            .arg(rng.Between(10, 99));
            p["semail"] =
                rng.Chance(70) ? QStringLiteral("sale@zk-%1.ru").arg(Translit(names[i])) : QString();
            insert.Insert(RowOf(table, p, showcase));
            ++counts_.projects;
        }
    }

    void WriteContent(sqlite3* db) {
        const QString table = QStringLiteral("jos_db2_content");
        RowInserter insert(db, table, schema::Columns(table));
        const QString path = source_ + QStringLiteral("content.txt");
        for (const Record& record : ReadRecords(path)) {
            insert.Insert(RowOf(table, MapOf(record), path));
            ++counts_.articles;
        }
    }

    void MakeFiles() {
        for (const FileJob& job : jobs_) {
            if (!folder_.isEmpty() && QFileInfo::exists(folder_ + QLatin1Char('/') + job.relative))
                continue;
            if (!job.make(dist_ + job.relative))
                throw SourceError(("cannot write " + dist_ + job.relative).toStdString());
            ++(job.picture ? counts_.pictures : counts_.priceFiles);
        }
    }

    QString source_;
    QString dist_;
    QString folder_;
    Words words_;
    QList<Locality> localities_;
    QList<Section> sections_;
    QSet<QString> usedNames_;
    std::vector<FileJob> jobs_;
    SampleCounts counts_;
};

} // namespace

SampleCounts MakeSampleData(const QString& sourceDir, const QString& distDir, const QString& folderDir) {
    return SampleBuilder(sourceDir, distDir, folderDir).Run();
}
