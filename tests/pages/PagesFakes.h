#pragma once

#include "pages/AppContext.h"
#include "pages/Desktop.h"
#include "pages/HtmlPane.h"
#include "pages/PageTargets.h"
#include "pages/uPageDisplay.h"
#include "pages/uRouter.h"
#include "shell/uLog.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <stdexcept>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{' << l.join(", ").toStdString() << '}';
}

// Everything the fakes are asked to do, in order, as "Name|arg|arg".
using Journal = QStringList;

// One recorder for the three target interfaces; throws from every call when asked to.
class RecordingTargets : public CatalogueTarget, public RealtyTarget, public SectionsTarget {
public:
    explicit RecordingTargets(Journal& j) : journal(j) {}
    void SearchFromPost(const QString& b) override { Call({"SearchFromPost", b}); }
    void ShowSectionList(const QString& r, const QString& s) override { Call({"ShowSectionList", r, s}); }
    void ShowOrgCard(const QString& id) override { Call({"ShowOrgCard", id}); }
    void SetOrgVisible(const QString& id, bool v) override { Call({"SetOrgVisible", id, v ? "1" : "0"}); }
    void ShowNovList(const QString& sri, const QString& spage) override { Call({"ShowNovList", sri, spage}); }
    void ShowArticle(const QString& id) override { Call({"ShowArticle", id}); }
    void ShowDomFile(const QString& n) override { Call({"ShowDomFile", n}); }
    void ShowDomFilter(const QString& b) override { Call({"ShowDomFilter", b}); }
    void ShowDomMenuList(const QString& p, const QString& m, const QString& s) override {
        Call({"ShowDomMenuList", p, m, s});
    }
    void ShowDomItem(const QString& id) override { Call({"ShowDomItem", id}); }
    void ShowDomListPage(const QString& p, const QString& s) override { Call({"ShowDomListPage", p, s}); }
    void bTabNedvClick() override { Call({"bTabNedvClick"}); }

    PageTargets All() { return {this, this, this}; }

    Journal& journal;
    bool fail = false;

private:
    void Call(const QStringList& parts) {
        journal << parts.join(QLatin1Char('|'));
        if (fail)
            throw std::runtime_error("target failed");
    }
};

// A program folder with real template files in a temporary folder, a canary file beside it (outside),
// and the page engine wired to recording fakes.
class PagesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path() + QStringLiteral("/");
        ctx.programFolder = root + QStringLiteral("prog/");
        Put(QStringLiteral("info/index.htm"), "FRAME[<file_path>|<title_text>|<oher_text>]");
        Put(QStringLiteral("info/index2.htm"), "DOM[<FILE_PATH>|<dom_menu>|<oher_text>]");
        Put(QStringLiteral("info/dom_menu.htm"), "MENU");
        Put(QStringLiteral("info/start.htm"), "START <file_path>");
        QFile canary(root + QStringLiteral("secret.htm"));
        ASSERT_TRUE(canary.open(QIODevice::WriteOnly));
        canary.write(kCanary);
        log = std::make_unique<Log>(ctx.programFolder, true,
                                    [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); });
        ctx.log = log.get();
        ctx.display = &display;
        ctx.desktop = &desktop;
        pane.journal = &journal;
        desktop.journal = &journal;
        router.SetTargets(targets.All());
    }

    void Put(const QString& relative, const QByteArray& content) const {
        const QString path = ctx.programFolder + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QString LogText() const {
        QFile f(log->Folder() + Log::FileName(QDate(2024, 5, 6)));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    bool Route(const QString& url, const QByteArray& post = QByteArray()) {
        return router.WebBrowserBeforeNavigate2(url, post);
    }

    static constexpr const char* kCanary = "CANARY-7f3a";
    QTemporaryDir tmp;
    QString root;
    Journal journal;
    AppContext ctx;
    std::unique_ptr<Log> log;
    RecordingPane pane;
    RecordingDesktop desktop;
    RecordingTargets targets{journal};
    PageDisplay display{pane, ctx};
    Router router{ctx, pane};
};
