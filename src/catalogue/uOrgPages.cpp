#include "catalogue/uOrgPages.h"

#include "catalogue/uOrgEntry.h"
#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uTemplates.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"

namespace {

QString MailLink(const QString& address) {
    return ReplaceTag(QStringLiteral("<a href=\"mailto:<mail_org>\"><mail_org></a>"),
                      QStringLiteral("<mail_org>"), address);
}

} // namespace

OrgPages::OrgPages(AppContext& ctx, std::function<QList<CatalogueNode>()> nodes)
    : ctx_(ctx), nodes_(std::move(nodes)) {}

QString OrgPages::SectionTitle(const QString& razd) const {
    return nodes_ ? ::SectionTitle(nodes_(), razd) : QString();
}

void OrgPages::ShowSectionList(const QString& razd, const QString& city) {
    try {
        const QString& folder = ctx_.programFolder;
        QString text;
        {
            auto q = DBCrate(*ctx_.db);
            q->Add(QStringLiteral(
                "select * from organizations where city_org = ? and id_org in (select id_org from "
                "orginrazd where id_razd=?) order by baner_org desc, page_name_org desc, "
                "short_name_org asc;"));
            q->Open({city, razd});
            const QString item = LoadTextFile(folder + QStringLiteral("info\\item.htm"), ctx_.log, folder);
            const QString logo =
                LoadTextFile(folder + QStringLiteral("info\\itemlogo.htm"), ctx_.log, folder);
            const org::EntryStat stat = ctx_.adminMode ? org::EntryStat::Admin : org::EntryStat::Article;
            for (q->First(); !q->Eof(); q->Next()) {
                if (!ctx_.adminMode && q->FieldByName(QStringLiteral("cd")).toLower() != QLatin1String("y"))
                    continue;
                text += org::Entry(*q, item, logo, folder, stat);
            }
        }
        text = org::FinishPage(text, folder);
        if (text.isEmpty())
            return;
        ctx_.display->ShowPage(text, SectionTitle(razd));
    } catch (const std::exception& e) {
        if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("ShowSectionList: ") + QString::fromUtf8(e.what()));
    } catch (...) {
    }
}

QString OrgPages::OrgSectionLinks(const QString& id, const QString& city) {
    QString links;
    try {
        auto q = DBCrate(*ctx_.db);
        q->Add(QStringLiteral(
            "select DISTINCT name, stat from tvCatalogORG where (imag = 1) and stat in (select "
            "id_razd from orginrazd where id_org = ?);"));
        q->Open({id});
        for (q->First(); !q->Eof(); q->Next()) {
            const QString stat = q->FieldByName(QStringLiteral("stat"));
            bool ok = false;
            const qlonglong razd = stat.toLongLong(&ok);
            if (!ok)
                break; // a section number that is no whole number ends the list
            links += QStringLiteral("<BR><a href=\"<loadrazs>?&razd=") + QString::number(razd) +
                     QStringLiteral("&sity=") + city + QStringLiteral("\">") +
                     hextostr(q->FieldByName(QStringLiteral("name")), ctx_.log) + QStringLiteral("</a>");
        }
    } catch (...) {
        // The links gathered so far.
    }
    return links;
}

QString OrgPages::MailLine(const QString& mails) {
    if (!mails.contains(QLatin1Char('|')))
        return QStringLiteral("<TR><TD><b>E-mail:</b> ") + MailLink(mails) + QStringLiteral("</TD></TR>");
    const QStringList pieces = mails.split(QLatin1Char('|'));
    QString links;
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        if (!org::Blank(pieces[i]))
            links += MailLink(pieces[i]) + QStringLiteral(", ");
    }
    if (!org::Blank(pieces.last()))
        links += MailLink(pieces.last());
    return QStringLiteral("<TR><TD><b>E-mail:</b> ") + links + QStringLiteral("</TD></TR>");
}

void OrgPages::ShowCard(const QString& id) {
    try {
        const QString& folder = ctx_.programFolder;
        QString text;
        {
            auto q = DBCrate(*ctx_.db);
            q->Add(QStringLiteral("select * from organizations where id_org = ?;"));
            q->Open({id});
            if (q->Eof())
                return;
            const Query& row = *q;
            auto field = [&row](const char* name) {
                return fUnicodeToString(row.FieldByName(QLatin1String(name)));
            };
            text = LoadTextFile(folder + QStringLiteral("info\\fullitem.htm"), ctx_.log, folder);
            const QString banner = org::BannerBlock(row, folder);
            if (!banner.isEmpty())
                text = ReplaceTag(text, QStringLiteral("<org_banner>"), banner);
            if (!org::Blank(field("rukovod_org")))
                text = ReplaceTag(text, QStringLiteral("<item_rukovod_org>"),
                                  QStringLiteral("<TR><TD><b>Руководитель:</b> ") + field("rukovod_org") +
                                      QStringLiteral("</TD></TR>"));
            for (int i = 0; i < row.FieldCount(); ++i)
                text = ReplaceTag(text, QLatin1Char('<') + row.FieldName(i) + QLatin1Char('>'),
                                  fUnicodeToString(row.Field(i)));
            text = ReplaceTag(text, QStringLiteral("<org_type>"),
                              OrgSectionLinks(field("id_org"), field("city_org")));
            const QString price = field("price_org");
            if (!org::Blank(price) && InsideFolder(folder + QStringLiteral("prices\\") + price, folder) &&
                StoredFileExists(folder + QStringLiteral("prices\\") + price, folder))
                text = ReplaceTag(text, QStringLiteral("<org_price>"),
                                  QStringLiteral("<b>Прайс:</b> <a href=\"<price>") + folder +
                                      QStringLiteral("prices\\") + price + QStringLiteral("\">Открыть</a>"));
            const QString article = org::ArticleLink(row, folder, true);
            if (!article.isEmpty())
                text = ReplaceTag(text, QStringLiteral("<org_stat>"), article);
            const QString logo = org::LogoBlock(
                row, folder, LoadTextFile(folder + QStringLiteral("info\\itemlogo.htm"), ctx_.log, folder));
            if (!org::Blank(field("logo_org_file_name")))
                text = ReplaceTag(text, QStringLiteral("<org_logo>"), logo);
            if (!org::Blank(field("mail_org")))
                text = ReplaceTag(text, QStringLiteral("<mails_org>"), MailLine(field("mail_org")));
        }
        text = org::FinishPage(text, folder);
        if (text.isEmpty())
            return;
        ctx_.display->ShowPage(text, QString());
    } catch (const std::exception& e) {
        if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("organisation card: ") + QString::fromUtf8(e.what()));
    } catch (...) {
    }
}

bool OrgPages::SetOrgVisible(const QString& id, bool visible) {
    try {
        auto q = DBCrate(*ctx_.db);
        q->Add(visible ? QStringLiteral("update organizations set cd = 'y' where id_org = ?;")
                       : QStringLiteral("update organizations set cd = 'n' where id_org = ?;"));
        q->ExecSQL({id});
        return true;
    } catch (const std::exception& e) {
        if (ctx_.log)
            ctx_.log->WriteLog(QStringLiteral("organisation flag: ") + QString::fromUtf8(e.what()));
    } catch (...) {
    }
    return false;
}
