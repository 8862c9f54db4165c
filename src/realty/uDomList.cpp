#include "realty/uDomList.h"

#include "database/uCodecs.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/uPageDisplay.h"
#include "pages/uRouter.h"
#include "pages/uTemplates.h"
#include "realty/uDomCaptions.h"
#include "realty/uRealtyText.h"
#include "shell/uFiles.h"

namespace domlist {

namespace {

QString MenuPart(const QString& menu) {
    return menu.isEmpty() ? QString() : QStringLiteral("&MenuDomID=") + menu;
}

} // namespace

QString OrderBy(const QString& sortKey, const QString& defaultOrder) {
    const QString key = sortKey.toLower();
    if (key == QLatin1String("pricedown"))
        return QStringLiteral(" ORDER BY price DESC ");
    if (key == QLatin1String("priceup"))
        return QStringLiteral(" ORDER BY price ASC ");
    if (key == QLatin1String("sdown"))
        return QStringLiteral(" ORDER BY plohaddom DESC ");
    if (key == QLatin1String("sup"))
        return QStringLiteral(" ORDER BY plohaddom ASC ");
    if (key == QLatin1String("raiondown"))
        return QStringLiteral(" ORDER BY riondom DESC ");
    if (key == QLatin1String("raionup"))
        return QStringLiteral(" ORDER BY riondom ASC ");
    if (!defaultOrder.isEmpty())
        return QStringLiteral(" ORDER BY ") + defaultOrder;
    return QString();
}

QString Header(int page, const QString& menu, const QString& sortKey) {
    const QString key = sortKey.toLower();
    const QString priceLink =
        key == QLatin1String("pricedown") ? QStringLiteral("PriceUP") : QStringLiteral("PriceDown");
    const QString areaLink = key == QLatin1String("sdown") ? QStringLiteral("SUP") : QStringLiteral("SDown");
    const QString raionLink =
        key == QLatin1String("raiondown") ? QStringLiteral("RaionUP") : QStringLiteral("RaionDown");
    const QString link = QString::number(page) + MenuPart(menu) + QStringLiteral("&SortDom=");

    QString html;
    html += QStringLiteral("<center><table width=\"100%\"><tr>  <td class=\"pred_name\" align=\"center\" "
                           "width=\"70\">&nbsp;Дата&nbsp;</td>  <td class=\"pred_name\" "
                           "align=\"center\">&nbsp;Тип&nbsp;</td>  <td class=\"pred_name\" "
                           "align=\"center\">&nbsp;<a href=\"?PageNextDomList=");
    html += link + raionLink + QStringLiteral("\">Район</a>&nbsp;</td>");
    html += QStringLiteral("  <td class=\"pred_name\" align=\"center\">&nbsp;<a href=\"?PageNextDomList=");
    html += link + priceLink + QStringLiteral("\">Цена</a><br>(т. руб)&nbsp;</td>");
    html +=
        QStringLiteral("  <td class=\"pred_name\" align=\"center\" nowrap>&nbsp;<a href=\"?PageNextDomList=");
    html += link + areaLink + QStringLiteral("\">S М<sup>2</sup></a>&nbsp;</td>");
    html += QStringLiteral("  <td class=\"pred_name\" align=\"center\">&nbsp;Фото&nbsp;</td>");
    html += QStringLiteral("  <td class=\"pred_name\" align=\"center\">&nbsp;Улица&nbsp;</td>");
    html += QStringLiteral("  <td class=\"pred_name\" align=\"center\">&nbsp;&nbsp;</td>");
    html += QStringLiteral("</tr>");
    return html;
}

QString PageNumbers(int page, int pageSize, qint64 total, const QString& menu, const QString& sortKey) {
    if (pageSize <= 0 || total <= pageSize)
        return QString();
    const qint64 pages = (total + pageSize - 1) / pageSize;
    const qint64 current = qint64(page) + 1;
    qint64 n = qint64(page) - 4 >= 1 ? qint64(page) - 4 : 1;
    QString numbers;
    for (int written = 0; n <= pages && written < 10; ++n, ++written) {
        if (n == current) {
            numbers += QStringLiteral("<b class=\"numericpagesb\">[") + QString::number(n) +
                       QStringLiteral("]</b> ");
        } else {
            numbers += QStringLiteral("[<a href=\"?PageNextDomList=") + QString::number(n - 1) +
                       MenuPart(menu) + QStringLiteral("&SortDom=") + sortKey +
                       QStringLiteral("\" class=\"numericpages\">") + QString::number(n) +
                       QStringLiteral("</a>] ");
        }
    }
    return QStringLiteral("<center>") + numbers + QStringLiteral("</center>");
}

QString Rows(Query& rows) {
    const int id = rows.FieldIndex(QStringLiteral("id"));
    const int datain = rows.FieldIndex(QStringLiteral("datain"));
    const int typedom = rows.FieldIndex(QStringLiteral("typedom"));
    const int riondom = rows.FieldIndex(QStringLiteral("riondom"));
    const int price = rows.FieldIndex(QStringLiteral("price"));
    const int plohaddom = rows.FieldIndex(QStringLiteral("plohaddom"));
    const int picname = rows.FieldIndex(QStringLiteral("picname"));
    const int sulica = rows.FieldIndex(QStringLiteral("sulica"));
    if (id < 0 || datain < 0 || typedom < 0 || riondom < 0 || price < 0 || plohaddom < 0 || picname < 0 ||
        sulica < 0)
        throw DbError("jos_db2_dom_list lacks a column of the listing");

    QString html;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        html += QStringLiteral("<tr>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"center\" nowrap>&nbsp;") +
                rows.Field(datain) + QStringLiteral("&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"center\" style=\"color: #883333;\">&nbsp;") +
                DomTypeName(realty::StrToInt(rows.Field(typedom))) + QStringLiteral("&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"center\">&nbsp;") +
                RaionShortName(realty::StrToInt(rows.Field(riondom))) + QStringLiteral("&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"right\">&nbsp;") + rows.Field(price) +
                QStringLiteral("&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"right\">&nbsp;") + rows.Field(plohaddom) +
                QStringLiteral("&nbsp;</td>");
        if (!rows.Field(picname).trimmed().isEmpty())
            html += QStringLiteral("<td class=\"pred_text\" align=\"center\">Фото</td>");
        else
            html += QStringLiteral("<td class=\"pred_text\" align=\"center\">&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"center\">&nbsp;") +
                fUnicodeToString(rows.Field(sulica)) + QStringLiteral("&nbsp;</td>");
        html += QStringLiteral("<td class=\"pred_text\" align=\"center\">&nbsp;<a href=\"?ItemDomID=") +
                rows.Field(id) + QStringLiteral("\"> >>> </a>&nbsp;</td>");
        html += QStringLiteral("</tr>");
    }
    return html;
}

