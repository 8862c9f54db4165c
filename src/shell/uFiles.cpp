#include "shell/uFiles.h"

#include "shell/uCodePage.h"
#include "shell/uLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString Slashes(QString p) {
    return p.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Finds name in folder without regard to case; empty when there is no such entry.
QString MatchEntry(const QString& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return QString();
}

} // namespace

QString ResolvePath(const QString& path, const QString& programFolder) {
    const QString p = Slashes(path);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    const QString base = Slashes(programFolder);
    if (base.isEmpty() || !p.startsWith(base))
        return p;
    QString current = base;
    const QStringList parts = p.mid(base.size()).split(QLatin1Char('/'));
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = current + part;
        if (!QFileInfo::exists(next)) {
            const QString match = MatchEntry(current, part);
            if (match.isEmpty())
                return p; // nothing like it: the caller sees the missing path as given
            next = current + match;
        }
        current = (i + 1 < parts.size()) ? next + QLatin1Char('/') : next;
    }
    return current;
}

bool StoredFileExists(const QString& path, const QString& programFolder) {
    return QFileInfo(ResolvePath(path, programFolder)).isFile();
}

QString LoadTextFile(const QString& path, const Log* log, const QString& programFolder) {
    const QString real = ResolvePath(path, programFolder);
    if (real.isEmpty() || !QFileInfo(real).isFile())
        return QString();
    QFile file(real);
    if (!file.open(QIODevice::ReadOnly)) {
        if (log)
            log->WriteLog(file.errorString());
        return QString();
    }
    QByteArray bytes;
    char block[65536];
    for (;;) {
        const qint64 n = file.read(block, sizeof block);
        if (n < 0) {
            if (log)
                log->WriteLog(file.errorString());
            break;
        }
        if (n == 0)
            break;
        bytes.append(block, n);
    }
    return cp1251::Decode(bytes);
}

DiskSpace GetDiskSpace(const QString& folder) {
    QStorageInfo info(Slashes(folder));
    if (!info.isValid() || !info.isReady())
        return {};
    return {static_cast<double>(info.bytesTotal()), static_cast<double>(info.bytesAvailable())};
}
