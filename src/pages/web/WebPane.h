#pragma once

#include "pages/HtmlPane.h"

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <optional>

class WebProfile;
class QWebChannel;

// The page of a pane: routes navigations it did not start itself, and windows a page asks for.
class WebPanePage : public QWebEnginePage {
    Q_OBJECT
public:
    WebPanePage(QWebEngineProfile* profile, QObject* parent);

    // The next main-frame navigation to url is the pane's own (a write or a load it was told to make).
    void ExpectLoad(const QUrl& url) { expected_ = url; }
    // Called for a main-frame navigation the pane did not start; returns true to cancel it.
    std::function<bool(const QUrl& url)> onForeignNavigation;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    QUrl expected_;
};

// An HTML pane on Qt WebEngine.
//
// - Write serves the text through the program's scheme (any size) and raises no before-navigate.
// - A click on a link (also middle-click and target=_blank) and a form submission are reported with
//   the address exactly as written in the page: "about:" + the href or the form action. A submitted
//   form also reports its URL-encoded body; a field marked data-escaped (its value already
//   percent-escaped by the page) goes into the body as it is. A GET form reports action + "?" + body.
// - What the before-navigate handler leaves uncancelled, the pane loads itself.
// - onDocumentComplete follows the pane's own loads (Navigate, links left to it), not writes;
//   written(ok) follows writes.
class WebPane : public QWebEngineView, public HtmlPane {
    Q_OBJECT
public:
    WebPane(WebProfile& profile, QWidget* parent = nullptr);
    ~WebPane() override;

    void Write(const QString& html) override;
    void SetBodyStyle(const BodyStyle& style) override;
    int ScrollPosition() const override;
    void SetScrollPosition(int y) override;
    void PrintPreview() override;
    void Navigate(const QString& address) override;

    // Makes the pane visible and ready for writes.
    void Prepare();
    // True while a written page or a load is on its way.
    bool Loading() const { return loading_; }
    // Handles a report of the injected script: kind "link" or "form", the raw address, the address
    // resolved by the page, and the form body. Public for the bridge object.
    void HandleReport(const QString& kind, const QString& raw, const QString& resolved,
                      const QByteArray& body);

signals:
    // A written page has been loaded (ok) or failed to load.
    void written(bool ok);

private:
    void LoadAddress(const QUrl& url, const QByteArray& postData = {});
    void OnLoadFinished(bool ok);
    void ApplyBodyStyle(const BodyStyle& style);
    bool RouteForeign(const QUrl& url);

    WebProfile& profile_;
    WebPanePage* page_;
    QWebChannel* channel_;
    QString key_;
    QUrl current_; // the address being loaded or shown
    bool currentIsWrite_ = false;
    bool loading_ = false;
    std::optional<BodyStyle> pendingStyle_;
    std::optional<int> pendingScroll_;
};