// likely(): nearly every offer is visible. The hint lets SQLite walk the price index for a listing
// sorted by price instead of sorting every visible offer; the condition itself is unchanged.
DomCondition GeneralCondition() {
    return {QStringLiteral("likely(visibledom=1) and typedom<70"), {}};
}

DomCondition CategoryCondition(const QString& menu) {
    if (menu == QLatin1String("nov"))
        return {QStringLiteral("likely(visibledom=1)"), {}};
    return {QStringLiteral("likely(visibledom=1) and typedom=?"), {menu}};
}

DomCondition SearchCondition(const QString& body, const Log* log) {
    DomCondition c;
    c.where = QStringLiteral("(visibledom=1) ");

    const QString rion = UrlParam(QStringLiteral("fn_rion"), body);
    if (!rion.isEmpty() && rion != QLatin1String("0")) {
        c.where += QStringLiteral(" and (riondom=?)");
        c.params << rion;
    }

    const QString dom = UrlParam(QStringLiteral("fn_dom"), body);
    const QString type = UrlParam(QStringLiteral("fn_type"), body);
    auto ticked = [&body](int k) {
        return UrlParam(QStringLiteral("fn_k") + QString::number(k), body) == "1";
    };
    QString kinds;
    if (dom == QLatin1String("3")) {
        c.where += type == QLatin1String("1") ? QStringLiteral(" and (typedom > 10 and typedom < 20) ")
                                              : QStringLiteral(" and (typedom > 20 and typedom < 30) ");
    } else if (dom == QLatin1String("2")) {
        const int base = type == QLatin1String("2") ? 80 : 70;
        for (int k = 1; k <= 5; ++k) {
            if (ticked(k))
                kinds = OrJoin(kinds, QStringLiteral("typedom=") + QString::number(base + k));
        }
        if (kinds.isEmpty())
            kinds = QStringLiteral("typedom > 70 and typedom < 80");
        c.where += QStringLiteral(" and (") + kinds + QStringLiteral(") ");
    } else {
        if (type == QLatin1String("1")) {
            for (int k = 1; k <= 5; ++k) {
                if (ticked(k))
                    kinds = OrJoin(kinds, QStringLiteral("typedom=") + QString::number(33 + k));
            }
        } else {
            kinds = QStringLiteral("typedom > 40 and typedom < 50");
        }
        if (!kinds.isEmpty())
            c.where += QStringLiteral(" and (") + kinds + QStringLiteral(") ");
    }

    const QString street = UrlParam(QStringLiteral("fn_ulica"), body);
    if (street.size() > 2) {
        c.where += QStringLiteral(" and (sulica LIKE ?)");
        c.params << QStringLiteral("%") + UrlDecodeUtf8(street, log) + QStringLiteral("%");
    }

    const int from = realty::StrToIntDef(UrlParam(QStringLiteral("fn_pot"), body), 0);
    const int to = realty::StrToIntDef(UrlParam(QStringLiteral("fn_pdo"), body), 0);
    if (from > 99 || to > 99) {
        QString price;
        QVariantList bounds;
        if (from > 0) {
            price = QStringLiteral("price >= ?");
            bounds << from;
        }
        if (!price.isEmpty() && to > 0)
            price += QStringLiteral(" and ");
        if (to > 0) {
            price += QStringLiteral("price <= ?");
            bounds << to;
        }
        if (!price.isEmpty()) {
            c.where += QStringLiteral(" and (") + price + QStringLiteral(") ");
            c.params += bounds;
        }
    }
    return c;
}

} // namespace domlist

