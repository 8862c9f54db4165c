#pragma once

#include "catalogue/uTreeNodes.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

struct AppContext;

// The search words of a search text: lowered, trimmed, cut into maximal runs of letters (characters of
// code 224 and above, which after lowering covers the Cyrillic alphabet). Latin letters, digits,
// punctuation and blanks separate words; order and repeats are kept.
QStringList SearchWords(const QString& text);

// The search bar and the search form: organisation names (kind 0), goods and services (kind 1),
// documents (kind 2) and INFO with the organisations' articles (kind 3). Results go to the page display.
//
// Kinds 2 and 3 read files and let pending events run between them (pump); while a search runs, another
// search is refused.
class CatalogueSearch {
public:
    enum Kind { Name = 0, Goods = 1, Documents = 2, Info = 3 };

    // nodes: the catalogue tree's nodes in display order. pump: lets pending events run (the default
    // processes the application's events).
    CatalogueSearch(AppContext& ctx, std::function<QList<CatalogueNode>()> nodes,
                    std::function<void()> pump = {});

    // sSpeedButton1Click: searches for text with the kind selected in cbSearch. False when refused
    // because a search is running.
    bool sSpeedButton1Click(const QString& text, int kind);
    // The "<search>" form: the posted body (bytes as characters 0-255) with "search_type" and
    // "search_text". Type "2" lists the organisations whose goods text is like the text, type "1" those
    // whose name contains it; other types do nothing. False when refused.
    bool SearchForm(const QString& body);
    bool Running() const { return running_; }

    // The four kinds and the goods pattern of the form; each shows its page (or nothing).
    void SearchByName(const QString& text);
    void SearchGoods(const QString& text);
    void SearchDocuments(const QString& text);
    void SearchInfo(const QString& text);
    void SearchGoodsPattern(const QString& pattern);

private:
    // Where a matching file of a scanned folder is listed and under which name.
    struct Pass {
        QString marker; // put before the address ("" for documents)
        bool fixedText; // every link shows linkText (else the file's title, or its name)
        QString linkText;
    };
    // Lists the matching "*.htm" files of folder that are not in seen.
    void ScanFolder(const QString& folder, const QStringList& words, const Pass& pass, QSet<QString>& seen,
                    QString& page);
    // The files of a tree table's folders (kind 2, first pass of kind 3).
    void ScanTreeFolders(const QString& table, const QStringList& words, const Pass& pass, QString& page);
    void ShowOrgPage(const QString& text);
    // The entries of the visible organisations that found accepts, in list order. found sees the row's
    // rowid, id_org and the named column (a fixed column name of organizations), in that order.
    QString FoundEntries(const QString& column, const std::function<bool(const class Query& row)>& found,
                         bool articleLink);

    AppContext& ctx_;
    std::function<QList<CatalogueNode>()> nodes_;
    std::function<void()> pump_;
    bool running_ = false;
};
