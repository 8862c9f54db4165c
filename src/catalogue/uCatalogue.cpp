#include "catalogue/uCatalogue.h"

#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uRouter.h"
#include "pages/uTemplates.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"

#include <QDir>

namespace {

std::function<QList<CatalogueNode>()> NodesOf(const CatalogueTrees* trees) {
    if (!trees)
        return {};
    return [trees] { return trees->CatalogueNodes(); };
}

// A tree's tags come from the database and the article feed: the page they name is read only when it is
// the program folder itself (a folder node without a page) or lies below it.
bool InProgramFolder(const QString& path, const QString& folder) {
    return InsideFolder(path, folder) || QDir::cleanPath(Slashes(path)) == QDir::cleanPath(Slashes(folder));
}

} // namespace

Catalogue::Catalogue(AppContext& ctx, const CatalogueTrees* trees, std::function<void()> pump)
    : ctx_(ctx), pages_(ctx, NodesOf(trees)), search_(ctx, NodesOf(trees), std::move(pump)) {}

void Catalogue::ShowSectionList(const QString& razd, const QString& city) {
    pages_.ShowSectionList(razd, city);
}

void Catalogue::OpenTreePage(const QString& tag) {
    try {
        const QString& folder = ctx_.programFolder;
        const QString path = JoinPath(folder + tag, QString());
        const qsizetype cut =
            std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
        if (!InProgramFolder(path, folder)) {
            if (ctx_.log)
                ctx_.log->WriteLog(QStringLiteral("Refused page outside the program folder: ") + path);
            return;
        }
        ctx_.Web_Path = path.left(cut + 1);
        QString text = LoadTextFile(path, ctx_.log, folder);
        text = ReplaceTag(RewriteSrc(text), QStringLiteral("<file_path>"), ctx_.Web_Path);
        ctx_.display->ShowPage(text, QString());
        if (ctx_.log) {
            ctx_.log->WriteLog(path);
            ctx_.log->WriteLog(ctx_.Web_Path);
        }
    } catch (...) {
        // The page on screen stays.
    }
}

void Catalogue::SearchFromPost(const QString& body) {
    search_.SearchForm(body);
}

void Catalogue::ShowOrgCard(const QString& id) {
    pages_.ShowCard(id);
}

void Catalogue::SetOrgVisible(const QString& id, bool visible) {
    pages_.SetOrgVisible(id, visible);
}
