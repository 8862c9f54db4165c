#include "pages/uQtDesktop.h"

#include "shell/uFiles.h"
#include "shell/uLog.h"
#include "shell/uSwitches.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

QtDesktop::QtDesktop(QString programFolder, const Log* log)
    : programFolder_(std::move(programFolder)), log_(log) {}

namespace {
bool IsAddress(const QString& s) {
    const QString l = AsciiLower(s);
    for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"})
        if (l.startsWith(QLatin1String(scheme)))
            return true;
    return false;
}
} // namespace

void QtDesktop::OpenUrl(const QString& pathOrAddress) {
    QUrl url;
    if (IsAddress(pathOrAddress)) {
        url = QUrl(pathOrAddress, QUrl::TolerantMode);
    } else {
        QString path = ResolvePath(pathOrAddress, programFolder_);
        if (path.isEmpty())
            return;
        if (QDir::isRelativePath(path))
            path = ResolvePath(programFolder_ + path, programFolder_);
        url = QUrl::fromLocalFile(path);
    }
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        if (log_)
            log_->WriteLog(QStringLiteral("Cannot open: ") + pathOrAddress);
    }
}

bool QtDesktop::StartProgram(const QString& program) {
    const QString path = ResolvePath(program, programFolder_);
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, {});
}
