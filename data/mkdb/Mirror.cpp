#include "Mirror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "shell/uCodePage.h"

namespace {

bool IsText(const QString& path) {
    static const QStringList kinds{"htm", "html", "css", "js", "txt", "csv"};
    return kinds.contains(QFileInfo(path).suffix().toLower());
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error((path + QStringLiteral(": ") + file.errorString()).toStdString());
    return file.readAll();
}

void WriteIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error((path + QStringLiteral(": ") + file.errorString()).toStdString());
}

} // namespace

const QStringList& ProgramFolders() {
    static const QStringList folders{"info", "pages", "banners", "prices", "logos", "logosnedv"};
    return folders;
}

QStringList MirrorFolder(const QString& sourceDir, const QString& distDir) {
    QStringList warnings;
    const QDir source(QDir(sourceDir).absolutePath());
    QDirIterator it(source.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = source.relativeFilePath(path);
        QByteArray bytes = ReadAll(path);
        if (IsText(path)) {
            QString text = QString::fromUtf8(bytes);
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
            int line = 1;
            for (const QChar c : text) {
                unsigned char b = 0;
                if (c == QLatin1Char('\n'))
                    ++line;
                else if (!cp1251::EncodeChar(c, &b))
                    warnings << QStringLiteral("%1:%2: U+%3 has no Windows-1251 byte, written as '?'")
                                    .arg(relative)
                                    .arg(line)
                                    .arg(c.unicode(), 4, 16, QLatin1Char('0'));
            }
            bytes = cp1251::Encode(text);
        }
        WriteIfChanged(distDir + QLatin1Char('/') + relative, bytes);
    }
    for (const QString& folder : ProgramFolders())
        QDir().mkpath(distDir + QLatin1Char('/') + folder);
    return warnings;
}
