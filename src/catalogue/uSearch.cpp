#include "catalogue/uSearch.h"

#include "catalogue/uOrgEntry.h"
#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uRouter.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"
#include "shell/uSwitches.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The list order; rowid last, so that organisations alike in every key keep their stored order.
const QString kOrgOrder =
    QStringLiteral(" order by baner_org desc, page_name_org desc, short_name_org asc, rowid asc;");

bool ContainsAny(const QString& text, const QStringList& words) {
    for (const QString& w : words) {
        if (text.contains(w))
            return true;
    }
    return false;
}

// Marks a search as running for as long as it lives.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

// Tags and article folder names come from the database and the update feed: a folder is scanned only when
// it lies below the program folder (or, with root, is that folder itself); any other is logged and left out.
bool ScannableFolder(const QString& folder, const QString& programFolder, const Log* log, bool root) {
    if (InsideFolder(folder, programFolder) ||
        (root && QDir::cleanPath(Slashes(folder)) == QDir::cleanPath(Slashes(programFolder))))
        return true;
    if (log)
        log->WriteLog(QStringLiteral("Refused folder outside the program folder: ") + folder);
    return false;
}

void LogError(const Log* log, const QString& where, const std::exception& e) {
    if (log)
        log->WriteLog(where + QStringLiteral(": ") + QString::fromUtf8(e.what()));
}

} // namespace

QStringList SearchWords(const QString& text) {
    QStringList words;
    QString word;
    for (const QChar c : text.toLower().trimmed()) {
        if (c.unicode() >= 224) {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

CatalogueSearch::CatalogueSearch(AppContext& ctx, std::function<QList<CatalogueNode>()> nodes,
                                 std::function<void()> pump)
    : ctx_(ctx), nodes_(std::move(nodes)), pump_(std::move(pump)) {
    if (!pump_)
        pump_ = [] { QCoreApplication::processEvents(); };
}

bool CatalogueSearch::sSpeedButton1Click(const QString& text, int kind) {
    if (running_) {
        if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("search refused: a search is running"));
        return false;
    }
    RunningFlag flag(running_);
    switch (kind) {
    case Name:
        SearchByName(text);
        break;
    case Goods:
        SearchGoods(text);
        break;
    case Documents:
        SearchDocuments(text);
        break;
    case Info:
        SearchInfo(text);
        break;
    default:
        break;
    }
    return true;
}

bool CatalogueSearch::SearchForm(const QString& body) {
    if (running_) {
        if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("search refused: a search is running"));
        return false;
    }
    RunningFlag flag(running_);
    const QString type = UrlParam(QStringLiteral("search_type"), body);
    if (type != QLatin1String("1") && type != QLatin1String("2"))
        return true;
    QString text;
    try {
        text = UrlDecodeWide(UrlParam(QStringLiteral("search_text"), body));
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search form"), e);
        return true;
    }
    if (type == QLatin1String("2"))
        SearchGoodsPattern(text);
    else
        SearchByName(text);
    return true;
}

void CatalogueSearch::ShowOrgPage(const QString& text) {
    const QString page = org::FinishPage(text, ctx_.programFolder);
    if (!page.isEmpty())
        ctx_.display->ShowPage(page, QString());
}

QString CatalogueSearch::FoundEntries(const QString& column,
                                      const std::function<bool(const Query& row)>& found, bool articleLink) {
    const QString& folder = ctx_.programFolder;
    // The visible organisations in stored order, narrow: the test needs a few columns only, and only the
    // rows found are put in list order below, so no sort of every visible organisation is needed.
    QJsonArray rows;
    {
        auto q = DBCrate(*ctx_.db);
        q->Add(QStringLiteral("select rowid, id_org, ") + column +
               QStringLiteral(" from organizations where cd = 'y';"));
        q->Open();
        for (q->First(); !q->Eof(); q->Next()) {
            if (found(*q))
                rows.append(q->Field(0).toLongLong());
        }
    }
    if (rows.isEmpty())
        return QString();
    // Every column of the rows found, in list order; organisations that tie on every key of the order
    // keep their stored order, as the list index gives them.
    auto q = DBCrate(*ctx_.db);
    q->Add(QStringLiteral("select rowid as velomar_rowid, * from organizations where rowid in (select value "
                          "from json_each(?))") +
           kOrgOrder);
    q->Open({QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact))});
    const QString item = LoadTextFile(folder + QStringLiteral("info\\item.htm"), ctx_.log, folder);
    const QString logo = LoadTextFile(folder + QStringLiteral("info\\itemlogo.htm"), ctx_.log, folder);
    const org::EntryStat stat = articleLink ? org::EntryStat::Article : org::EntryStat::None;
    QString page;
    for (q->First(); !q->Eof(); q->Next())
        page += org::Entry(*q, item, logo, folder, stat, 1);
    return page;
}

