#include "WebTestSupport.h"
#include "database/uDatabase.h"
#include "pages/Desktop.h"
#include "shell/uApplication.h"
#include "shell/uCodePage.h"
#include "shell/uFirstRun.h"
#include "shell/uLog.h"
#include "shell/uMain.h"
#include "shell/uMainCore.h"
#include "shell/uMainPages.h"
#include "shell/uPrompts.h"
#include "shell/uSite.h"
#include "support/Recorders.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// Records the boxes instead of showing them; answers the OK/Cancel box with `answer`.
class RecordingPrompts : public Prompts {
public:
    bool InformationOkCancel(const QString& text) override {
        shown << text;
        return answer;
    }
    void Warning(const QString& text) override { shown << text; }
    void Error(const QString& text) override { shown << text; }
    QStringList shown;
    bool answer = true;
};

class RecordingUpdate : public UpdateOffer {
public:
    void TickFirstRunFeeds() override { calls << QStringLiteral("tick"); }
    void StartAndShow() override { calls << QStringLiteral("start"); }
    void ShowModal() override { calls << QStringLiteral("show"); }
    QStringList calls;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The start page and frame of the sample folder, as the distribution holds them (Windows-1251).
void CopyTemplate(const QString& folder, const QString& name) {
    QFile src(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/info/") + name);
    ASSERT_TRUE(src.open(QIODevice::ReadOnly));
    WriteFile(folder + QStringLiteral("info/") + name, cp1251::Encode(QString::fromUtf8(src.readAll())));
}

// A file of the sample folder, written in Windows-1251 as the distribution holds it.
void CopySample(const QString& folder, const QString& name) {
    QFile src(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/") + name);
    ASSERT_TRUE(src.open(QIODevice::ReadOnly)) << name.toStdString();
    WriteFile(folder + name, cp1251::Encode(QString::fromUtf8(src.readAll())));
}

void MakeDatabase(const QString& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "create table t(a);", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(folder);
        CopyTemplate(folder, QStringLiteral("index.htm"));
        CopyTemplate(folder, QStringLiteral("start.htm"));
        CopyTemplate(folder, QStringLiteral("style.css"));
        settings =
            std::make_unique<QSettings>(dir.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    }
    void Start(const QStringList& args) {
        window.reset(); // the panes go before the core that holds their browser profile
        core = std::make_unique<MainCore>(
            MainCore::Options{folder, CommandLine(args), settings.get(), &prompts, {}, &desktop});
        window = std::make_unique<TfMain>(*core);
        window->SetUpdateOffer(&update);
        window->FormCreate();
    }
    void TearDown() override {
        window.reset();
        core.reset();
    }
    QStringList LogLines() const {
        QFile f(folder + QStringLiteral("log/") + Log::FileName(QDate::currentDate()));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines;
        for (const QString& line :
             cp1251::Decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            lines << line.section(QStringLiteral(" : "), 1);
        return lines;
    }

    QTemporaryDir dir;
    QString folder;
    std::unique_ptr<QSettings> settings;
    RecordingPrompts prompts;
    RecordingUpdate update;
    RecordingDesktop desktop;
    std::unique_ptr<MainCore> core;
    std::unique_ptr<TfMain> window;
};

} // namespace

TEST_F(MainWindowTest, StartWithLogWritesTheStepsInOrder) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    Start({QStringLiteral("/LOG")});
    QStringList expected;
    for (int i = 1; i <= 24; ++i)
        if (i != 21)
            expected << QString::number(i);
    EXPECT_EQ(LogLines(), expected);
    EXPECT_EQ(prompts.shown, QStringList{firstrun::HomePagePromptText()}); // no database message
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velomar, ") + site::Name());
}

TEST_F(MainWindowTest, StartPageIsFramedAndShown) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    Start({});
    QSignalSpy spy(window->WebBrowser(), &WebPane::written);
    ASSERT_TRUE(spy.wait(10000));
    WebPane& pane = *window->WebBrowser();
    EXPECT_EQ(Eval(pane, QStringLiteral("document.querySelector('form').getAttribute('action')")).toString(),
              QStringLiteral("<search>"));
    // The style sheet comes through the program's scheme by its absolute path with a backslash.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return Eval(pane, QStringLiteral("document.styleSheets.length > 0 && "
                                             "document.styleSheets[0].cssRules.length > 0"))
                .toBool();
        },
        5000));
}

