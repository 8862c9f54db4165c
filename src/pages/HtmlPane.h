#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Margins of a pane's body in pixels; the body also gets border "none" and hidden overflow.
struct BodyStyle {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
};

// One HTML pane as the page engine sees it. The real one wraps a Qt WebEngine view; tests record.
class HtmlPane {
public:
    virtual ~HtmlPane() = default;

    // Shows html as the whole content in place of the previous page. Raises no before-navigate event.
    virtual void Write(const QString& html) = 0;
    // Border "none", the four margins, overflow-x and overflow-y "hidden" on the body.
    virtual void SetBodyStyle(const BodyStyle& style) = 0;
    // Vertical scroll position of the page on screen.
    virtual int ScrollPosition() const = 0;
    // Scrolls the page just written to y (applied once it has loaded).
    virtual void SetScrollPosition(int y) = 0;
    // Opens a print preview of the page on screen.
    virtual void PrintPreview() = 0;
    // Navigates to address; the before-navigate event for it comes later, from the event loop.
    virtual void Navigate(const QString& address) = 0;

    // Before-navigate: the address as written in the link (behind "about:") and, for a submitted form,
    // its URL-encoded body. Returns true to cancel the pane's own navigation.
    std::function<bool(const QString& url, const QByteArray& postData)> onBeforeNavigate;
    // Document complete: the pane finished loading a page.
    std::function<void()> onDocumentComplete;
};
