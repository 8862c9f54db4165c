#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <functional>

#include "Synthetic.h"
#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "shell/uCodePage.h"

namespace {

const QString kDist = QStringLiteral(VELOMAR_DIST_DIR "/");

struct Node {
    QString caption;
    int imag = 0;
    int stat = 0;
    QString tag;
    QList<Node> children;
};

struct Rows {
    QStringList names, tags;
    QList<int> imag, kode, stat;
};

Rows ReadRows(Connection& db, const QString& table) {
    auto q = DBCrate(db);
    q->Add(QStringLiteral("SELECT Name,Imag,Kode,stat,tag FROM ") + table);
    q->Open();
    Rows r;
    for (q->First(); !q->Eof(); q->Next()) {
        r.names << q->FieldByName("Name");
        r.imag << q->FieldByName("Imag").toInt();
        r.kode << q->FieldByName("Kode").toInt();
        r.stat << q->FieldByName("stat").toInt();
        r.tags << q->FieldByName("tag");
    }
    return r;
}

// Reads the rows as the tree loader does and fails on anything it would read differently from the
// structure the counts promise: a node's children must be exactly Kode rows closed by one
// end-of-children row, and the top level has no end-of-children row.
QList<Node> ParseTree(const Rows& r) {
    int i = 0;
    std::function<QList<Node>(int, bool)> level = [&](int expected, bool closed) {
        QList<Node> nodes;
        while (i < r.kode.size()) {
            if (r.kode[i] < 0) {
                EXPECT_TRUE(closed) << "end-of-children row at the top level, row " << i;
                EXPECT_TRUE(r.names[i].isEmpty());
                ++i;
                EXPECT_EQ(nodes.size(), expected) << "children before row " << i;
                return nodes;
            }
            Node n{hextostr(r.names[i]), r.imag[i], r.stat[i], hextostr(r.tags[i]), {}};
            for (const QString& hex : {r.names[i], r.tags[i]})
                EXPECT_EQ(hex, hex.toUpper()) << "hex digits in upper case, row " << i;
            const int kode = r.kode[i];
            ++i;
            if (kode > 0)
                n.children = level(kode, true);
            nodes << n;
        }
        EXPECT_FALSE(closed) << "a level runs to the end of the table without its end-of-children row";
        return nodes;
    };
    return level(0, false);
}

void Walk(const QList<Node>& nodes, const std::function<void(const Node&)>& visit) {
    for (const Node& n : nodes) {
        visit(n);
        Walk(n.children, visit);
    }
}

int Count(Connection& db, const QString& sql) {
    auto q = DBCrate(db);
    q->Add(sql);
    q->Open();
    return q->Field(0).toInt();
}

QStringList Column(Connection& db, const QString& sql) {
    auto q = DBCrate(db);
    q->Add(sql);
    q->Open();
    QStringList values;
    for (q->First(); !q->Eof(); q->Next())
        values << q->Field(0);
    return values;
}

bool InDist(const QString& relative) {
    return QFileInfo::exists(kDist + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

class SampleDb : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo::exists(kDist + "arch.db")) << "build the velomar_data target first";
        db.SetDatabase(kDist + "arch.db");
    }
    Connection db;
};

