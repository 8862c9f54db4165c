#include "realty/uRealtyText.h"

#include "database/uCodecs.h"

namespace realty {

int StrToInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    return value;
}

int StrToIntDef(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

QString RemoveMargins(const QString& html) {
    static const QString word = QStringLiteral("margin");
    if (!html.contains(word))
        return html;
    QString out;
    out.reserve(html.size());
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        out.append(html.at(i++));
        if (!out.endsWith(word))
            continue;
        // The first "margin" of the text as it stands now: what is before it holds none.
        const qsizetype semicolon = html.indexOf(QLatin1Char(';'), i);
        if (semicolon < 0) {
            // Nothing ends this setting: keep it and the rest as they are.
            out.append(QStringView(html).mid(i));
            break;
        }
        out.chop(word.size());
        i = semicolon + 1;
    }
    return out;
}

} // namespace realty
