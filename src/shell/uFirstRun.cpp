#include "shell/uFirstRun.h"

#include "shell/uFiles.h"
#include "shell/uPrompts.h"
#include "shell/uSite.h"

#include <QSettings>

namespace firstrun {

namespace {
const QString kStartPage = QStringLiteral("Start Page");
const QString kStartUpdate = QStringLiteral("StartUpdate");
} // namespace

QString BrowserHomePageKey() {
    return QStringLiteral("Browser/Start Page");
}

QString HomePagePromptText() {
    return QStringLiteral(
               "\"Velomar. Недвижимость\".\r\n"
               "Справочный информационный каталог о строительных материалах и технологиях.\r\n"
               "Содержит каталог строительных и смежных организаций, нормативные документы ГОСТы и "
               "СНиПы, информацию о строящихся обьектах и застройщиках, правовую информацию о "
               "недвижимости.\r\n") +
           QStringLiteral("Установить ") + site::Name() + QStringLiteral(" как домашнею страницу.");
}

void HomePagePrompt(QSettings& settings, Prompts& prompts) {
    try {
        if (settings.contains(kStartPage))
            return;
        settings.setValue(kStartPage, 1);
        settings.sync();
        if (prompts.InformationOkCancel(HomePagePromptText())) {
            settings.setValue(BrowserHomePageKey(), site::Address());
            settings.sync();
        }
    } catch (...) {
        // A settings store that fails skips the prompt.
    }
}

void UpdateOfferOnShow(QSettings& settings, UpdateOffer& update, Prompts& prompts,
                       const QString& programFolder) {
    try {
        if (settings.contains(kStartUpdate))
            return;
        settings.setValue(kStartUpdate, 1);
        settings.sync();
        update.TickFirstRunFeeds();
        if (GetDiskSpace(programFolder).freeForUser > 10) {
            update.StartAndShow();
        } else {
            prompts.Warning(QStringLiteral("Обновление программы невозможно."));
        }
    } catch (...) {
        // The offer is skipped; it is not made again.
    }
}

} // namespace firstrun