TEST_F(SampleDb, HasTheTenTablesWithThePromisedRows) {
    const QMap<QString, int> atLeast{
        {"organizations", 150}, {"orginrazd", 150},     {"tvCatalogORG", 3 * 32}, {"tvNormativDOC", 10},
        {"tvFair", 3},          {"tvINFO", 10},         {"tvStrRINOK", 3},        {"jos_db2_dom_list", 100},
        {"tNovdomlist", 25},    {"jos_db2_content", 10}};
    for (auto it = atLeast.constBegin(); it != atLeast.constEnd(); ++it)
        EXPECT_GE(Count(db, "SELECT count(*) FROM " + it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(Count(db, "SELECT count(*) FROM sqlite_master WHERE type='table'"), 10);
}

TEST_F(SampleDb, EveryTreeIsWellFormedAndItsPagesExist) {
    for (const QString table : {"tvCatalogORG", "tvNormativDOC", "tvFair", "tvINFO", "tvStrRINOK"}) {
        SCOPED_TRACE(table.toStdString());
        const QList<Node> tree = ParseTree(ReadRows(db, table));
        EXPECT_FALSE(tree.isEmpty());
        if (table == "tvCatalogORG")
            continue;
        int pages = 0;
        Walk(tree, [&](const Node& n) {
            if (n.tag.isEmpty())
                return;
            ++pages;
            EXPECT_FALSE(n.tag.contains('/')) << n.tag.toStdString();
            EXPECT_TRUE(InDist(n.tag)) << n.tag.toStdString();
        });
        EXPECT_GE(pages, table == "tvNormativDOC" || table == "tvINFO" ? 10 : 2);
    }
}

TEST_F(SampleDb, LocalitiesCarryRussianCaptionsAndAllSections) {
    const QList<Node> tree = ParseTree(ReadRows(db, "tvCatalogORG"));
    ASSERT_GE(tree.size(), 3);
    EXPECT_EQ(tree.front().caption, QStringLiteral("Новосибирск"));
    QSet<int> codes;
    for (const Node& locality : tree) {
        EXPECT_EQ(locality.imag, 0);
        EXPECT_NE(locality.stat, 0);
        codes << locality.stat;
        int sections = 0;
        Walk(locality.children, [&](const Node& n) { sections += n.imag == 1 && n.stat != 0 ? 1 : 0; });
        EXPECT_GE(sections, 30) << locality.caption.toStdString();
    }
    // Every organisation lives in a locality of the tree and is linked to sections of it.
    for (const QString& city : Column(db, "SELECT DISTINCT city_org FROM organizations"))
        EXPECT_TRUE(codes.contains(city.toInt())) << city.toStdString();
    EXPECT_EQ(Count(db, "SELECT count(*) FROM orginrazd WHERE id_razd NOT IN (SELECT stat FROM tvCatalogORG "
                        "WHERE imag = 1)"),
              0);
    EXPECT_EQ(
        Count(db, "SELECT count(*) FROM organizations WHERE id_org NOT IN (SELECT id_org FROM orginrazd)"),
        0);
}

TEST_F(SampleDb, OrganisationsShowEveryCardFeature) {
    const auto some = [&](const QString& where) {
        return Count(db, "SELECT count(*) FROM organizations WHERE " + where);
    };
    EXPECT_GT(some("cd = 'n'"), 0);
    EXPECT_GT(some("mail_org LIKE '%|%'"), 0);
    EXPECT_GT(some("typeof(id_org) = 'integer' AND typeof(city_org) = 'integer'"), 149);
    EXPECT_GT(
        Count(db, "SELECT count(*) FROM (SELECT id_org FROM orginrazd GROUP BY id_org HAVING count(*) > 1)"),
        0);
    EXPECT_GT(some("comment_org LIKE '%профнастил%'"), 0);

    int prices = 0;
    for (const QString& file : Column(db, "SELECT price_org FROM organizations WHERE trim(price_org) <> ''"))
        prices += InDist("prices/" + file) ? 1 : 0;
    EXPECT_GE(prices, 5);
    for (const QString& page :
         Column(db, "SELECT page_name_org FROM organizations WHERE trim(page_name_org) <> ''"))
        EXPECT_TRUE(InDist("pages/" + page + "/index.htm")) << page.toStdString();
    for (const QString& name : Column(db, "SELECT baner_name_org FROM organizations WHERE lower(baner_org) = "
                                          "'y' AND trim(baner_name_org) <> ''"))
        EXPECT_TRUE(InDist("banners/" + name + ".gif")) << name.toStdString();
    for (const QString& logo :
         Column(db, "SELECT logo_org_file_name FROM organizations WHERE trim(logo_org_file_name) <> ''"))
        EXPECT_TRUE(InDist("prices/" + logo)) << logo.toStdString();
    // The two right-hand banners of the main window.
    for (const char* file : {"banners/banerlimta.gif", "banners/banersolvo.gif", "pages/rundo/index.htm",
                             "pages/pelmorin/index.html"})
        EXPECT_TRUE(InDist(file)) << file;
}

TEST_F(SampleDb, OffersCoverEveryTypeGroupAndDistrict) {
    const int groups[][2] = {{11, 18},   {21, 28},   {31, 39},   {41, 43},   {51, 53},   {61, 63},
                             {71, 76},   {81, 86},   {111, 118}, {121, 128}, {131, 132}, {141, 142},
                             {151, 153}, {161, 163}, {171, 176}, {181, 186}};
    for (const auto& g : groups)
        EXPECT_GT(Count(db, QStringLiteral("SELECT count(*) FROM jos_db2_dom_list WHERE visibledom = 1 AND "
                                           "typedom BETWEEN %1 AND %2")
                                .arg(g[0])
                                .arg(g[1])),
                  0)
            << g[0];
    for (int district = 0; district <= 10; ++district)
        EXPECT_GT(
            Count(db,
                  QStringLiteral("SELECT count(*) FROM jos_db2_dom_list WHERE riondom = %1").arg(district)),
            0)
            << district;
    EXPECT_EQ(
        Count(db,
              "SELECT count(*) FROM jos_db2_dom_list WHERE riondom = 0 AND napravdom NOT BETWEEN 1 AND 6"),
        0);
    EXPECT_EQ(
        Count(db, "SELECT count(*) FROM jos_db2_dom_list WHERE typeof(price) NOT IN ('integer', 'real')"), 0);
    EXPECT_GT(Count(db, "SELECT count(*) FROM jos_db2_dom_list WHERE trim(picname) <> ''"), 0);

    for (int raion = 0; raion <= 10; ++raion)
        EXPECT_GT(Count(db, QStringLiteral("SELECT count(*) FROM tNovdomlist WHERE iraion = %1").arg(raion)),
                  0)
            << raion;
    for (const QString& image : Column(db, "SELECT simage FROM tNovdomlist WHERE simage LIKE 'nov_%.png' AND "
                                           "simage <> 'nov_net.png'"))
        EXPECT_TRUE(InDist("prices/" + image)) << image.toStdString();
}

TEST_F(SampleDb, TextFilesOfTheFolderAreWindows1251) {
    QFile file(kDist + "info/doc/ohrana.htm");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(cp1251::Decode(bytes).contains(QStringLiteral("Охрана труда на стройке")));
    EXPECT_FALSE(bytes.contains(QStringLiteral("Охрана").toUtf8()));
    for (const char* folder : {"info", "pages", "banners", "prices", "logos", "logosnedv"})
        EXPECT_TRUE(QFileInfo(kDist + folder).isDir()) << folder;
}

TEST(SyntheticDb, HasTheAskedSizesAndIsTheSameForTheSameSeed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const SyntheticSizes sizes{
        .orgs = 300, .localities = 2, .sections = 12, .offers = 500, .projects = 40, .docs = 45, .seed = 7};
    QStringList digests;
    for (const QString name : {"a.db", "b.db"}) {
        MakeSyntheticDb(dir.filePath(name), sizes);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(name + ".part")));
        Connection db;
        db.SetDatabase(dir.filePath(name));
        EXPECT_EQ(Count(db, "SELECT count(*) FROM organizations"), 300);
        EXPECT_EQ(Count(db, "SELECT count(*) FROM jos_db2_dom_list"), 500);
        EXPECT_EQ(Count(db, "SELECT count(*) FROM tNovdomlist"), 40);
        const QList<Node> catalogue = ParseTree(ReadRows(db, "tvCatalogORG"));
        ASSERT_EQ(catalogue.size(), 2);
        EXPECT_EQ(catalogue.back().children.size(), 12);
        int docs = 0;
        Walk(ParseTree(ReadRows(db, "tvNormativDOC")),
             [&](const Node& n) { docs += n.tag.isEmpty() ? 0 : 1; });
        EXPECT_EQ(docs, 45);
        for (const QString table : {"tvFair", "tvINFO", "tvStrRINOK"})
            ParseTree(ReadRows(db, table));
        digests
            << Column(db, "SELECT group_concat(id_org || razdel_org || city_org || cd) FROM organizations")
                       .join("") +
                   Column(db, "SELECT group_concat(price || '/' || typedom) FROM jos_db2_dom_list").join("");
    }
    EXPECT_EQ(digests[0], digests[1]);
}

} // namespace
