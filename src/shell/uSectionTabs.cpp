#include "shell/uSectionTabs.h"

#include "pages/AppContext.h"
#include "pages/Desktop.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uRouter.h"
#include "pages/uTemplates.h"
#include "shell/uBanners.h"
#include "shell/uLog.h"
#include "shell/uPrompts.h"
#include "shell/uSite.h"

namespace {

const QString kFilePath = QStringLiteral("<file_path>");

} // namespace

SectionTabs::SectionTabs(AppContext& ctx, BannerPanes& panes, SectionView& view, Prompts& prompts)
    : ctx_(ctx), panes_(panes), view_(view), prompts_(prompts) {}

void SectionTabs::ShowSidePanels(bool visible) {
    view_.SetSidePanelsVisible(visible);
}

QString SectionTabs::StartPageBody() const {
    const QString& folder = ctx_.programFolder;
    return ReplaceTag(LoadTextFile(folder + QStringLiteral("info\\start.htm"), ctx_.log, folder), kFilePath,
                      folder);
}

void SectionTabs::HeaderRewrite(const QString& file) {
    const QString& folder = ctx_.programFolder;
    if (!StoredFileExists(folder + file, folder))
        return;
    panes_.webt1_write(ReplaceTag(LoadTextFile(folder + file, ctx_.log, folder), kFilePath, folder));
}

void SectionTabs::sBitBtn3Click() {
    ShowSidePanels(true);
    ctx_.Web_Path.clear();
    ctx_.display->ShowPage(StartPageBody(), QString());
    HeaderRewrite(QStringLiteral("logos\\logo.htm"));
}

void SectionTabs::bTabFairClick() {
    const QString& folder = ctx_.programFolder;
    const QString relative = QStringLiteral("info\\");
    ctx_.Web_Path = folder + QStringLiteral("info/");
    ShowSidePanels(false);
    QString text = LoadTextFile(folder + QStringLiteral("info\\startfair.htm"), ctx_.log, folder);
    text = RewriteHref(RewriteSrc(text), relative);
    ctx_.display->ShowBarePage(ReplaceTag(text, kFilePath, ctx_.Web_Path));
    HeaderRewrite(QStringLiteral("logos\\logo.htm"));
}

void SectionTabs::bTabNedvClick() {
    ctx_.Web_Path.clear();
    ShowSidePanels(false);
    Guarded(
        realty_.showFirstPage); // a listing that fails leaves the page on screen; the header still changes
    HeaderRewrite(QStringLiteral("logosnedv\\logo.htm"));
}

void SectionTabs::sPanel1Click() {
    bTabNedvClick();
    view_.ShowNedvPressed();
    Guarded(realty_.showNewBuildings);
}

void SectionTabs::Guarded(const std::function<void()>& show) {
    if (!show)
        return;
    try {
        show();
    } catch (const std::exception& e) {
        if (onError_)
            onError_(e);
        else if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("Error: ") + QString::fromUtf8(e.what()));
    }
}

QString SectionTabs::MapProgram() const {
    const QString& folder = ctx_.programFolder;
    if (!StoredFileExists(folder + QStringLiteral("map"), folder) &&
        StoredFileExists(folder + QStringLiteral("map.exe"), folder))
        return LocalPath(QStringLiteral("map.exe"), folder);
    return LocalPath(QStringLiteral("map"), folder);
}

bool SectionTabs::RunProgram(const QString& program) {
    return ctx_.desktop && ctx_.desktop->StartProgram(program);
}

void SectionTabs::bTabMapClick() {
    RunProgram(MapProgram());
}

void SectionTabs::imgSiteClick() {
    if (ctx_.desktop)
        ctx_.desktop->OpenUrl(site::Address());
}

void SectionTabs::sLabel7Click() {
    if (ctx_.desktop)
        ctx_.desktop->OpenUrl(LocalPath(QStringLiteral("info\\anketa.html"), ctx_.programFolder));
}

void SectionTabs::bUpdateClick() {
    if (diskSpace_(ctx_.programFolder).freeForUser <= 10) {
        prompts_.Warning(QStringLiteral("Обновление программы невозможно."));
        return;
    }
    view_.ShowUpdateWindow();
}

void SectionTabs::sLabel9Click() {
    ctx_.Web_Path.clear();
    ctx_.display->ShowPage(StartPageBody(), QString());
}
