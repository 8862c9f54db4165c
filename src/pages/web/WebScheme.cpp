#include "pages/web/WebScheme.h"

#include "shell/uFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace webscheme {

void Register() {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

} // namespace webscheme

namespace {

QString PageQueryKey() {
    return QStringLiteral("page");
}

QByteArray ContentTypeOf(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    // The data folder's pages and text files are in Windows-1251.
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        return "text/html;charset=windows-1251";
    if (suffix == QLatin1String("css"))
        return "text/css;charset=windows-1251";
    if (suffix == QLatin1String("js"))
        return "text/javascript;charset=windows-1251";
    if (suffix == QLatin1String("txt"))
        return "text/plain;charset=windows-1251";
    return QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension).name().toLatin1();
}

} // namespace

WebSchemeHandler::WebSchemeHandler(QString programFolder, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), programFolder_(std::move(programFolder)) {
    canonicalFolder_ = QFileInfo(programFolder_).canonicalFilePath();
    if (!canonicalFolder_.isEmpty() && !canonicalFolder_.endsWith(QLatin1Char('/')))
        canonicalFolder_ += QLatin1Char('/');
}

QUrl WebSchemeHandler::SetPage(const QString& key, const QString& html) {
    pages_.insert(key, html.toUtf8());
    QUrl url;
    url.setScheme(QString::fromLatin1(webscheme::kScheme));
    url.setPath(programFolder_);
    QUrlQuery query;
    query.addQueryItem(PageQueryKey(), key);
    url.setQuery(query);
    return url;
}

void WebSchemeHandler::RemovePage(const QString& key) {
    pages_.remove(key);
}

QString WebSchemeHandler::FileFor(const QString& path) const {
    if (canonicalFolder_.isEmpty() || path.isEmpty())
        return QString();
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!p.startsWith(QLatin1Char('/')))
        return QString();
    p = QDir::cleanPath(p);
    // Pages written for the publisher's site address pictures from the site's root ("/dom/domimg/...");
    // the program folder stands in for that root.
    if (!p.startsWith(programFolder_))
        p = programFolder_ + p.mid(1);
    const QString real = ResolvePath(p, programFolder_);
    const QFileInfo info(real);
    if (!info.isFile())
        return QString();
    const QString canonical = info.canonicalFilePath();
    if (!canonical.startsWith(canonicalFolder_))
        return QString(); // a link or ".." that leaves the program folder
    return canonical;
}

void WebSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl url = job->requestUrl();
    const QUrlQuery query(url);
    if (query.hasQueryItem(PageQueryKey())) {
        const auto it = pages_.constFind(query.queryItemValue(PageQueryKey(), QUrl::FullyDecoded));
        if (it == pages_.constEnd()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* buffer = new QBuffer(job);
        buffer->setData(*it);
        buffer->open(QIODevice::ReadOnly);
        job->reply("text/html;charset=utf-8", buffer);
        return;
    }
    const QString file = FileFor(url.path(QUrl::FullyDecoded));
    if (file.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* device = new QFile(file, job);
    if (!device->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    job->reply(ContentTypeOf(file), device);
}
