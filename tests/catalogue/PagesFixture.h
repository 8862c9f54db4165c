#pragma once

#include "CatalogueDb.h"
#include "support/Recorders.h"

#include "pages/AppContext.h"
#include "pages/HtmlPane.h"
#include "pages/uPageDisplay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A program folder in a temporary folder: the catalogue's real templates (in Windows-1251, as the
// program reads them), a frame that shows "title|body", an arch.db and a page display over a recording pane.
class PagesFixture {
public:
    PagesFixture();

    // Writes text (Windows-1251) to the file relative below the program folder.
    void WriteFile(const QString& relative, const QString& text);
    // The body of the last page written ("" when none), and its title.
    QString LastBody() const;
    QString LastTitle() const;
    int Pages() const { return static_cast<int>(pane.writes.size()); }
    // The organisation ids of the entries of the last page, in order (from their "<idorg>" links).
    QStringList ListedIds() const;

    QTemporaryDir dir;
    QString folder;
    std::unique_ptr<CatalogueDb> db;
    RecordingPane pane;
    AppContext ctx;
    std::unique_ptr<PageDisplay> display;
};
