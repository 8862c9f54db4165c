#pragma once

#include <QString>

class QSettings;
class Prompts;
class UpdateOffer;

// The one-time questions of a user's first start, remembered in the settings store (organisation
// "Velomar"): "Start Page" once the home-page prompt was shown, "StartUpdate" once the update was
// offered. Both run guarded: an error skips them.
namespace firstrun {

// The browser home page, kept in the same store.
QString BrowserHomePageKey();

// Shows the home-page prompt unless shown before; on OK the browser home page becomes the site.
void HomePagePrompt(QSettings& settings, Prompts& prompts);

// Ticks the first-run feeds and starts the update when the program folder's volume has room,
// otherwise warns "Обновление программы невозможно.". Once per user.
void UpdateOfferOnShow(QSettings& settings, UpdateOffer& update, Prompts& prompts,
                       const QString& programFolder);

QString HomePagePromptText();

} // namespace firstrun
