#pragma once

#include <QString>

struct AppContext;

// The real-estate section's articles (table jos_db2_content, template "info\dom\itemstat.htm") and its
// static pages under "info\" ("<dom_file>" links). Both are shown in the real-estate frame without its menu.
class Articles {
public:
    explicit Articles(AppContext& context) : context_(context) {}

    // The template filled with the article's title and text, margins cut out of the text. Without a row
    // the title and text placeholders stay. Throws DbError.
    QString ComposeArticle(const QString& id) const;
    // The file program folder + "info\" + name with "<file_path>" filled; empty text for a missing file
    // and for a name that leads out of "info\".
    QString ComposeDomFile(const QString& name) const;

    // "?option=com_content&id=" id. A failure shows nothing: it is logged and the page on screen stays.
    void ShowArticle(const QString& id);
    // "<dom_file>" name.
    void ShowDomFile(const QString& name);

private:
    AppContext& context_;
};
