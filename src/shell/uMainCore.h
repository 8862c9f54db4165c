#pragma once

#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "shell/uBanners.h"
#include "shell/uLog.h"
#include "shell/uSwitches.h"

#include <QString>
#include <functional>
#include <memory>

class Desktop;
class HtmlPane;
class Prompts;
class QSettings;
class WebProfile;

// What later parts plug into the start-up and the shutdown of the main window. Each may stay empty.
struct MainHooks {
    // Lodi with tree index -1: loads the five catalogue trees with the query given.
    std::function<void(Query& query)> loadTrees;
    // LeftBannerLine: the next left banner's HTML (empty when there is none).
    std::function<QString()> leftBannerLine;
    // bTabNedvClick: opens the real-estate section.
    std::function<void()> bTabNedvClick;
    // Saves the catalogue trees with the query given (administrator mode, at close).
    std::function<void(Query& query)> saveTrees;
};

// The main window's state without widgets: program folder, switches, log, database connection,
// settings store, message boxes and the panes' browser profile. The window turns its events into
// calls of this object.
class MainCore {
public:
    struct Options {
        QString programFolder; // ends with '/'
        CommandLine commandLine;
        QSettings* settings = nullptr; // the store of organisation "Velomar"; not owned
        Prompts* prompts = nullptr;    // not owned
        Log::Clock clock;              // tests set the log's clock
        Desktop* desktop = nullptr;    // files, addresses and programs leaving the program; null: the
                                       // desktop's own handlers. Not owned.
    };
    explicit MainCore(Options options);
    ~MainCore();

    const QString& ProgramFolder() const { return folder_; }
    const CommandLine& Args() const { return args_; }
    bool IsEdit() const { return args_.IsEdit(); }
    bool HasSwitch(const QString& sw) const { return args_.HasSwitch(sw); }
    const Log& Logger() const { return log_; }
    void WriteLog(const QString& line) const { log_.WriteLog(line); }
    Connection& ZConnection() { return connection_; }
    QSettings& Settings() { return *settings_; }
    Prompts& Messages() { return *prompts_; }
    WebProfile& Web() { return *web_; }
    MainHooks& Hooks() { return hooks_; }
    // What the page parts share: program folder, switches, log, connection, desktop, page display
    // (set while the window's panes exist) and Web_Path.
    AppContext& Context() { return context_; }
    LeftBanner& LeftBanners() { return leftBanner_; }

    // Steps 13-15 of the start: database file, protocol, read-only flag.
    void ConfigureConnection();
    // Steps 17-18's database part: opens arch.db and loads the trees. A database that cannot be
    // opened or read is named in a message box; any other error is swallowed.
    void LoadTrees();
    // Opens arch.db and reads its catalogue; names the file and the reason in a message box when
    // that fails.
    bool CheckDatabase();
    // At close in administrator mode: saves the trees; errors are swallowed.
    void SaveTreesAtClose();

private:
    QString folder_;
    CommandLine args_;
    Log log_;
    QSettings* settings_;
    Prompts* prompts_;
    Connection connection_;
    MainHooks hooks_;
    std::unique_ptr<Desktop> ownDesktop_;
    AppContext context_;
    LeftBanner leftBanner_;
    std::unique_ptr<WebProfile> web_;
};
