#pragma once

#include "pages/PageTargets.h"
#include "realty/uArticles.h"
#include "realty/uDomItem.h"
#include "realty/uDomList.h"
#include "realty/uNovList.h"

struct AppContext;

// The real-estate section as the router and the main window reach it: listings, offers, the
// new-building catalogue, articles and static pages. The router records the addresses it routes here
// (except "<dom_file>" pages, which record themselves).
class RealtyPages : public RealtyTarget {
public:
    explicit RealtyPages(AppContext& context);

    // The real-estate tab ("Недвижимость"): the first page of the general listing.
    void ShowFirstPage() { list_.ShowFirstPage(); }

    void ShowNovList(const QString& sri, const QString& spage) override;
    void ShowArticle(const QString& id) override;
    void ShowDomFile(const QString& name) override;
    void ShowDomFilter(const QString& body) override;
    void ShowDomMenuList(const QString& page, const QString& menu, const QString& sort) override;
    void ShowDomItem(const QString& id) override;
    void ShowDomListPage(const QString& page, const QString& sort) override;

private:
    AppContext& context_;
    DomList list_;
    DomItem item_;
    NovList nov_;
    Articles articles_;
};
