#include "shell/uMainCore.h"

#include "pages/uQtDesktop.h"
#include "pages/web/WebProfile.h"
#include "shell/uFiles.h"
#include "shell/uPrompts.h"

MainCore::MainCore(Options options)
    : folder_(std::move(options.programFolder)), args_(std::move(options.commandLine)),
      log_(folder_, args_.IsLog(), std::move(options.clock)), settings_(options.settings),
      prompts_(options.prompts), leftBanner_(folder_), web_(std::make_unique<WebProfile>(folder_)) {
    if (!options.desktop) {
        ownDesktop_ = std::make_unique<QtDesktop>(folder_, &log_);
        options.desktop = ownDesktop_.get();
    }
    context_.programFolder = folder_;
    context_.adminMode = IsEdit();
    context_.log = &log_;
    context_.db = &connection_;
    context_.desktop = options.desktop;
    hooks_.leftBannerLine = [this] { return leftBanner_.LeftBannerLine(); };
}

MainCore::~MainCore() = default;

void MainCore::ConfigureConnection() {
    connection_.SetDatabase(folder_ + QStringLiteral("arch.db"));
    WriteLog(QStringLiteral("13"));
    connection_.SetProtocol(QStringLiteral("sqlite-3"));
    WriteLog(QStringLiteral("14"));
    connection_.SetReadOnly(!IsEdit());
    WriteLog(QStringLiteral("15"));
}

bool MainCore::CheckDatabase() {
    try {
        std::unique_ptr<Query> query = DBCrate(connection_);
        // A file that is no database opens without complaint; reading its catalogue tells.
        query->Add(QStringLiteral("select count(*) from sqlite_master;"));
        query->Open();
        return true;
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("Error: ") + QString::fromUtf8(e.what()));
        try {
            prompts_->Error(QStringLiteral("Не удалось открыть базу данных: ") + connection_.Database() +
                            QLatin1Char('\n') + QString::fromUtf8(e.what()));
        } catch (...) {
        }
        return false;
    }
}

void MainCore::LoadTrees() {
    if (!CheckDatabase())
        return;
    try {
        std::unique_ptr<Query> query = DBCrate(connection_);
        if (hooks_.loadTrees)
            hooks_.loadTrees(*query);
    } catch (...) {
        // The trees stay empty.
    }
}

void MainCore::SaveTreesAtClose() {
    if (!IsEdit() || !hooks_.saveTrees)
        return;
    try {
        std::unique_ptr<Query> query = DBCrate(connection_);
        hooks_.saveTrees(*query);
    } catch (...) {
    }
}
