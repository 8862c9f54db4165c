#pragma once

#include "PrintQt.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/HtmlPane.h"
#include "pages/uPageDisplay.h"
#include "shell/uCodePage.h"
#include "shell/uLog.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A program folder in a temporary directory: arch.db with the real-estate tables, the section's real
// templates (written in Windows-1251 as the build writes them), a recording main pane and its display.
class RealtyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path() + QLatin1Char('/');
        QFile(folder_ + QStringLiteral("arch.db")).open(QIODevice::WriteOnly);
        db_.SetDatabase(folder_ + QStringLiteral("arch.db"));
        Exec(QStringLiteral(
            "CREATE TABLE jos_db2_dom_list (id INTEGER, visibledom INTEGER, typedom INTEGER, riondom INTEGER,"
            " napravdom INTEGER, price NUMERIC, plohaddom NUMERIC, plohadzemla NUMERIC, datain TEXT, picname "
            "TEXT,"
            " sulica TEXT, coment TEXT, pname TEXT, stel TEXT, email TEXT);"
            "CREATE TABLE tNovdomlist (id INTEGER, iraion INTEGER, sname TEXT, simage TEXT, surl TEXT, stype "
            "TEXT,"
            " sadres TEXT, sdata TEXT, sinfo TEXT, szname TEXT, szadres TEXT, stel TEXT, semail TEXT);"
            "CREATE TABLE jos_db2_content (id INTEGER, title TEXT, introtext TEXT, fulltext TEXT);"));
        for (const char* name : {"index2.htm", "dom_menu.htm", "nedex.htm", "novedex.htm", "dom/itemstat.htm",
                                 "dom_rules.htm", "dom/deal.htm"})
            InstallTemplate(QString::fromLatin1(name));
        ctx_.programFolder = folder_;
        ctx_.log = &log_;
        ctx_.db = &db_;
        display_ = std::make_unique<PageDisplay>(pane_, ctx_);
        ctx_.display = display_.get();
    }

    void Exec(const QString& sql, const QVariantList& params = {}) {
        auto q = DBCrate(db_);
        q->Add(sql);
        q->ExecSQL(params);
    }

    // One offer; the rest of its columns get plain values.
    void AddOffer(int id, int type, int raion, double price,
                  const QString& street = QStringLiteral("ул. Ленина"), const QString& picname = QString(),
                  int visible = 1, double area = 50, int naprav = 0) {
        Exec(QStringLiteral(
                 "INSERT INTO jos_db2_dom_list VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {id, visible, type, raion, naprav, price, area, 1200, QStringLiteral("12.03.2025"), picname,
              street, QStringLiteral("Хорошая квартира"), QStringLiteral("Иван"),
              QStringLiteral("8-913-111-22-33"), QStringLiteral("ivan@example.ru")});
    }

    void AddProject(int id, int raion, const QString& image = QString(),
                    const QString& developerAddress = QString(), const QString& email = QString()) {
        Exec(QStringLiteral("INSERT INTO tNovdomlist VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {id, raion, QStringLiteral("ЖК «Проект %1»").arg(id), image,
              QStringLiteral("www.p%1.ru").arg(id), QStringLiteral("Монолит"),
              QStringLiteral("ул. Титова, %1").arg(id), QStringLiteral("2026"), QStringLiteral("Описание"),
              QStringLiteral("ООО «Строй»"), developerAddress, QStringLiteral("(383) 200-00-00"), email});
    }

    // The template from the sample program folder, written in Windows-1251 below the test's folder.
    void InstallTemplate(const QString& relative) {
        QFile source(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/info/") + relative);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << relative.toStdString();
        WriteFile(QStringLiteral("info/") + relative, QString::fromUtf8(source.readAll()));
    }

    void WriteFile(const QString& relative, const QString& text) {
        const QString path = folder_ + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(cp1251::Encode(text));
    }

    QString Shown() const { return pane_.writes.isEmpty() ? QString() : pane_.writes.last(); }

    QTemporaryDir dir_;
    QString folder_;
    Connection db_;
    Log log_{QString(), false};
    AppContext ctx_;
    RecordingPane pane_;
    std::unique_ptr<PageDisplay> display_;
};
