#include "database/uCodecs.h"

#include "shell/uCodePage.h"
#include "shell/uLog.h"

#include <QStringDecoder>

namespace {

constexpr qsizetype kMaxHexPairs = 1000000;

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The value of one or two hex digits, or -1 when any of them is not a hex digit.
int HexValue(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 2)
        return -1;
    int value = 0;
    for (QChar c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

QString NotHexMessage(QStringView group) {
    return QStringLiteral("\"%1\" is not a hexadecimal number").arg(group);
}

} // namespace

QString HexPairToChar(const QString& pair) {
    const int value = HexValue(pair);
    if (value < 0)
        return QString();
    return QString(cp1251::DecodeByte(static_cast<unsigned char>(value)));
}

QString hextostr(const QString& hex, const Log* log) {
    QString out;
    out.reserve(std::min(hex.size() / 2 + 1, kMaxHexPairs));
    qsizetype pos = 0;
    qsizetype pairs = 0;
    const QStringView input(hex);
    while (pos < input.size() && pairs < kMaxHexPairs) {
        const QStringView pair = input.mid(pos, 2);
        const int value = HexValue(pair);
        if (value >= 0)
            out.append(cp1251::DecodeByte(static_cast<unsigned char>(value)));
        pos += pair.size();
        ++pairs;
    }
    if (pairs == kMaxHexPairs && log)
        log->WriteLog(QStringLiteral("ERROR_KOL - [HexToSTr]"));
    return out;
}

QString ByteToHex(const QByteArray& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const unsigned char b = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.front());
    const char text[2] = {kDigits[b >> 4], kDigits[b & 0x0F]};
    return QString::fromLatin1(text, 2);
}

QString strtohex(const QString& text) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString out(text.size() * 2, Qt::Uninitialized);
    QChar* d = out.data();
    for (QChar c : text) {
        unsigned char b = '?';
        if (!cp1251::EncodeChar(c, &b))
            b = '?';
        *d++ = QChar(kDigits[b >> 4]);
        *d++ = QChar(kDigits[b & 0x0F]);
    }
    return out;
}

QString fUnicodeToString(const QString& text) {
    return text;
}

QString UrlDecodeUtf8(const QString& text, const Log* log) {
    // Plain characters go back to their 8-bit codes, escapes to their bytes; the whole is then UTF-8.
    QByteArray bytes;
    bytes.reserve(text.size());
    const QStringView input(text);
    qsizetype pos = 0;
    for (;;) {
        const qsizetype percent = input.indexOf(QLatin1Char('%'), pos);
        if (percent < 0)
            break;
        bytes.append(cp1251::Encode(input.mid(pos, percent - pos).toString()));
        pos = percent + 1;
        if (input.size() - pos >= 2) {
            const QStringView group = input.mid(pos, 2);
            const int value = HexValue(group);
            if (value < 0) {
                if (log)
                    log->WriteLog(QStringLiteral("Error[ext_hex]: ") + NotHexMessage(group));
                return QString();
            }
            bytes.append(static_cast<char>(value));
        }
        pos = std::min(pos + 2, input.size());
    }
    bytes.append(cp1251::Encode(input.mid(pos).toString()));

    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        return QString();
    return decoded;
}

QString UrlDecodeWide(const QString& text) {
    QString out;
    out.reserve(text.size());
    const QStringView input(text);
    qsizetype pos = 0;
    int high = 0;
    auto readHalf = [&]() -> int {
        const QStringView group = input.mid(pos, 2);
        const int value = HexValue(group);
        if (value < 0)
            throw ConvertError(NotHexMessage(group).toStdString());
        return value;
    };
    for (;;) {
        qsizetype percent = input.indexOf(QLatin1Char('%'), pos);
        if (percent < 0)
            break;
        out.append(input.mid(pos, percent - pos));
        pos = percent + 1;
        if (input.size() - pos >= 2)
            high = readHalf();
        pos = std::min(pos + 2, input.size());

        percent = input.indexOf(QLatin1Char('%'), pos);
        if (percent >= 0) {
            out.append(input.mid(pos, percent - pos));
            pos = percent + 1;
        }
        if (input.size() - pos >= 2)
            out.append(QChar(char16_t(high * 256 + readHalf())));
        pos = std::min(pos + 2, input.size());
    }
    out.append(input.mid(pos));
    return out;
}

QByteArray WideToCodePage(const QString& text, int codePage) {
    if (text.isEmpty())
        return QByteArray();
    switch (codePage) {
    case 1251:
        return cp1251::Encode(text);
    case 65001:
        return text.toUtf8();
    default:
        throw ConvertError(QStringLiteral("code page %1 is not supported").arg(codePage).toStdString());
    }
}
