#include "shell/uCodePage.h"

#include <array>

namespace cp1251 {
namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

} // namespace

QChar DecodeByte(unsigned char b) {
    if (b < 0x80)
        return QChar(char16_t(b));
    if (b >= 0xC0)
        return QChar(char16_t(0x0410 + (b - 0xC0)));
    return QChar(kHigh[b - 0x80]);
}

QString Decode(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (char c : bytes)
        *d++ = DecodeByte(static_cast<unsigned char>(c));
    return out;
}

bool EncodeChar(QChar c, unsigned char* out) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        *out = static_cast<unsigned char>(u);
        return true;
    }
    if (u >= 0x0410 && u <= 0x044F) {
        *out = static_cast<unsigned char>(0xC0 + (u - 0x0410));
        return true;
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u) {
            *out = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

QByteArray Encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        unsigned char b = '?';
        EncodeChar(c, &b);
        out.append(static_cast<char>(b));
    }
    return out;
}

} // namespace cp1251
