#include "shell/uCodePage.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(LoadTextFile, ReadsWholeFilesOfAnySize) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    for (int size : {0, 1, 2047, 2048, 2049, 3 * 65536 + 5}) {
        QByteArray bytes(size, 'x');
        Write(root + "f.htm", bytes);
        EXPECT_EQ(LoadTextFile(root + "f.htm").size(), size) << size;
    }
}

TEST(LoadTextFile, DecodesWindows1251) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    Write(root + "ru.htm", QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2 <b>\xB8</b>"));
    EXPECT_EQ(LoadTextFile(root + "ru.htm"), QString::fromUtf8("Привет <b>ё</b>"));
}

TEST(LoadTextFile, MissingOrUnreadableGivesEmptyText) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    Log log(root, true);
    EXPECT_EQ(LoadTextFile(root + "none.htm", &log), QString());
    EXPECT_FALSE(QDir(root + "log").exists()) << "a missing file is not logged";

    EXPECT_EQ(LoadTextFile(root, &log), QString()) << "a folder is no file";
    EXPECT_EQ(LoadTextFile(QString(), &log), QString());

    Write(root + "locked.htm", "secret");
    QFile::setPermissions(root + "locked.htm", QFileDevice::Permissions());
    QFile probe(root + "locked.htm");
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(LoadTextFile(root + "locked.htm", &log), QString());
    EXPECT_TRUE(QDir(root + "log").exists()) << "the reason is logged";
}

TEST(LoadTextFile, AReadErrorGivesEmptyTextAndIsLogged) {
    // Reading a process's memory at offset 0 fails with an I/O error, whatever the rights.
    const QString failing = QStringLiteral("/proc/self/mem");
    if (!QFileInfo(failing).isFile())
        GTEST_SKIP() << "no /proc on this machine";
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    Log log(root, true);
    EXPECT_EQ(LoadTextFile(failing, &log), QString());
    EXPECT_FALSE(QDir(root + "log").entryList(QDir::Files).isEmpty()) << "the reason is logged";
}

TEST(LoadTextFile, FindsStoredPathsWithoutRegardToCaseBelowTheProgramFolder) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    Write(root + "Info/Dom/ItemStat.HTM", "ok");
    EXPECT_EQ(LoadTextFile(root + "info\\dom\\itemstat.htm", nullptr, root), "ok");
    EXPECT_EQ(LoadTextFile(root + "info/DOM/itemstat.htm", nullptr, root), "ok");
    EXPECT_TRUE(StoredFileExists(root + "INFO\\dom\\itemstat.htm", root));
    EXPECT_EQ(LoadTextFile(root + "info\\dom\\other.htm", nullptr, root), QString());
    EXPECT_EQ(ResolvePath(root + "info\\dom\\other.htm", root), root + "info/dom/other.htm");
}

TEST(LoadTextFile, SurvivesRandomBytes) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QRandomGenerator rng(42);
    for (int i = 0; i < 20; ++i) {
        QByteArray bytes(int(rng.bounded(100000)), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(rng.bounded(256));
        Write(root + "r.bin", bytes);
        const QString text = LoadTextFile(root + "r.bin");
        ASSERT_EQ(text.size(), bytes.size());
        EXPECT_EQ(cp1251::Encode(text), bytes);
    }
}

TEST(GetDiskSpace, ReportsTheVolumeOfAFolderAndZerosForNone) {
    QTemporaryDir dir;
    const DiskSpace here = GetDiskSpace(dir.path());
    EXPECT_GT(here.total, 0);
    EXPECT_LE(here.freeForUser, here.total);
    const DiskSpace none = GetDiskSpace("/no/such/folder/anywhere");
    EXPECT_EQ(none.total, 0);
    EXPECT_EQ(none.freeForUser, 0);
}
