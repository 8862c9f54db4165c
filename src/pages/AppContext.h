#pragma once

#include <QString>

class Connection;
class Desktop;
class Log;
class PageDisplay;

// What the page parts share: handed to them by reference by the main window, which owns every member.
struct AppContext {
    QString programFolder;  // folder of the executable, ends with '/'
    bool adminMode = false; // first argument "/edit"
    const Log* log = nullptr;
    Connection* db = nullptr;
    PageDisplay* display = nullptr;
    Desktop* desktop = nullptr;
    // Folder (ending with '/') of the static page on screen; empty while a composed page is shown.
    QString Web_Path;

    // programFolder + relative, with the stored backslashes of relative turned into '/'.
    QString ProgramPath(const QString& relative) const {
        QString r = relative;
        return programFolder + r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
};
