#include "Schema.h"

#include <QList>
#include <QPair>

#include "SqlWriter.h"

namespace schema {
namespace {

struct Table {
    QString name;
    QList<QPair<QString, QString>> columns; // name, declared type
};

const QList<Table>& Tables() {
    static const QList<Table> tables = [] {
        const QString I = QStringLiteral("INTEGER"), N = QStringLiteral("NUMERIC"),
                      T = QStringLiteral("TEXT");
        QList<Table> t;
        t.append(
            {QStringLiteral("organizations"),
             {{"id_org", I},        {"name_org", T},      {"short_name_org", T}, {"addr_org", T},
              {"phone_org", T},     {"site_org", T},      {"mail_org", T},       {"rukovod_org", T},
              {"dost_org", T},      {"addr_dost_org", T}, {"mycomment_org", T},  {"comment_org", T},
              {"city_org", I},      {"razdel_org", T},    {"price_org", T},      {"logo_org_file_name", T},
              {"page_name_org", T}, {"baner_org", T},     {"baner_name_org", T}, {"cd", T},
              {"dateupd", I}}});
        t.append({QStringLiteral("orginrazd"), {{"id_razd", I}, {"id_org", I}}});
        for (const QString& tree : TreeTables())
            t.append({tree, {{"Name", T}, {"Imag", I}, {"Kode", I}, {"stat", I}, {"v", I}, {"tag", T}}});
        t.append({QStringLiteral("jos_db2_dom_list"),
                  {{"id", I},
                   {"visibledom", I},
                   {"typedom", I},
                   {"riondom", I},
                   {"napravdom", I},
                   {"price", N},
                   {"plohaddom", N},
                   {"plohadzemla", N},
                   {"datain", T},
                   {"picname", T},
                   {"sulica", T},
                   {"coment", T},
                   {"pname", T},
                   {"stel", T},
                   {"email", T}}});
        t.append({QStringLiteral("tNovdomlist"),
                  {{"id", I},
                   {"iraion", I},
                   {"sname", T},
                   {"simage", T},
                   {"surl", T},
                   {"stype", T},
                   {"sadres", T},
                   {"sdata", T},
                   {"sinfo", T},
                   {"szname", T},
                   {"szadres", T},
                   {"stel", T},
                   {"semail", T}}});
        t.append({QStringLiteral("jos_db2_content"),
                  {{"id", I}, {"title", T}, {"introtext", T}, {"fulltext", T}}});
        return t;
    }();
    return tables;
}

} // namespace

const QStringList& TreeTables() {
    static const QStringList names{QStringLiteral("tvCatalogORG"), QStringLiteral("tvNormativDOC"),
                                   QStringLiteral("tvFair"), QStringLiteral("tvINFO"),
                                   QStringLiteral("tvStrRINOK")};
    return names;
}

QStringList Columns(const QString& table) {
    for (const Table& t : Tables()) {
        if (t.name.compare(table, Qt::CaseInsensitive) == 0) {
            QStringList names;
            for (const auto& c : t.columns)
                names << c.first;
            return names;
        }
    }
    return {};
}

void CreateTables(sqlite3* db) {
    QString sql;
    for (const Table& t : Tables()) {
        QStringList cols;
        for (const auto& c : t.columns)
            cols << c.first + QLatin1Char(' ') + c.second;
        sql += QStringLiteral("CREATE TABLE %1 (%2);\n").arg(t.name, cols.join(QStringLiteral(", ")));
    }
    ExecScript(db, sql);
}

void CreateIndexes(sqlite3* db) {
    ExecScript(db, QStringLiteral(
                       "CREATE INDEX organizations_id ON organizations (id_org);\n"
                       "CREATE INDEX organizations_city ON organizations (city_org);\n"
                       // The order of the organisation lists (banner, article, short name, then stored
                       // order): a statement over all the organisations in that order walks it, unsorted.
                       "CREATE INDEX organizations_list_order ON organizations (baner_org DESC, "
                       "page_name_org DESC, short_name_org ASC);\n"
                       "CREATE INDEX orginrazd_razd ON orginrazd (id_razd);\n"
                       "CREATE INDEX orginrazd_org ON orginrazd (id_org);\n"
                       "CREATE INDEX dom_list_visible_type ON jos_db2_dom_list (visibledom, typedom, id);\n"
                       // The listing's sortable columns: a page sorted by one of them walks its index.
                       "CREATE INDEX dom_list_price ON jos_db2_dom_list (price);\n"
                       "CREATE INDEX dom_list_area ON jos_db2_dom_list (plohaddom);\n"
                       "CREATE INDEX dom_list_district ON jos_db2_dom_list (riondom);\n"
                       "CREATE INDEX novdomlist_raion ON tNovdomlist (iraion, id);\n"
                       "CREATE INDEX content_id ON jos_db2_content (id);\n"));
}

} // namespace schema