TEST_F(MainWindowTest, SearchFormSendsTheTextAsEscapedCodeUnits) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    Start({});
    WebPane& pane = *window->WebBrowser();
    QSignalSpy spy(&pane, &WebPane::written);
    ASSERT_TRUE(spy.wait(10000));
    std::vector<std::pair<QString, QByteArray>> seen;
    pane.onBeforeNavigate = [&](const QString& url, const QByteArray& body) {
        seen.emplace_back(url, body);
        return true;
    };
    Eval(pane, QStringLiteral("document.getElementById('search_words').value = 'Аб c';"
                              "document.querySelector('input[type=submit]').click();"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, 5000));
    EXPECT_EQ(seen.front().first, QStringLiteral("about:<search>"));
    EXPECT_EQ(seen.front().second, QByteArray("search_type=2&search_text=%04%10%04%31%00%20%00%63"));
}

TEST_F(MainWindowTest, MissingOrCorruptDatabaseIsNamedAndTheWindowOpens) {
    for (const bool corrupt : {false, true}) {
        prompts.shown.clear();
        settings->setValue(QStringLiteral("Start Page"), 1);
        if (corrupt)
            WriteFile(folder + QStringLiteral("arch.db"), QByteArray(4096, 'x'));
        Start({});
        ASSERT_EQ(prompts.shown.size(), 1) << corrupt;
        EXPECT_TRUE(prompts.shown.front().startsWith(QStringLiteral("Не удалось открыть базу данных: ") +
                                                     folder + QStringLiteral("arch.db\n")))
            << prompts.shown.front().toStdString();
        window->show();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Tree(0)->topLevelItemCount(), 0);
        window.reset();
    }
}

TEST_F(MainWindowTest, HomePagePromptAndUpdateOfferComeOncePerUser) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    for (const bool ok : {false, true}) {
        settings->clear();
        prompts.shown.clear();
        update.calls.clear();
        prompts.answer = ok;
        Start({});
        window->FormShow();
        EXPECT_EQ(prompts.shown, QStringList{firstrun::HomePagePromptText()});
        EXPECT_EQ(settings->value(firstrun::BrowserHomePageKey()).toString(),
                  ok ? site::Address() : QString());
        EXPECT_EQ(update.calls, (QStringList{QStringLiteral("tick"), QStringLiteral("start")}));
        window.reset();
        Start({});
        window->FormShow();
        EXPECT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(update.calls.size(), 2);
    }
}

TEST_F(MainWindowTest, AdministratorBarOnlyWithEditAsFirstArgument) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    const std::pair<QStringList, bool> cases[] = {
        {{QStringLiteral("/edit")}, true},
        {{QStringLiteral("/EDIT")}, false},
        {{QStringLiteral("/log"), QStringLiteral("/edit")}, false},
    };
    for (const auto& [args, admin] : cases) {
        Start(args);
        EXPECT_EQ(!window->findChild<QWidget*>(QStringLiteral("pEdit"))->isHidden(), admin)
            << args.join(' ').toStdString();
        EXPECT_EQ(core->ZConnection().ReadOnly(), !admin);
        window.reset();
    }
}

