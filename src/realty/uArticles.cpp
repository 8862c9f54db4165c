#include "realty/uArticles.h"

#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uTemplates.h"
#include "realty/uRealtyText.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"

#include <exception>

QString Articles::ComposeArticle(const QString& id) const {
    const QString folder = context_.programFolder;
    QString page = LoadTextFile(folder + QStringLiteral("info\\dom\\itemstat.htm"), context_.log, folder);
    page = ReplaceTag(page, QStringLiteral("<file_path>"), folder);

    auto query = DBCrate(*context_.db);
    query->Add(QStringLiteral("select * from jos_db2_content where id = ?;"));
    query->Open({id});
    if (!query->Eof()) {
        page = ReplaceTag(page, QStringLiteral("<item_title>"), query->FieldByName(QStringLiteral("title")));
        // A missing part is no text: the other part is still shown.
        const QString text =
            query->FieldByName(QStringLiteral("introtext")) + query->FieldByName(QStringLiteral("fulltext"));
        page = ReplaceTag(page, QStringLiteral("<item_text>"), realty::RemoveMargins(text));
    }
    query->Close();
    return page;
}

QString Articles::ComposeDomFile(const QString& name) const {
    const QString folder = context_.programFolder;
    const QString path = folder + QStringLiteral("info\\") + name;
    if (!InsideFolder(path, folder + QStringLiteral("info/"))) {
        if (context_.log)
            context_.log->WriteLog(QStringLiteral("dom_file outside info: ") + name);
        return QString();
    }
    const QString text = LoadTextFile(path, context_.log, folder);
    return ReplaceTag(text, QStringLiteral("<file_path>"), folder);
}

void Articles::ShowArticle(const QString& id) {
    QString page;
    try {
        page = ComposeArticle(id);
    } catch (const std::exception& e) {
        if (context_.log)
            context_.log->WriteLog(QStringLiteral("article ") + id + QStringLiteral(": ") +
                                   QString::fromUtf8(e.what()));
        return;
    }
    context_.display->ShowDomPage(page, false);
}

void Articles::ShowDomFile(const QString& name) {
    context_.display->ShowDomPage(ComposeDomFile(name), false);
}
