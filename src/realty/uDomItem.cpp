#include "realty/uDomItem.h"

#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uTemplates.h"
#include "realty/uDomCaptions.h"
#include "realty/uRealtyText.h"
#include "shell/uFiles.h"

namespace {

QString FieldRow(const QString& label, const QString& value) {
    return QStringLiteral(
               "<tr style=\"background-color: #FDEEEB\"><td class=\"pred_typename\" align=\"right\" "
               "nowrap><b>") +
           label + QStringLiteral("</b></td><td align=\"lift\">&nbsp;") + value +
           QStringLiteral("&nbsp;</td></tr>");
}

} // namespace

QString DomItem::Box(Query& offer) {
    QString html =
        QStringLiteral("<center><table border=\"0\" style=\"background-color: #fec4c4;\" "
                       "cellpadding=\"3\"><td>") +
        QStringLiteral("<table border=\"0\" style=\"background-color: #FFF;\" cellpadding=\"0\"><td>") +
        QStringLiteral("<table border=\"0\" cellpadding=\"3\" width=\"600\">");
    offer.First();
    if (!offer.Eof()) {
        auto f = [&offer](const char* name) { return offer.FieldByName(QString::fromLatin1(name)); };
        html += QStringLiteral("<tr style=\"background-color: #fec4c4;\"><td class=\"pred_typename\" "
                               "align=\"right\"><b>Тип</b></td><td width=\"100%\" align=\"lift\">&nbsp;<b "
                               "style=\"color: #AA5555;\">") +
                DomTypeName(realty::StrToInt(f("typedom"))) + QStringLiteral("</b>&nbsp;</td>");
        const bool outOfTown = f("riondom") == QLatin1String("0");
        const QString picname = f("picname");
        if (!picname.trimmed().isEmpty()) {
            html += QStringLiteral("<td valign=\"center\" align=\"center\" rowspan=\"") +
                    (outOfTown ? QStringLiteral("10") : QStringLiteral("8")) +
                    QStringLiteral("\" bgcolor=\"#F8DFD8\"><img src=\"/dom/domimg/") + picname +
                    QStringLiteral("\"></td></tr>");
        } else {
            html += QStringLiteral("</tr>");
        }
        html += FieldRow(QStringLiteral("Район"), RaionName(realty::StrToInt(f("riondom"))));
        html += FieldRow(QStringLiteral("Улица"), f("sulica"));
        html += FieldRow(QStringLiteral("Дата"), f("datain"));
        html += FieldRow(QStringLiteral("Цена"), f("price"));
        html += FieldRow(QStringLiteral("Площадь М<sup>2</sup>"), f("plohaddom"));
        html += FieldRow(QStringLiteral("Описание"), f("coment"));
        html += FieldRow(QStringLiteral("Продавец"), f("pname"));
        html += FieldRow(QStringLiteral("Телефон"), f("stel"));
        const QString email = f("email");
        html += QStringLiteral(
                    "<tr style=\"background-color: #FDEEEB\"><td class=\"pred_typename\" align=\"right\" "
                    "nowrap><b>E-Mail</b></td><td align=\"lift\">&nbsp;<a href=\"mailto:") +
                email + QStringLiteral("\">") + email + QStringLiteral("</a>&nbsp;</td></tr>");
        if (outOfTown) {
            html += FieldRow(QStringLiteral("Направление"), NapravName(realty::StrToInt(f("napravdom"))));
            html += FieldRow(QStringLiteral("Площадь участка М<sup>2</sup>"), f("plohadzemla"));
        }
    }
    html += QStringLiteral("</table></td></table></td></table></center>");
    return html;
}

QString DomItem::Compose(const QString& id) const {
    const QString page = LoadTextFile(context_.programFolder + QStringLiteral("info\\nedex.htm"),
                                      context_.log, context_.programFolder);
    auto query = DBCrate(*context_.db);
    query->Add(QStringLiteral("SELECT * FROM jos_db2_dom_list WHERE visibledom=1 and id=?"));
    query->Open({id});
    const QString html = Box(*query);
    query->Close();
    return ReplaceTag(page, QStringLiteral("<inform_data>"), html);
}

void DomItem::ShowDomItem(const QString& id) {
    context_.display->ShowDomPage(Compose(id), true);
}
