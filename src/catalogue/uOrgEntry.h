#pragma once

#include <QString>

class Query;

// The pieces of the organisation pages: one list entry from "info\item.htm" and the blocks that the
// entry and the card put in place of their placeholders. Each reads the current row of a query that
// selects every column of organizations.
namespace org {

// What an entry puts in place of "<org_stat>".
enum class EntryStat {
    None,    // left as it is (goods search, search form)
    Article, // the article link, when the organisation has an article
    Admin,   // the hide link for a shown organisation, the show link for any other
};

// Empty after trimming white space.
bool Blank(const QString& value);

// "<img ...banners\<name>.gif>" when baner_org is "y" in any case and baner_name_org is not blank;
// empty text otherwise.
QString BannerBlock(const Query& row, const QString& folder);
// The logo template with "<org_logo>" filled by the logo picture, or empty text without a logo.
QString LogoBlock(const Query& row, const QString& folder, const QString& logoTemplate);
// The article link; card: without the colour style. Empty without an article folder.
QString ArticleLink(const Query& row, const QString& folder, bool card);
// The hide link ("<idorgno>") when cd is exactly "y", else the show link ("<idorgye>").
QString AdminLink(const Query& row);

// One list entry: every column from firstColumn on as "<" + name + ">" in result order, then the banner, the
// logo and the
// "<org_stat>" block.
QString Entry(const Query& row, const QString& itemTemplate, const QString& logoTemplate,
              const QString& folder, EntryStat stat, int firstColumn = 0);

// The end of every organisation page: the stored "\r\n" marks (backslash r backslash n) removed; empty
// text when nothing but white space is left; otherwise "<file_path>" filled with folder.
QString FinishPage(QString text, const QString& folder);

} // namespace org
