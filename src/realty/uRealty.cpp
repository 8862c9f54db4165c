#include "realty/uRealty.h"

#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"

RealtyPages::RealtyPages(AppContext& context)
    : context_(context), list_(context), item_(context), nov_(context), articles_(context) {}

void RealtyPages::ShowNovList(const QString& sri, const QString& spage) {
    nov_.ShowNovList(sri, spage);
}

void RealtyPages::ShowArticle(const QString& id) {
    articles_.ShowArticle(id);
}

void RealtyPages::ShowDomFile(const QString& name) {
    articles_.ShowDomFile(name);
}

void RealtyPages::ShowDomFilter(const QString& body) {
    list_.ShowSearch(body);
}

void RealtyPages::ShowDomMenuList(const QString& page, const QString& menu, const QString& sort) {
    list_.ShowCategory(page, menu, sort);
}

void RealtyPages::ShowDomItem(const QString& id) {
    item_.ShowDomItem(id);
}

void RealtyPages::ShowDomListPage(const QString& page, const QString& sort) {
    list_.ShowGeneral(page, sort);
}
