#pragma once

#include <QHash>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineUrlRequestJob;

// The panes' own URL scheme. Written pages and the files of the program folder are served through it,
// so a page of any size loads whole and a page can show pictures beside the program by absolute path.
namespace webscheme {

inline constexpr char kScheme[] = "velomar";

// Registers the scheme with the web engine; must run before the QApplication is created.
void Register();

} // namespace webscheme

// Serves "velomar:<absolute path>" for files below the program folder (stored case and slashes are
// resolved like every other file access; anything outside the folder is refused) and
// "velomar:<program folder>?page=<key>" for a page the program has written.
class WebSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    // programFolder ends with '/'.
    WebSchemeHandler(QString programFolder, QObject* parent = nullptr);

    // Stores html under key (replacing what was there) and returns the address that serves it.
    QUrl SetPage(const QString& key, const QString& html);
    void RemovePage(const QString& key);
    const QString& ProgramFolder() const { return programFolder_; }

    void requestStarted(QWebEngineUrlRequestJob* job) override;

    // The file below the program folder that a request path names, or empty when there is none or it
    // lies outside. path is the decoded URL path (may hold backslashes).
    QString FileFor(const QString& path) const;

private:
    QString programFolder_;
    QString canonicalFolder_;
    QHash<QString, QByteArray> pages_;
};