QString DomList::Compose(const DomListRequest& request) const {
    const QString page = LoadTextFile(context_.programFolder + QStringLiteral("info\\nedex.htm"),
                                      context_.log, context_.programFolder);
    const QString from = QStringLiteral("FROM ") + request.table + QLatin1Char(' ');
    QString where;
    if (!request.condition.where.isEmpty())
        where = QStringLiteral(" WHERE ") + request.condition.where;
    const QString order = domlist::OrderBy(request.sortKey, request.defaultOrder);

    QString html = domlist::Header(request.page, request.menu, request.sortKey);
    auto query = DBCrate(*context_.db);
    QVariantList params = request.condition.params;
    if (request.pageSize > 0) {
        // The page's rows are chosen by their keys alone (an index often holds them all), then read whole
        // in the order they were chosen: offers that tie on the sort column keep the order the selection
        // gave them, the same as one statement with its limit would show them.
        query->Add(QStringLiteral("SELECT t.* FROM (SELECT rowid AS k ") + from + where + order +
                   QStringLiteral(" LIMIT ? OFFSET ?) AS p CROSS JOIN ") + request.table +
                   QStringLiteral(" AS t ON t.rowid = p.k;"));
        params << request.pageSize << qint64(request.page) * request.pageSize;
    } else {
        query->Add(QStringLiteral("SELECT * ") + from + where + order);
    }
    query->Open(params);
    html += domlist::Rows(*query);
    query->Close();
    html += QStringLiteral("</table></center>");

    if (request.pageSize > 0) {
        query->Clear();
        query->Add(QStringLiteral("SELECT count(*) ") + from + where);
        query->Open(request.condition.params);
        const qint64 total = query->Field(0).toLongLong();
        query->Close();
        html += domlist::PageNumbers(request.page, request.pageSize, total, request.menu, request.sortKey);
    }
    return ReplaceTag(page, QStringLiteral("<inform_data>"), html);
}

void DomList::ShowDomList(const DomListRequest& request) {
    context_.display->ShowDomPage(Compose(request), true);
}

void DomList::ShowFirstPage() {
    DomListRequest request;
    request.condition = domlist::GeneralCondition();
    ShowDomList(request);
}

void DomList::ShowGeneral(const QString& page, const QString& sortKey) {
    DomListRequest request;
    request.condition = domlist::GeneralCondition();
    request.sortKey = sortKey;
    request.page = realty::StrToInt(page);
    ShowDomList(request);
}

void DomList::ShowCategory(const QString& page, const QString& menu, const QString& sortKey) {
    DomListRequest request;
    request.condition = domlist::CategoryCondition(menu);
    request.menu = menu;
    request.sortKey = sortKey;
    request.page = page.isEmpty() ? 0 : realty::StrToInt(page);
    ShowDomList(request);
}

void DomList::ShowSearch(const QString& body) {
    DomListRequest request;
    request.condition = domlist::SearchCondition(body, context_.log);
    request.pageSize = 0;
    ShowDomList(request);
}
