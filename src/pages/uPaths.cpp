#include "pages/uPaths.h"

#include "shell/uFiles.h"

#include <QDir>
#include <QFileInfo>

QString Slashes(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString JoinPath(const QString& base, const QString& relative) {
    QString b = Slashes(base);
    QString r = Slashes(relative);
    while (r.startsWith(QLatin1String("../"))) {
        if (b == QLatin1String("/")) { // nothing above the root
            r.remove(0, 3);
            continue;
        }
        if (b.endsWith(QLatin1Char('/')))
            b.chop(1);
        const qsizetype cut = b.lastIndexOf(QLatin1Char('/'));
        b = cut > 0 ? b.left(cut + 1) : b.left(1);
        r.remove(0, 3);
    }
    return b + r;
}

QString FolderOf(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? QString() : path.left(cut + 1);
}

QString LocalPath(const QString& path, const QString& programFolder) {
    QString p = Slashes(path);
    if (!p.isEmpty() && QDir::isRelativePath(p))
        p = Slashes(programFolder) + p;
    if (p.contains(QChar(0))) // no file has such a name; the file system is not asked
        return p;
    return ResolvePath(p, programFolder);
}

bool InsideFolder(const QString& path, const QString& programFolder) {
    if (path.isEmpty() || programFolder.isEmpty() || path.contains(QChar(0)))
        return false;
    const QString folder = QDir::cleanPath(Slashes(programFolder));
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QString local = LocalPath(path, programFolder);
    const QFileInfo info(local);
    auto below = [](const QString& p, const QString& f) {
        return !f.isEmpty() && p.startsWith(f + QLatin1Char('/')) && p.size() > f.size() + 1;
    };
    if (info.exists()) {
        const QString real = info.canonicalFilePath();
        return below(real, canonicalFolder.isEmpty() ? folder : canonicalFolder);
    }
    return below(QDir::cleanPath(info.absoluteFilePath()), folder);
}
