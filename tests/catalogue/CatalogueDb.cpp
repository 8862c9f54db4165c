#include "CatalogueDb.h"

#include "database/uCodecs.h"

#include <QFile>
#include <sqlite3.h>

CatalogueDb::CatalogueDb(const QString& path) {
    QFile::remove(path);
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_close(raw);
    connection_.SetDatabase(path);
    Exec(QStringLiteral("PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;"));
    QString sql = QStringLiteral(
        "CREATE TABLE organizations (id_org INTEGER, name_org TEXT, short_name_org TEXT, addr_org TEXT, "
        "phone_org TEXT, site_org TEXT, mail_org TEXT, rukovod_org TEXT, dost_org TEXT, addr_dost_org TEXT, "
        "mycomment_org TEXT, comment_org TEXT, city_org INTEGER, razdel_org TEXT, price_org TEXT, "
        "logo_org_file_name TEXT, page_name_org TEXT, baner_org TEXT, baner_name_org TEXT, cd TEXT, dateupd "
        "INTEGER);\n"
        "CREATE TABLE orginrazd (id_razd INTEGER, id_org INTEGER);\n");
    for (const char* tree : {"tvCatalogORG", "tvNormativDOC", "tvFair", "tvINFO", "tvStrRINOK"})
        sql +=
            QStringLiteral("CREATE TABLE %1 (Name TEXT, Imag INTEGER, Kode INTEGER, stat INTEGER, v INTEGER, "
                           "tag TEXT);\n")
                .arg(QLatin1String(tree));
    Exec(sql);
}

void CatalogueDb::Exec(const QString& sql, const QVariantList& params) {
    auto q = DBCrate(connection_);
    q->Add(sql);
    q->ExecSQL(params);
}

void CatalogueDb::TreeRow(const QString& table, const QString& name, const QVariant& imag,
                          const QVariant& kode, const QVariant& stat, const QString& tag) {
    Exec(QStringLiteral("INSERT INTO %1 (Name, Imag, Kode, stat, v, tag) VALUES (?, ?, ?, ?, 1, ?);")
             .arg(table),
         {strtohex(name), imag, kode, stat, tag.isNull() ? QVariant() : QVariant(strtohex(tag))});
}

void CatalogueDb::Org(int id, const QString& name, const QMap<QString, QString>& columns) {
    QMap<QString, QString> all = columns;
    all.insert(QStringLiteral("id_org"), QString::number(id));
    if (!all.contains(QStringLiteral("name_org")))
        all.insert(QStringLiteral("name_org"), name);
    if (!all.contains(QStringLiteral("short_name_org")))
        all.insert(QStringLiteral("short_name_org"), name);
    if (!all.contains(QStringLiteral("cd")))
        all.insert(QStringLiteral("cd"), QStringLiteral("y"));
    QStringList names, marks;
    QVariantList values;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    Exec(QStringLiteral("INSERT INTO organizations (%1) VALUES (%2);")
             .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
         values);
}

void CatalogueDb::Link(int razd, int id) {
    Exec(QStringLiteral("INSERT INTO orginrazd (id_razd, id_org) VALUES (?, ?);"), {razd, id});
}

void StandardCatalogueTree(CatalogueDb& db) {
    const QString t = QStringLiteral("tvCatalogORG");
    db.TreeRow(t, QStringLiteral("Новосибирск"), 0, 2, 12);
    db.TreeRow(t, QStringLiteral("Кирпич и блоки"), 1, 0, 5);
    db.TreeRow(t, QStringLiteral("Кровельные материалы"), 1, 0, 7);
    db.TreeRow(t, QString(), 0, -1, 0);
    db.TreeRow(t, QStringLiteral("Бердск"), 0, 1, 20);
    db.TreeRow(t, QStringLiteral("Кирпич и блоки"), 1, 0, 5);
    db.TreeRow(t, QString(), 0, -1, 0);
}
