#include "shell/uLog.h"

#include "shell/uCodePage.h"

#include <QDir>
#include <QFile>
#include <cstdio>

Log::Log(QString programFolder, bool enabled, Clock clock)
    : programFolder_(std::move(programFolder)), enabled_(enabled), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] { return QDateTime::currentDateTime(); };
}

QString Log::FileName(const QDate& day) {
    return day.toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".log");
}

void Log::WriteLog(const QString& message) const {
    if (!enabled_)
        return;
    const QString folder = Folder();
    if (!QDir(folder).exists() && !QDir().mkdir(folder))
        return;
    const QDateTime now = clock_();
    QFile file(folder + FileName(now.date()));
    const QByteArray line = cp1251::Encode(now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) +
                                           QStringLiteral(" : ") + message + QStringLiteral("\r\n"));
    if (!file.open(QIODevice::Append) || file.write(line) != line.size())
        std::fprintf(stderr, "velomar: cannot write the log %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
}
