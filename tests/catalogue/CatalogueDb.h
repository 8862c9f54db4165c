#pragma once

#include "database/uDatabase.h"

#include <QMap>
#include <QString>
#include <QVariant>

// A small arch.db for the catalogue tests: the organisation, link and tree tables with the column
// types of the distributed file, filled row by row.
class CatalogueDb {
public:
    // Creates path (an existing file is replaced).
    explicit CatalogueDb(const QString& path);

    Connection& Db() { return connection_; }
    // One tree row; name and tag are plain text, written as hex text. A null stat writes NULL.
    void TreeRow(const QString& table, const QString& name, const QVariant& imag, const QVariant& kode,
                 const QVariant& stat, const QString& tag = QString());
    // One organisation: id_org, name_org, short_name_org and cd "y" unless given; other columns as given.
    void Org(int id, const QString& name, const QMap<QString, QString>& columns = {});
    void Link(int razd, int id);
    // Runs sql as it is.
    void Exec(const QString& sql, const QVariantList& params = {});

private:
    Connection connection_;
};

// The pictures and names of a standard catalogue tree: locality 12 "Новосибирск" with sections 5
// "Кирпич и блоки" and 7 "Кровельные материалы", and locality 20 "Бердск" with section 5.
void StandardCatalogueTree(CatalogueDb& db);
