#include "shell/uMainCore.h"

#include "pages/web/WebProfile.h"
#include "shell/uFiles.h"
#include "shell/uPrompts.h"

namespace {

// Fills every occurrence of tag (letters in any case) with value, in one pass.
QString FillTag(const QString& text, const QString& tag, const QString& value) {
    QString out;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(tag, from, Qt::CaseInsensitive)) >= 0; from = at + tag.size()) {
        out += QStringView(text).mid(from, at - from);
        out += value;
    }
    out += QStringView(text).mid(from);
    return out;
}

} // namespace

MainCore::MainCore(Options options)
    : folder_(std::move(options.programFolder)), args_(std::move(options.commandLine)),
      log_(folder_, args_.IsLog(), std::move(options.clock)), settings_(options.settings),
      prompts_(options.prompts), web_(std::make_unique<WebProfile>(folder_)) {}

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

QString MainCore::FramedPage(const QString& body, const QString& title) const {
    QString page = LoadTextFile(folder_ + QStringLiteral("info\\index.htm"), &log_, folder_);
    page = FillTag(page, QStringLiteral("<file_path>"), folder_);
    page = FillTag(page, QStringLiteral("<oher_text>"), body);
    return FillTag(page, QStringLiteral("<title_text>"), title);
}

QString MainCore::StartPageBody() const {
    return FillTag(LoadTextFile(folder_ + QStringLiteral("info\\start.htm"), &log_, folder_),
                   QStringLiteral("<file_path>"), folder_);
}
