#pragma once

#include "catalogue/uCatalogueTrees.h"
#include "catalogue/uOrgPages.h"
#include "catalogue/uSearch.h"
#include "pages/PageTargets.h"

#include <QString>

struct AppContext;

// The organisation catalogue as the rest of the program reaches it: the pages behind the tree clicks,
// the catalogue's link markers and the search. The main window owns one and wires its trees and its
// search bar to it.
class Catalogue : public TreeClickTarget, public CatalogueTarget {
public:
    // trees: the catalogue tree gives the section captions (may be null in tests without widgets).
    Catalogue(AppContext& ctx, const CatalogueTrees* trees, std::function<void()> pump = {});

    // Tree clicks and "<loadrazs>".
    void ShowSectionList(const QString& razd, const QString& city) override;
    // The page a node of the document, exhibition, INFO or market tree names, framed, with "<file_path>"
    // filled with its own folder, which becomes Web_Path.
    void OpenTreePage(const QString& tag) override;

    // The router's links: "<search>", "<idorg>", "<idorgno>" and "<idorgye>".
    void SearchFromPost(const QString& body) override;
    void ShowOrgCard(const QString& id) override;
    void SetOrgVisible(const QString& id, bool visible) override;

    OrgPages& Pages() { return pages_; }
    CatalogueSearch& Search() { return search_; }

private:
    AppContext& ctx_;
    OrgPages pages_;
    CatalogueSearch search_;
};