void CatalogueSearch::SearchByName(const QString& text) {
    if (text.isEmpty())
        return;
    try {
        const QString needle = text.toLower();
        ShowOrgPage(FoundEntries(
            QStringLiteral("name_org"),
            [&needle](const Query& row) { return fUnicodeToString(row.Field(2)).toLower().contains(needle); },
            true));
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search by name"), e);
    } catch (...) {
    }
}

void CatalogueSearch::SearchGoods(const QString& text) {
    try {
        const QStringList words = SearchWords(text);
        if (words.isEmpty())
            return; // nothing can be found
        // The sections whose caption holds a word; the organisations linked to any of them.
        QJsonArray sections;
        QSet<int> listed;
        if (nodes_) {
            for (const CatalogueNode& n : nodes_()) {
                const QString caption = n.caption.toLower();
                if (ContainsAny(caption, words) && !listed.contains(n.state)) {
                    listed.insert(n.state);
                    sections.append(n.state);
                }
            }
        }
        QSet<QString> linked;
        if (!sections.isEmpty()) {
            auto probe = DBCrate(*ctx_.db);
            probe->Add(QStringLiteral(
                "select distinct id_org from orginrazd where id_razd in (select value from json_each(?));"));
            probe->Open({QString::fromUtf8(QJsonDocument(sections).toJson(QJsonDocument::Compact))});
            for (probe->First(); !probe->Eof(); probe->Next())
                linked.insert(probe->Field(0));
        }
        ShowOrgPage(FoundEntries(
            QStringLiteral("comment_org"),
            [&](const Query& row) {
                return ContainsAny(fUnicodeToString(row.Field(2)).toLower(), words) ||
                       linked.contains(row.Field(1));
            },
            false));
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search by goods"), e);
    } catch (...) {
    }
}

void CatalogueSearch::SearchGoodsPattern(const QString& pattern) {
    try {
        const QString& folder = ctx_.programFolder;
        QString page;
        {
            auto q = DBCrate(*ctx_.db);
            q->Add(QStringLiteral("select * from organizations where cd = 'y' and comment_org like ?;"));
            q->Open({QStringLiteral("%") + pattern + QStringLiteral("%")});
            const QString item = LoadTextFile(folder + QStringLiteral("info\\item.htm"), ctx_.log, folder);
            const QString logo =
                LoadTextFile(folder + QStringLiteral("info\\itemlogo.htm"), ctx_.log, folder);
            for (q->First(); !q->Eof(); q->Next())
                page += org::Entry(*q, item, logo, folder, org::EntryStat::None);
        }
        ShowOrgPage(page);
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search form"), e);
    } catch (...) {
    }
}

