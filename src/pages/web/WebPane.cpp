#include "pages/web/WebPane.h"

#include "pages/web/WebProfile.h"
#include "pages/web/WebScheme.h"

#include <QApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrlQuery>
#include <QWebChannel>
#include <QWebEngineHttpRequest>
#include <QWebEngineScript>

namespace {

// The object the injected script talks to through the web channel.
class WebBridge : public QObject {
    Q_OBJECT
public:
    explicit WebBridge(WebPane* pane) : QObject(pane), pane_(pane) {}

    Q_INVOKABLE void report(const QString& json) {
        const QJsonObject msg = QJsonDocument::fromJson(json.toUtf8()).object();
        const QString kind = msg.value(QLatin1String("kind")).toString();
        if (kind != QLatin1String("link") && kind != QLatin1String("form"))
            return;
        // The channel delivers from inside its own message handling: act from the event loop.
        const QString raw = msg.value(QLatin1String("url")).toString();
        const QString resolved = msg.value(QLatin1String("resolved")).toString();
        const QByteArray body = msg.value(QLatin1String("body")).toString().toUtf8();
        QTimer::singleShot(0, pane_, [pane = pane_, kind, raw, resolved, body] {
            pane->HandleReport(kind, raw, resolved, body);
        });
    }

private:
    WebPane* pane_;
};

int g_paneCount = 0;

// "about:blank" or "about:" in front of an address, as the router's addresses carry them.
QString WithoutAboutPrefix(const QString& a) {
    if (a.startsWith(QLatin1String("about:blank"), Qt::CaseInsensitive) && a.size() > 11)
        return a.mid(11);
    if (a.startsWith(QLatin1String("about:"), Qt::CaseInsensitive) &&
        !a.startsWith(QLatin1String("about:blank")))
        return a.mid(6);
    return a;
}

} // namespace

WebPanePage::WebPanePage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

bool WebPanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || type == NavigationTypeRedirect)
        return true;
    if (!expected_.isEmpty() && url == expected_) {
        expected_.clear();
        return true;
    }
    if (onForeignNavigation && onForeignNavigation(url))
        return false;
    return true;
}

QWebEnginePage* WebPanePage::createWindow(WebWindowType) {
    // A window the page asks for never opens: its first address goes to the pane like a click.
    auto* popup = new WebPanePage(profile(), this);
    popup->onForeignNavigation = [this, popup](const QUrl& url) {
        if (url.isEmpty() || url.toString() == QLatin1String("about:blank"))
            return false;
        QTimer::singleShot(0, this, [this, url] {
            if (onForeignNavigation && !onForeignNavigation(url))
                setUrl(url);
        });
        popup->deleteLater();
        return true;
    };
    return popup;
}

WebPane::WebPane(WebProfile& profile, QWidget* parent)
    : QWebEngineView(parent), profile_(profile), page_(new WebPanePage(profile.Profile(), this)),
      channel_(new QWebChannel(this)), key_(QStringLiteral("pane%1").arg(++g_paneCount)) {
    channel_->registerObject(QStringLiteral("velomarBridge"), new WebBridge(this));
    page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
    page_->onForeignNavigation = [this](const QUrl& url) { return RouteForeign(url); };
    setPage(page_);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::loadFinished, this, &WebPane::OnLoadFinished);
}

WebPane::~WebPane() {
    profile_.Scheme().RemovePage(key_);
    // The page must go before the view and the channel it uses.
    setPage(nullptr);
    delete page_;
}

void WebPane::Prepare() {
    show();
    QCoreApplication::processEvents();
}

void WebPane::Write(const QString& html) {
    const QUrl url = profile_.Scheme().SetPage(key_, html);
    // A fresh address each time, so the engine never takes the page from its cache.
    QUrl unique = url;
    static quint64 serial = 0;
    QUrlQuery query(unique);
    query.addQueryItem(QStringLiteral("n"), QString::number(++serial));
    unique.setQuery(query);
    current_ = unique;
    currentIsWrite_ = true;
    loading_ = true;
    // A style or scroll position asked for the previous page does not carry over to this one.
    pendingStyle_.reset();
    pendingScroll_.reset();
    page_->ExpectLoad(unique);
    page_->load(unique);
}