TEST_F(MainWindowTest, LayoutNamesEveryTree) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    Start({});
    const char* names[] = {"tvCatalogORG", "tvNormativDOC", "tvFair", "tvINFO", "tvStrRINOK"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(window->Tree(i)->objectName(), QString::fromLatin1(names[i]));
    for (const char* name : {"sbBack", "sbNext"})
        EXPECT_FALSE(window->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled());
    EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("bTabNedv"))->isHidden());

    // The real-estate tab in red and the exhibition tab in green, both bold; a hand over the
    // new-building bar.
    const std::pair<const char*, QColor> tabs[] = {{"bTabNedv", QColor(255, 0, 0)},
                                                   {"bTabFair", QColor(0, 128, 0)}};
    for (const auto& [name, color] : tabs) {
        auto* tab = window->findChild<QToolButton*>(QString::fromLatin1(name));
        tab->ensurePolished();
        EXPECT_EQ(tab->palette().color(tab->foregroundRole()), color) << name;
        EXPECT_TRUE(tab->font().bold()) << name;
    }
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("sPanel1"))->cursor().shape(),
              Qt::PointingHandCursor);
}

TEST_F(MainWindowTest, ErrorInAStartupStepIsLoggedAndTheWindowOpens) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    core = std::make_unique<MainCore>(
        MainCore::Options{folder,
                          CommandLine({QStringLiteral("/log"), QStringLiteral("/nedv")}),
                          settings.get(),
                          &prompts,
                          {},
                          &desktop});
    window = std::make_unique<TfMain>(*core);
    core->Hooks().bTabNedvClick = [] { throw std::runtime_error("no listing"); };
    window->FormCreate();
    ASSERT_FALSE(LogLines().isEmpty());
    EXPECT_EQ(LogLines().back(), QStringLiteral("Error: no listing(std::runtime_error)"));
    window->show();
    EXPECT_TRUE(window->isVisible());
}

TEST(AppError, EscapingExceptionIsLoggedWithItsClassName) {
    QTemporaryDir dir;
    const Log log(dir.path() + QLatin1Char('/'), true);
    auto* app = qobject_cast<VelomarApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    app->SetLog(&log);
    struct Thrower : QObject {
        bool event(QEvent*) override { throw std::invalid_argument("boom"); }
    } thrower;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &event));
    app->SetLog(nullptr);
    QFile f(log.Folder() + Log::FileName(QDate::currentDate()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().endsWith(" : Error: boom(std::invalid_argument)\r\n"));
}

TEST_F(MainWindowTest, NedvAnywhereOpensTheRealEstateSection) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    const std::pair<QStringList, bool> cases[] = {
        {{QStringLiteral("/log"), QStringLiteral("/NEDV")}, true},
        {{QStringLiteral("/nedv")}, true},
        {{QStringLiteral("nedv")}, false},
    };
    for (const auto& [args, nedv] : cases) {
        Start(args);
        for (const char* name : {"sP_Left", "sP_Search", "sP_Right"})
            EXPECT_EQ(window->findChild<QWidget*>(QString::fromLatin1(name))->isHidden(), nedv)
                << name << " " << args.join(' ').toStdString();
        EXPECT_EQ(window->findChild<QToolButton*>(QStringLiteral("bTabNedv"))->isChecked(), nedv);
        window.reset();
    }
}

TEST_F(MainWindowTest, RightBannerClickOpensItsPageInTheMainPane) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    CopySample(folder, QStringLiteral("pages/rundo/index.htm"));
    Start({});
    WebPane& main = *window->WebBrowser();
    WebPane& banner = *window->webBanerRight1();
    QSignalSpy shown(&main, &WebPane::written);
    ASSERT_TRUE(shown.wait(10000)); // the start page
    ASSERT_TRUE(QTest::qWaitFor([&] { return !banner.Loading(); }, 10000));
    EXPECT_EQ(Eval(banner, QStringLiteral("document.body.style.marginLeft")).toString(),
              QStringLiteral("0px"));
    Eval(banner, QStringLiteral("document.querySelector('a').click()"));
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_EQ(core->Context().Web_Path, folder + QStringLiteral("pages/rundo/"));
    EXPECT_TRUE(Eval(main, QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("ООО «Рундо»: кровля под ключ")));
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("sbBack"))->isEnabled());
}

