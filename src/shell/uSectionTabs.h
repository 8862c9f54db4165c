#pragma once

#include "pages/PageTargets.h"
#include "shell/uFiles.h"

#include <QString>
#include <exception>
#include <functional>

struct AppContext;
class BannerPanes;
class Prompts;

// What the section tabs change in the window: the side columns, the pressed look of "Недвижимость" and
// the update window.
class SectionView {
public:
    virtual ~SectionView() = default;
    // sP_Left, sP_Search and sP_Right, in that order.
    virtual void SetSidePanelsVisible(bool visible) = 0;
    // Shows bTabNedv as pressed.
    virtual void ShowNedvPressed() = 0;
    // Opens the update window modally; returns when it closes.
    virtual void ShowUpdateWindow() = 0;
};

// The section tabs of the tab bar and the buttons that leave the program: construction, exhibition and
// real estate share the main pane; the map program, the publisher's site, the questionnaire and the
// update window open beside it.
class SectionTabs : public SectionsTarget {
public:
    // The real-estate pages the tabs open.
    struct Realty {
        // The first page of the general listing (visible offers below type 70, 20 a page, page 0).
        std::function<void()> showFirstPage;
        // The new-building catalogue: every district, page 1.
        std::function<void()> showNewBuildings;
    };

    SectionTabs(AppContext& ctx, BannerPanes& panes, SectionView& view, Prompts& prompts);

    void SetRealty(Realty realty) { realty_ = std::move(realty); }
    // Where a real-estate page that fails is reported (the page on screen stays); by default the log
    // gets "Error: " + the message.
    void SetErrorHandler(std::function<void(const std::exception&)> onError) {
        onError_ = std::move(onError);
    }
    // Tests replace the disk-space query.
    void SetDiskSpace(std::function<DiskSpace(const QString&)> query) { diskSpace_ = std::move(query); }

    void ShowSidePanels(bool visible);

    // "Строительство": side columns, start page, construction header.
    void sBitBtn3Click();
    // "Выставка ТАРВЕКС": no side columns, "info\startfair.htm" unframed with its links through the
    // program, construction header.
    void bTabFairClick();
    // "Недвижимость": no side columns, first real-estate page, real-estate header.
    void bTabNedvClick() override;
    // "Каталог новостроек": the real-estate tab, pressed, then the new-building catalogue.
    void sPanel1Click();
    // "Карта НСО": starts the map program beside this one.
    void bTabMapClick();
    // The site button: the publisher's site in the user's browser.
    void imgSiteClick();
    // "Анкета": the questionnaire in the user's browser.
    void sLabel7Click();
    // "Обновить": the update window, or a warning when the disk has no room.
    void bUpdateClick();
    // "Главная": the start page; panels and header stay.
    void sLabel9Click();

    // Starts program without waiting; false when it could not be started. Nothing is reported.
    bool RunProgram(const QString& program);
    // The map program: "map" in the program folder, or "map.exe" when only that one is there.
    QString MapProgram() const;
    // "info\start.htm" with "<file_path>" filled.
    QString StartPageBody() const;

private:
    void HeaderRewrite(const QString& file);
    void Guarded(const std::function<void()>& show);

    AppContext& ctx_;
    BannerPanes& panes_;
    SectionView& view_;
    Prompts& prompts_;
    Realty realty_;
    std::function<DiskSpace(const QString&)> diskSpace_ = GetDiskSpace;
    std::function<void(const std::exception&)> onError_;
};
