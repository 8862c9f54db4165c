#include "realty/uNovList.h"

#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uTemplates.h"
#include "realty/uRealtyText.h"
#include "shell/uFiles.h"

QString NovList::Block(const Query& project, const QString& programFolder) {
    auto f = [&project](const char* name) { return project.FieldByName(QString::fromLatin1(name)); };
    auto shown = [&f](const char* name) { return fUnicodeToString(f(name)); };

    QString html;
    html += QStringLiteral("\n\t<TR style=\"background-color: #fec4c4;\" width=200>");
    html += QStringLiteral("\n\t\t<TD align=center width=140  rowSpan=6>");
    html += QStringLiteral("<font color=\"#800000\"><strong>") + shown("sname") +
            QStringLiteral("</strong></font>");
    const QString image = shown("simage");
    if (!image.isEmpty()) {
        const QString path = programFolder + QStringLiteral("prices\\") + image;
        if (StoredFileExists(path, programFolder))
            html += QStringLiteral("<br><img src=\"") + path + QStringLiteral("\">");
    }
    const QString url = f("surl");
    html += QStringLiteral("<br><a href=\"<price>http://") + url + QStringLiteral("\">") + url +
            QStringLiteral("</a>");
    html += QStringLiteral("</TD>");
    html += QStringLiteral("\n\t\t<TD style=\"COLOR: #550000;\" align=right width=150>Тип здания</TD>");
    html += QStringLiteral("<TD>") + shown("stype") + QStringLiteral("</TD>");
    html += QStringLiteral("\n\t</TR>");

    const QString rowOpen = QStringLiteral("\n\t<TR style=\"background-color: #FDEEEB;\">");
    const QString rowClose = QStringLiteral("</TR>");
    html += rowOpen + QStringLiteral("<TD style=\"COLOR: #550000;\" align=right>Адрес:</TD>") +
            QStringLiteral("<TD>") + shown("sadres") + QStringLiteral("</TD>") + rowClose;
    html += rowOpen + QStringLiteral("<TD style=\"COLOR: #550000;\" align=right>Дата сдачи:</TD>") +
            QStringLiteral("<TD>") + shown("sdata") + QStringLiteral("</TD>") + rowClose;
    html += rowOpen + QStringLiteral("<TD colspan=2>") + shown("sinfo") + QStringLiteral("</TD>") + rowClose;

    html += rowOpen + QStringLiteral("<TD style=\"COLOR: #550000;\" align=right>Застройщик:</TD>") +
            QStringLiteral("<TD>") + shown("szname");
    const QString developerAddress = shown("szadres");
    if (!developerAddress.isEmpty())
        html += QStringLiteral("<br><b>Адрес:</b> ") + developerAddress;
    html += QStringLiteral("</TD>") + rowClose;

    html += rowOpen + QStringLiteral("<TD colspan=2 align=right>") + QStringLiteral("<b>тел.:</b> ") +
            shown("stel");
    const QString email = f("semail");
    if (!email.isEmpty())
        html += QStringLiteral("<br><b>Email:</b> <a href=\"mailto:") + email + QStringLiteral("\">") +
                email + QStringLiteral("</a>");
    html += QStringLiteral("</TD>") + rowClose;
    return html;
}

QString NovList::PageNumbers(int p, qint64 total, const QString& district) {
    qint64 n = 1;
    qint64 offset = 0;
    if (p >= 6) {
        n = qint64(p) - 5;
        offset = qint64(p) * 10 - 60;
    }
    QString html = QStringLiteral("<center><TABLE><TR><TD>");
    for (int written = 0; offset < total && written < 10; ++written, offset += 10, ++n) {
        if (n == p) {
            html += QStringLiteral(" &bull;<b>") + QString::number(n) + QStringLiteral("</b>&bull;");
        } else {
            html += QStringLiteral(" [<a href=\"?&option=nov&typered=nov&sri=") + district +
                    QStringLiteral("&spage=") + QString::number(n) + QStringLiteral("\">") +
                    QString::number(n) + QStringLiteral("</a>]");
        }
    }
    html += QStringLiteral("</TD></TR></TABLE></center>");
    return html;
}

QString NovList::Compose(const QString& district, const QString& page) const {
    const QString folder = context_.programFolder;
    const QString text = LoadTextFile(folder + QStringLiteral("info\\novedex.htm"), context_.log, folder);

    QString condition;
    QVariantList params;
    if (!district.trimmed().isEmpty()) {
        condition = QStringLiteral("WHERE iraion=?");
        params << district;
    } else {
        condition = QStringLiteral("WHERE iraion > ?");
        params << 0;
    }
    const int p = page.trimmed().isEmpty() ? 1 : realty::StrToInt(page);

    auto query = DBCrate(*context_.db);
    query->Add(QStringLiteral("SELECT * FROM tNovdomlist ") + condition +
               QStringLiteral(" ORDER BY id DESC LIMIT ?, 10;"));
    query->Open(QVariantList(params) << qint64(p) * 10 - 10);
    QString html = QStringLiteral("<center><table width=700 cellpadding=2>");
    for (query->First(); !query->Eof(); query->Next())
        html += Block(*query, folder);
    query->Close();
    html += QStringLiteral("</table></center>");

    query->Clear();
    query->Add(QStringLiteral("SELECT count(*) FROM tNovdomlist ") + condition);
    query->Open(params);
    const qint64 total = query->Field(0).toLongLong();
    query->Close();
    html += PageNumbers(p, total, district);
    return ReplaceTag(text, QStringLiteral("<inform_data>"), html);
}

void NovList::ShowNovList(const QString& district, const QString& page) {
    context_.display->ShowDomPage(Compose(district, page), false);
}
