#include "shell/uMainPages.h"

#include "pages/uTemplates.h"
#include "shell/uApplication.h"
#include "shell/uFiles.h"
#include "shell/uMainCore.h"

MainPages::MainPages(MainCore& core, MainPanes panes, SectionView& view,
                     std::array<QTreeWidget*, kTreeCount> trees, std::array<QWidget*, 4> treePanels)
    : core_(core), display_(panes.webBrowser, core.Context()), router_(core.Context(), panes.webBrowser),
      banners_(panes.webBanerLeft, panes.webBanerRight1, panes.webBanerRight2, panes.webTop),
      tabs_(core.Context(), banners_, view, core.Messages()), trees_(trees, treePanels, &core.Logger()),
      catalogue_(core.Context(), &trees_), realty_(core.Context()) {
    core.Context().display = &display_;
    trees_.SetClickTarget(&catalogue_);
    router_.SetTargets({&catalogue_, &realty_, &tabs_});
    tabs_.SetRealty({[this] { realty_.ShowFirstPage(); },
                     [this] { realty_.ShowNovList(QString(), QStringLiteral("1")); }});
    tabs_.SetErrorHandler([&core](const std::exception& e) { core.WriteLog(AppErrorText(e)); });
    banners_.WireDocumentComplete();
    for (HtmlPane* pane : {&panes.webBrowser, &panes.webBanerLeft, &panes.webBanerRight1,
                           &panes.webBanerRight2, &panes.webTop})
        pane->onBeforeNavigate = [this](const QString& url, const QByteArray& postData) {
            return router_.WebBrowserBeforeNavigate2(url, postData);
        };

    MainHooks& hooks = core.Hooks();
    hooks.loadTrees = [this](Query& query) { trees_.Lodi(query, -1); };
    hooks.bTabNedvClick = [this] { tabs_.bTabNedvClick(); };
}

MainPages::~MainPages() {
    MainHooks& hooks = core_.Hooks();
    hooks.loadTrees = nullptr;
    hooks.bTabNedvClick = nullptr;
    core_.Context().display = nullptr;
}

void MainPages::WriteBannersAndHeader() {
    const QString& folder = core_.ProgramFolder();
    banners_.webl1_write(core_.Hooks().leftBannerLine ? core_.Hooks().leftBannerLine() : QString());
    core_.WriteLog(QStringLiteral("9"));
    banners_.webr1_write(BannerPanes::RightBanner1(folder));
    core_.WriteLog(QStringLiteral("10"));
    banners_.webr2_write(BannerPanes::RightBanner2(folder));
    core_.WriteLog(QStringLiteral("11"));
    const QString header = LoadTextFile(folder + QStringLiteral("logos\\logo.htm"), &core_.Logger(), folder);
    banners_.webt1_write(ReplaceTag(header, QStringLiteral("<file_path>"), folder));
    core_.WriteLog(QStringLiteral("12"));
}
