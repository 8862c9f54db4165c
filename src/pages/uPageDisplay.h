#pragma once

#include "pages/AppContext.h"
#include "pages/HtmlPane.h"

#include <QString>
#include <QStringList>
#include <functional>

// Puts composed pages into the main pane and keeps the two histories: the page history of written texts
// (back and forward buttons, scroll positions) and the address history of the real-estate links.
class PageDisplay {
public:
    // At most this many page-history entries are kept.
    static constexpr int MaxPages = 10;

    // Results of the address-history back step.
    enum class AddressStep { Nothing, Navigated, PastOldest };

    // pane is the main pane; ctx gives the program folder and the log. Both must outlive the display.
    PageDisplay(HtmlPane& pane, const AppContext& ctx);

    // Called with the states of the back and forward buttons whenever the page history sets them.
    std::function<void(bool backEnabled, bool nextEnabled)> onButtonStates;

    // html as the whole content of the main pane: no frame, no history.
    void web_write(const QString& html);
    // body framed by "info/index.htm", recorded and written.
    void ShowPage(const QString& body, const QString& title = QString());
    // html recorded and written unchanged.
    void ShowBarePage(const QString& html);
    // body framed by "info/index2.htm" (with the real-estate menu when withMenu) and written; not recorded.
    void ShowDomPage(const QString& body, bool withMenu);

    void sbBackClick();
    void sbNextClick();
    // Rewrites the newest page-history entry at its stored scroll position (no new entry, no recomposing).
    void ShowNewestPage();

    // Entries are the scroll position in decimal digits, ":#", then the page text.
    static QString SetHistoryScroll(int n, const QString& entry);
    static int GetHistoryScroll(const QString& entry);
    static QString GetHistoryPage(const QString& entry);

    // Records a routed real-estate or article address, unless the address history itself caused it.
    void RecordAddress(const QString& address);
    // "<next_page_dom>": one address forward; true when it navigated.
    bool NextPageDom();
    // "<back_page_dom>": one address back. PastOldest: stepped past the oldest address; the caller shows
    // the first real-estate page itself.
    AddressStep BackPageDom();

    // State, for the main window and tests.
    const QStringList& stNextPage() const { return stNextPage_; }
    int indexNextPage() const { return indexNextPage_; }
    const QStringList& stNextPageStr() const { return stNextPageStr_; }
    int indexNextPageStr() const { return indexNextPageStr_; }
    bool KeyNextPageStr() const { return KeyNextPageStr_; }
    bool BackEnabled() const { return indexNextPage_ > 0; }
    bool NextEnabled() const { return indexNextPage_ < stNextPage_.size() - 1; }

private:
    void RecordAndWrite(const QString& html);
    void ShowEntry(int index);
    void SetButtonStates();
    QString LoadTemplate(const QString& relative) const;

    HtmlPane& pane_;
    const AppContext& ctx_;
    QStringList stNextPage_;
    int indexNextPage_ = -1;
    QStringList stNextPageStr_;
    int indexNextPageStr_ = 0;
    bool KeyNextPageStr_ = true;
};