void CatalogueSearch::ScanFolder(const QString& folder, const QStringList& words, const Pass& pass,
                                 QSet<QString>& seen, QString& page) {
    if (words.isEmpty())
        return; // no file can match
    const QString& programFolder = ctx_.programFolder;
    const QDir dir(ResolvePath(folder, programFolder));
    const QFileInfoList files = dir.entryInfoList(
        {QStringLiteral("*.htm")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        const QString full = folder + file.fileName();
        const QString key = full.toLower();
        if (seen.contains(key))
            continue;
        const QString text = LoadTextFile(file.filePath(), ctx_.log);
        if (ContainsAny(text.toLower(), words)) {
            QString linkText = pass.linkText;
            if (!pass.fixedText) {
                const QString latin = AsciiLower(text);
                const qsizetype open = latin.indexOf(QLatin1String("<title>"));
                if (open < 0) {
                    linkText = file.fileName();
                } else {
                    const qsizetype start = open + 7;
                    const qsizetype close = latin.indexOf(QLatin1String("</title"), start);
                    linkText = close < 0 ? QString() : latin.mid(start, close - start);
                }
            }
            const QString address = pass.marker + full.mid(programFolder.size());
            page += QStringLiteral("<tr><td><li><a href=\"") + address + QStringLiteral("\">") + linkText +
                    QStringLiteral("</a></td></tr>");
            seen.insert(key);
        }
        pump_();
    }
}

void CatalogueSearch::ScanTreeFolders(const QString& table, const QStringList& words, const Pass& pass,
                                      QString& page) {
    const QString& folder = ctx_.programFolder;
    QSet<QString> seen;
    QSet<QString> scanned; // a folder that several rows point into is read once
    try {
        auto q = DBCrate(*ctx_.db);
        q->Add(QStringLiteral("select tag from ") + table + QStringLiteral(";"));
        q->Open();
        for (q->First(); !q->Eof(); q->Next()) {
            const QString path = JoinPath(folder + hextostr(q->Field(0), ctx_.log), QString());
            const QString scanFolder = FolderOf(path);
            if (scanned.contains(scanFolder.toLower()))
                continue;
            scanned.insert(scanFolder.toLower());
            // A row with an empty tag scans the program folder itself.
            if (!ScannableFolder(scanFolder, folder, ctx_.log, true))
                continue;
            ctx_.Web_Path = scanFolder;
            ScanFolder(scanFolder, words, pass, seen, page);
        }
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search in ") + table, e);
    } catch (...) {
    }
}

void CatalogueSearch::SearchDocuments(const QString& text) {
    const QStringList words = SearchWords(text);
    QString page = QStringLiteral("<table>");
    ScanTreeFolders(QStringLiteral("tvNormativDOC"), words, {QString(), false, QString()}, page);
    page += QStringLiteral("</table>");
    ctx_.Web_Path = ctx_.programFolder;
    ctx_.display->ShowPage(page, QString());
}

void CatalogueSearch::SearchInfo(const QString& text) {
    const QStringList words = SearchWords(text);
    const QString& folder = ctx_.programFolder;
    QString page = QStringLiteral("<table>");
    ScanTreeFolders(QStringLiteral("tvINFO"), words, {QStringLiteral("<linksearch>"), false, QString()},
                    page);
    // The organisations' articles, hidden organisations included.
    QSet<QString> seen;
    try {
        auto q = DBCrate(*ctx_.db);
        q->Add(QStringLiteral(
            "select page_name_org, short_name_org from organizations where page_name_org <> '';"));
        q->Open();
        for (q->First(); !q->Eof(); q->Next()) {
            const QString name = q->Field(0);
            const QString scanFolder =
                JoinPath(folder + QStringLiteral("pages\\") + name + QStringLiteral("\\"), QString());
            if (!ScannableFolder(scanFolder, folder, ctx_.log, false))
                continue;
            ctx_.Web_Path = scanFolder;
            ScanFolder(scanFolder, words, {QStringLiteral("<stati>"), true, fUnicodeToString(q->Field(1))},
                       seen, page);
        }
    } catch (const std::exception& e) {
        LogError(ctx_.log, QStringLiteral("search in articles"), e);
    } catch (...) {
    }
    page += QStringLiteral("</table>");
    ctx_.Web_Path = folder;
    ctx_.display->ShowPage(page, QString());
}