void WebPane::LoadAddress(const QUrl& url, const QByteArray& postData) {
    current_ = url;
    currentIsWrite_ = false;
    loading_ = true;
    pendingStyle_.reset();
    pendingScroll_.reset();
    page_->ExpectLoad(url);
    if (postData.isEmpty()) {
        page_->load(url);
        return;
    }
    QWebEngineHttpRequest request(url, QWebEngineHttpRequest::Post);
    request.setHeader("Content-Type", "application/x-www-form-urlencoded");
    request.setPostData(postData);
    page_->load(request);
}

void WebPane::OnLoadFinished(bool ok) {
    // A load that a newer one replaced finishes too; only the newest counts.
    if (!loading_ || (currentIsWrite_ && page_->url() != current_))
        return;
    loading_ = false;
    if (pendingStyle_)
        ApplyBodyStyle(*std::exchange(pendingStyle_, std::nullopt));
    if (pendingScroll_)
        page_->runJavaScript(
            QStringLiteral("window.scrollTo(0, %1);").arg(*std::exchange(pendingScroll_, std::nullopt)),
            QWebEngineScript::ApplicationWorld);
    if (currentIsWrite_) {
        emit written(ok);
    } else if (ok && onDocumentComplete) {
        onDocumentComplete();
    }
}

void WebPane::SetBodyStyle(const BodyStyle& style) {
    if (loading_) {
        pendingStyle_ = style;
        return;
    }
    ApplyBodyStyle(style);
}

void WebPane::ApplyBodyStyle(const BodyStyle& s) {
    page_->runJavaScript(
        QStringLiteral("(function () { var b = document.body; if (!b) return; var s = b.style;"
                       " s.borderStyle = 'none'; s.marginTop = '%1px'; s.marginBottom = '%2px';"
                       " s.marginLeft = '%3px'; s.marginRight = '%4px';"
                       " s.overflowX = 'hidden'; s.overflowY = 'hidden'; })();")
            .arg(s.top)
            .arg(s.bottom)
            .arg(s.left)
            .arg(s.right),
        QWebEngineScript::ApplicationWorld);
}

int WebPane::ScrollPosition() const {
    return qRound(page_->scrollPosition().y());
}

void WebPane::SetScrollPosition(int y) {
    if (loading_) {
        pendingScroll_ = y;
        return;
    }
    page_->runJavaScript(QStringLiteral("window.scrollTo(0, %1);").arg(y),
                         QWebEngineScript::ApplicationWorld);
}

void WebPane::PrintPreview() {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintPreviewDialog(printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        // The preview paints synchronously; the view prints asynchronously.
        QEventLoop loop;
        connect(this, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
        print(p);
        loop.exec();
    });
    dialog->setWindowState(Qt::WindowMaximized);
    dialog->open();
}

void WebPane::Navigate(const QString& address) {
    QTimer::singleShot(0, this, [this, address] {
        if (onBeforeNavigate && onBeforeNavigate(address, QByteArray()))
            return;
        LoadAddress(QUrl::fromUserInput(WithoutAboutPrefix(address)));
    });
}

void WebPane::HandleReport(const QString& kind, const QString& raw, const QString& resolved,
                           const QByteArray& body) {
    const QString address = QStringLiteral("about:") + raw;
    const QByteArray postData = kind == QLatin1String("form") ? body : QByteArray();
    if (onBeforeNavigate && onBeforeNavigate(address, postData))
        return;
    LoadAddress(QUrl(resolved), postData);
}

bool WebPane::RouteForeign(const QUrl& url) {
    const bool cancel = onBeforeNavigate && onBeforeNavigate(url.toString(), QByteArray());
    if (!cancel) {
        current_ = url;
        currentIsWrite_ = false;
        loading_ = true;
    }
    return cancel;
}

#include "WebPane.moc"
