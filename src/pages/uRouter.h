#pragma once

#include "pages/AppContext.h"
#include "pages/HtmlPane.h"
#include "pages/PageTargets.h"

#include <QByteArray>
#include <QString>

// The one handler of every pane's before-navigate event: recognises the marker of a link address, cancels
// the pane's own navigation and opens the page, hands a file or address to the desktop, or prints.
class Router {
public:
    // ctx.display and ctx.desktop must be set; mainPane is the pane that is printed. All must outlive the
    // router.
    Router(AppContext& ctx, HtmlPane& mainPane, PageTargets targets = {});

    void SetTargets(PageTargets targets) { targets_ = targets; }

    // Returns Cancel: true when the router handled the address, false when the pane is to load it itself.
    // Never throws: an error that escapes a branch is logged as "Error: " + message + "(" + class + ")".
    bool WebBrowserBeforeNavigate2(const QString& url, const QByteArray& postData);

    // Print preview of the main pane.
    void PrintIE();

    // The row of the dispatch list that decided the last address (1-28), for tests and diagnostics.
    int LastRow() const { return lastRow_; }

    // The posted form body as text: each byte as the character of the same code, up to the first zero byte.
    static QString PostedText(const QByteArray& postData);

private:
    bool Dispatch(const QString& url, const QString& a, const QByteArray& postData);
    void Price(const QString& a);
    void Mail(const QString& a);
    void AddressForward();
    void AddressBack();
    void HomePage();
    void SetOrgVisible(const QString& a, const QString& marker, bool visible);
    void BareStaticPage(const QString& a);
    void BannerPage(const QString& a, const QString& marker);
    void RunProgram(QString a);
    void StatiPage(const QString& a);
    void OpenDocument(QString a);
    void LinkSearchPage(const QString& a);
    void RelativeStaticPage(QString a);
    void FramedStaticPage(const QString& path);
    bool Refuse(const QString& path, const QString& what) const;
    void WriteLog(const QString& line) const;

    AppContext& ctx_;
    HtmlPane& mainPane_;
    PageTargets targets_;
    int lastRow_ = 0;
};

// Value of key in a link's query: the text after the first "KEY=" (letter case ignored, so "id" also
// matches the end of "ItemDomID=") up to the next "&" or the end; empty when absent.
QString UrlParam(const QString& key, const QString& text);
// a + " or " + b, or b alone when a is empty.
QString OrJoin(const QString& a, const QString& b);
// Puts "<file_path>" in front of every src= value of a static page (quoted web addresses excepted) and
// turns every "target=" into "no=".
QString RewriteSrc(const QString& html);
// Puts "<id_file>" + folder in front of every href= value, then turns "target=" into "no=".
QString RewriteHref(const QString& html, const QString& folder);
// The text after the prefix "about:blank" or "about:" the pane reports written links behind.
QString RemovePrefix(const QString& a);