TEST_F(MainWindowTest, PriceLinkInCapitalsOpensTheFileWithItsSpace) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    WriteFile(folder + QStringLiteral("prices/прайс лист.txt"), "price");
    Start({});
    WebPane& main = *window->WebBrowser();
    QSignalSpy shown(&main, &WebPane::written);
    ASSERT_TRUE(shown.wait(10000));
    window->Pages().Display().ShowPage(QStringLiteral("<a href=\"<PRICE>") + folder +
                                       QStringLiteral("prices\\прайс%20лист.txt\">Прайс-лист</a>"));
    ASSERT_TRUE(shown.wait(10000));
    Eval(main, QStringLiteral("document.querySelector('a').click()"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.opened.isEmpty(); }, 5000));
    EXPECT_EQ(desktop.opened, QStringList{folder + QStringLiteral("prices/прайс лист.txt")});
    EXPECT_EQ(window->Pages().Display().indexNextPage(), 1); // the page on screen stays
}

TEST_F(MainWindowTest, TabsSwitchTheColumnsAndTheButtonsLeaveTheProgram) {
    MakeDatabase(folder + QStringLiteral("arch.db"));
    settings->setValue(QStringLiteral("Start Page"), 1);
    Start({});
    auto click = [&](const char* name) {
        window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    auto columnsShown = [&] {
        int shown = 0;
        for (const char* name : {"sP_Left", "sP_Search", "sP_Right"})
            shown += window->findChild<QWidget*>(QString::fromLatin1(name))->isHidden() ? 0 : 1;
        return shown;
    };
    click("bTabNedv");
    EXPECT_EQ(columnsShown(), 0);
    EXPECT_TRUE(window->findChild<QToolButton*>(QStringLiteral("bTabNedv"))->isChecked());
    click("sBitBtn3");
    EXPECT_EQ(columnsShown(), 3);
    click("bTabFair");
    EXPECT_EQ(columnsShown(), 0);
    EXPECT_EQ(core->Context().Web_Path, folder + QStringLiteral("info/"));
    click("sPanel1");
    EXPECT_EQ(columnsShown(), 0);
    EXPECT_TRUE(core->Context().Web_Path.isEmpty());

    click("bTabMap");
    click("sBitBtn4");
    EXPECT_EQ(desktop.started, QStringList{folder + QStringLiteral("map")});
    EXPECT_EQ(desktop.opened, QStringList{site::Address()});
    click("bUpdate");
    EXPECT_EQ(update.calls, QStringList{QStringLiteral("show")});
}

// With VELOMAR_SCREENSHOT_DIR set: the main window on the distribution's sample folder after start-up,
// then each of the three sections, as PNG files.
TEST(Screenshots, MainWindowAndSectionsOnSampleData) {
    const QString out = qEnvironmentVariable("VELOMAR_SCREENSHOT_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "VELOMAR_SCREENSHOT_DIR not set";
    QTemporaryDir dir;
    QSettings settings(dir.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Start Page"), 1);
    RecordingPrompts prompts;
    RecordingDesktop desktop;
    MainCore core({QStringLiteral(VELOMAR_DIST_DIR "/"), CommandLine(), &settings, &prompts, {}, &desktop});
    TfMain window(core);
    QSignalSpy spy(window.WebBrowser(), &WebPane::written);
    window.FormCreate();
    window.resize(1280, 800);
    window.show();
    ASSERT_TRUE(spy.wait(10000));
    QTest::qWait(1500); // the engine paints the loaded pages
    QDir().mkpath(out);
    ASSERT_TRUE(window.grab().save(out + QStringLiteral("/main.png")));
    const std::pair<const char*, const char*> sections[] = {
        {"sBitBtn3", "section_construction.png"},
        {"bTabFair", "section_exhibition.png"},
        {"bTabNedv", "section_realty.png"},
    };
    for (const auto& [button, file] : sections) {
        spy.clear();
        window.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        spy.wait(10000);
        QTest::qWait(1500); // the engine paints the loaded pages
        ASSERT_TRUE(window.grab().save(out + QLatin1Char('/') + QString::fromLatin1(file)));
    }
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join('\n').toStdString();
}
