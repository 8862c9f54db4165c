#pragma once

#include <QString>
#include <QVariantList>

struct AppContext;
class Log;
class Query;

// A condition on the offers: SQL text without the word WHERE, with a "?" for each value, and the values.
struct DomCondition {
    QString where;
    QVariantList params;
};

// One listing page as the real-estate links ask for it.
struct DomListRequest {
    QString table = QStringLiteral("jos_db2_dom_list");
    DomCondition condition;
    QString defaultOrder = QStringLiteral("id DESC");
    QString menu;    // category carried in the links ("72", "nov"), or empty
    QString sortKey; // pricedown, priceup, sdown, sup, raiondown, raionup (any case); else the default order
    int page = 0;    // zero-based
    int pageSize = 20; // 0 or less: every row on one page, no page numbers
};

// The pieces of a listing page, each on its own for the tests.
namespace domlist {

// " ORDER BY price DESC " and the like for a sort key; " ORDER BY " + defaultOrder otherwise (nothing
// when that is empty).
QString OrderBy(const QString& sortKey, const QString& defaultOrder);
// The header row with its three sorting links; each keeps the page and the category.
QString Header(int page, const QString& menu, const QString& sortKey);
// The numbered page links below the table ("[1]" links, the current page bold); empty when every row
// fits on one page.
QString PageNumbers(int page, int pageSize, qint64 total, const QString& menu, const QString& sortKey);
// The table rows of an opened result: date, type, district, price, area, photo, street, link.
// Throws ConvertError when a type or district code is not a whole number.
QString Rows(Query& rows);

// The general listing: visible offers of the types below 70.
DomCondition GeneralCondition();
// A category of the menu: "nov" is every visible offer, anything else one type code.
DomCondition CategoryCondition(const QString& menu);
// The filters of the search form, read from its URL-encoded body (fn_rion, fn_dom, fn_type,
// fn_k1..fn_k5, fn_ulica, fn_pot, fn_pdo).
DomCondition SearchCondition(const QString& body, const Log* log = nullptr);

} // namespace domlist

// The real-estate listing: 20 offers a page with sorting headers, page numbers, categories and filters,
// shown in the real-estate frame with its menu.
class DomList {
public:
    explicit DomList(AppContext& context) : context_(context) {}

    // The listing HTML in the template "info\nedex.htm". Throws DbError and ConvertError.
    QString Compose(const DomListRequest& request) const;
    // Composes the page and shows it with the real-estate menu.
    void ShowDomList(const DomListRequest& request);

    // The real-estate tab: the first page of the general listing.
    void ShowFirstPage();
    // "?PageNextDomList=" page "&SortDom=" sort: a page of the general listing. page is the link's text
    // (ConvertError when it is not a whole number).
    void ShowGeneral(const QString& page, const QString& sortKey);
    // A category of the menu; an empty page text is page 0.
    void ShowCategory(const QString& page, const QString& menu, const QString& sortKey);
    // The search form's result: every match on one page, newest first.
    void ShowSearch(const QString& body);

private:
    AppContext& context_;
};
