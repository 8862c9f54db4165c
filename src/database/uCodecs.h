#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

class Log;

// Conversions between hex text, percent-escaped text and ordinary text.

// Raised by UrlDecodeWide and WideToCodePage for input they cannot convert.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Hex text (two hex digits per Windows-1251 byte) to text. Bad pairs vanish; input past
// 1,000,000 pairs is dropped with the log line "ERROR_KOL - [HexToSTr]".
QString hextostr(const QString& hex, const Log* log = nullptr);
// Text to hex text with upper-case digits; characters outside Windows-1251 become "3F".
QString strtohex(const QString& text);
// The text unchanged.
QString fUnicodeToString(const QString& text);
// One pair (or one last digit) to its character; empty text for a pair that is not hex.
QString HexPairToChar(const QString& pair);
// The first byte of an 8-bit text as exactly two upper-case hex digits.
QString ByteToHex(const QByteArray& bytes);

// Percent-escaped UTF-8 bytes to text; empty text for bad escapes (logged as "Error[ext_hex]: ...")
// and for bytes that are not UTF-8.
QString UrlDecodeUtf8(const QString& text, const Log* log = nullptr);
// Percent-escaped 16-bit code units (high half first) to text; throws ConvertError on a group that
// is not hex.
QString UrlDecodeWide(const QString& text);
// Text to 8-bit text in the given code page (1251 and 65001 at least); throws ConvertError for a code
// page it does not know.
QByteArray WideToCodePage(const QString& text, int codePage);
