#pragma once

#include <QString>

struct AppContext;
class Query;

// The page of one real-estate offer: type, district, street, date, price, area, description, seller,
// contacts, the picture beside them and, for an offer outside the city, direction and land area.
class DomItem {
public:
    explicit DomItem(AppContext& context) : context_(context) {}

    // The offer's box in the template "info\nedex.htm"; the empty box when no visible offer has the id.
    // Throws DbError, and ConvertError when a code of the offer is not a whole number.
    QString Compose(const QString& id) const;
    // "?ItemDomID=" id: composes the page and shows it with the real-estate menu.
    void ShowDomItem(const QString& id);

    // The box for the current row of an opened offer query (no row: the empty box).
    static QString Box(Query& offer);

private:
    AppContext& context_;
};
