#pragma once

#include <QString>

// Small pictures the sample draws itself, saved as PNG whatever the file name says (a banner is named
// ".gif"; the browser picks the decoder by the content). The colours follow from the text, so the
// same text always gives the same picture. Needs a QGuiApplication for the fonts. Return false when
// the file cannot be written.
namespace pictures {

bool DrawBanner(const QString& path, const QString& title, const QString& subtitle);
bool DrawLogo(const QString& path, const QString& title);
bool DrawBuilding(const QString& path, const QString& title); // new-building project
bool DrawHouse(const QString& path, int variant);             // real-estate offer

} // namespace pictures
