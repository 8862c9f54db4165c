#pragma once

#include "catalogue/uCatalogue.h"
#include "catalogue/uCatalogueTrees.h"
#include "pages/uPageDisplay.h"
#include "pages/uRouter.h"
#include "realty/uRealty.h"
#include "shell/uBanners.h"
#include "shell/uSectionTabs.h"

#include <array>

class MainCore;
class HtmlPane;

// The main window's five panes as the page engine uses them.
struct MainPanes {
    HtmlPane& webBrowser;
    HtmlPane& webBanerLeft;
    HtmlPane& webBanerRight1;
    HtmlPane& webBanerRight2;
    HtmlPane& webTop;
};

// The page engine and the page parts wired over the window's panes and trees: page display on the main
// pane, the router every pane reports to, the banner and header writers, the section tabs and the
// catalogue trees and their pages, the real-estate pages. Lives as long as the panes; the window creates it
// once its widgets exist.
class MainPages {
public:
    MainPages(MainCore& core, MainPanes panes, SectionView& view, std::array<QTreeWidget*, kTreeCount> trees,
              std::array<QWidget*, 4> treePanels);
    ~MainPages();
    MainPages(const MainPages&) = delete;
    MainPages& operator=(const MainPages&) = delete;

    PageDisplay& Display() { return display_; }
    Router& Routing() { return router_; }
    BannerPanes& Banners() { return banners_; }
    SectionTabs& Tabs() { return tabs_; }
    CatalogueTrees& Trees() { return trees_; }
    Catalogue& Catalog() { return catalogue_; }
    RealtyPages& Realty() { return realty_; }

    // Start-up steps 9 to 12: the left banner, the two right banners and the header.
    void WriteBannersAndHeader();

private:
    MainCore& core_;
    PageDisplay display_;
    Router router_;
    BannerPanes banners_;
    SectionTabs tabs_;
    CatalogueTrees trees_;
    Catalogue catalogue_;
    RealtyPages realty_;
};
