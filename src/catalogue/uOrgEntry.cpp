#include "catalogue/uOrgEntry.h"

#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "pages/uTemplates.h"

namespace org {

bool Blank(const QString& value) {
    return value.trimmed().isEmpty();
}

QString BannerBlock(const Query& row, const QString& folder) {
    const QString name = row.FieldByName(QStringLiteral("baner_name_org"));
    if (row.FieldByName(QStringLiteral("baner_org")).toLower() != QLatin1String("y") || Blank(name))
        return QString();
    return QStringLiteral("<img src=\"") + folder + QStringLiteral("banners\\") + fUnicodeToString(name) +
           QStringLiteral(".gif\">");
}

QString LogoBlock(const Query& row, const QString& folder, const QString& logoTemplate) {
    const QString name = row.FieldByName(QStringLiteral("logo_org_file_name"));
    if (Blank(name))
        return QString();
    const QString picture = QStringLiteral("<img src=\"") + folder + QStringLiteral("prices\\") +
                            fUnicodeToString(name) + QStringLiteral("\">");
    return ReplaceTag(logoTemplate, QStringLiteral("<org_logo>"), picture);
}

QString ArticleLink(const Query& row, const QString& folder, bool card) {
    const QString page = row.FieldByName(QStringLiteral("page_name_org"));
    if (Blank(page))
        return QString();
    return QStringLiteral("<a href=\"<stati>") + folder + QStringLiteral("pages\\") + fUnicodeToString(page) +
           (card ? QStringLiteral("\\index.htm\">")
                 : QStringLiteral("\\index.htm\" style=\"color: #DD0000;\">")) +
           QStringLiteral("<b><font size=\"+2\">С</font>татья</b></a>");
}

QString AdminLink(const Query& row) {
    const QString id = row.FieldByName(QStringLiteral("id_org"));
    if (row.FieldByName(QStringLiteral("cd")) == QLatin1String("y"))
        return QStringLiteral("<a href=\"<idorgno>") + id +
               QStringLiteral("\" style=\"color: #00DD00;\"><b>Скрыть</b></a>");
    return QStringLiteral("<a href=\"<idorgye>") + id +
           QStringLiteral("\" style=\"color: #DD0000;\"><b>Показать</b></a>");
}

QString Entry(const Query& row, const QString& itemTemplate, const QString& logoTemplate,
              const QString& folder, EntryStat stat, int firstColumn) {
    QString text = itemTemplate;
    for (int i = firstColumn; i < row.FieldCount(); ++i)
        text = ReplaceTag(text, QLatin1Char('<') + row.FieldName(i) + QLatin1Char('>'),
                          fUnicodeToString(row.Field(i)));
    const QString banner = BannerBlock(row, folder);
    if (!banner.isEmpty())
        text = ReplaceTag(text, QStringLiteral("<org_banner>"), banner);
    if (!Blank(row.FieldByName(QStringLiteral("logo_org_file_name"))))
        text = ReplaceTag(text, QStringLiteral("<org_logo>"), LogoBlock(row, folder, logoTemplate));
    if (stat == EntryStat::Admin)
        text = ReplaceTag(text, QStringLiteral("<org_stat>"), AdminLink(row));
    else if (stat == EntryStat::Article && !Blank(row.FieldByName(QStringLiteral("page_name_org"))))
        text = ReplaceTag(text, QStringLiteral("<org_stat>"), ArticleLink(row, folder, false));
    return text;
}

QString FinishPage(QString text, const QString& folder) {
    text.remove(QStringLiteral("\\r\\n"), Qt::CaseInsensitive);
    if (Blank(text))
        return QString();
    return ReplaceTag(text, QStringLiteral("<file_path>"), folder);
}

} // namespace org
