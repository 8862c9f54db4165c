#pragma once

#include <QString>

// The pages the router opens for other subsystems. Each is implemented by its subsystem and handed to the
// router; a target that is not there yet leaves its links cancelled and without effect.
// Arguments are the link's text as it comes (decoded only where said); every value that reaches SQL must be
// bound as a parameter by the implementation. Failures are thrown; the router swallows them where
// the link must never report an error (card, hide/show, search, article) and logs the others.

// Organisation catalogue.
class CatalogueTarget {
public:
    virtual ~CatalogueTarget() = default;
    // Search from a posted form body ("search_type", "search_text"; URL-encoded, bytes taken as chars 0-255).
    virtual void SearchFromPost(const QString& body) = 0;
    // Organisations of section razd in locality sity ("<loadrazs>?&razd=...&sity=...").
    virtual void ShowSectionList(const QString& razd, const QString& sity) = 0;
    // Organisation card ("<idorg>" + id).
    virtual void ShowOrgCard(const QString& id) = 0;
    // Hides ("<idorgno>", visible false) or shows again ("<idorgye>", visible true) an organisation.
    // The router then rewrites the newest page-history entry; the target writes no page.
    virtual void SetOrgVisible(const QString& id, bool visible) = 0;
};

// Real estate, new buildings and articles.
class RealtyTarget {
public:
    virtual ~RealtyTarget() = default;
    // New-building catalogue: district sri, page spage ("?&option=nov&typered=nov&sri=...&spage=...").
    virtual void ShowNovList(const QString& sri, const QString& spage) = 0;
    // Article page; id is already percent-decoded ("option=com_content", "id=...").
    virtual void ShowArticle(const QString& id) = 0;
    // Page "info/" + name framed for the real-estate section ("<dom_file>" + name). The name comes from a
    // link: the implementation must refuse a name that leads outside the program folder (InsideFolder).
    virtual void ShowDomFile(const QString& name) = 0;
    // Filter listing from a posted form body ("<search_dom>").
    virtual void ShowDomFilter(const QString& body) = 0;
    // Listing of a menu item ("PageNextDomList", "MenuDomID", "SortDom").
    virtual void ShowDomMenuList(const QString& page, const QString& menu, const QString& sort) = 0;
    // One offer ("ItemDomID").
    virtual void ShowDomItem(const QString& id) = 0;
    // A page of the general listing ("PageNextDomList", "SortDom").
    virtual void ShowDomListPage(const QString& page, const QString& sort) = 0;
};

// The section tabs of the main window.
class SectionsTarget {
public:
    virtual ~SectionsTarget() = default;
    // The real-estate tab: run when the real-estate back link steps past the oldest address.
    virtual void bTabNedvClick() = 0;
};

// What the router calls; any pointer may be null. Owned elsewhere; they must outlive the router.
struct PageTargets {
    CatalogueTarget* catalogue = nullptr;
    RealtyTarget* realty = nullptr;
    SectionsTarget* sections = nullptr;
};
