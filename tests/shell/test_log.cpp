#include "shell/uCodePage.h"
#include "shell/uLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Log, WithoutTheSwitchNothingIsCreated) {
    QTemporaryDir dir;
    Log log(dir.path() + "/", false);
    log.WriteLog("anything");
    EXPECT_FALSE(QDir(dir.path() + "/log").exists());
}

TEST(Log, LinesOfOneDayShareAFileAndMidnightStartsTheNext) {
    QTemporaryDir dir;
    QDateTime now(QDate(2026, 3, 7), QTime(23, 59, 58));
    Log log(dir.path() + "/", true, [&] { return now; });
    log.WriteLog("1");
    log.WriteLog(QString::fromUtf8("Ошибка"));
    log.WriteLog(QString());
    now = QDateTime(QDate(2026, 3, 8), QTime(0, 0, 1));
    log.WriteLog("2");

    EXPECT_EQ(Log::FileName(QDate(2026, 3, 7)), "07032026.log");
    const QByteArray first = ReadAll(dir.path() + "/log/07032026.log");
    EXPECT_EQ(first, QByteArray("07.03.2026 23:59:58 : 1\r\n07.03.2026 23:59:58 : ") +
                         cp1251::Encode(QString::fromUtf8("Ошибка")) + "\r\n07.03.2026 23:59:58 : \r\n");
    EXPECT_EQ(ReadAll(dir.path() + "/log/08032026.log"), QByteArray("08.03.2026 00:00:01 : 2\r\n"));
}

TEST(Log, AMissingProgramFolderDropsTheLine) {
    Log log("/nonexistent-velomar-folder/deeper/", true);
    EXPECT_NO_THROW(log.WriteLog("lost"));
    EXPECT_FALSE(QDir("/nonexistent-velomar-folder").exists());
}
