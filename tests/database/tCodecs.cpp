#include "database/uCodecs.h"

#include "shell/uCodePage.h"
#include "shell/uLog.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char16_t* s) {
    return QString::fromUtf16(s);
}

// A switched-on log in a temporary program folder, read back line by line.
class TestLog {
public:
    TestLog()
        : log_(dir_.path() + QLatin1Char('/'), true,
               [] { return QDateTime(QDate(2024, 3, 5), QTime(10, 0)); }) {}
    const Log* operator&() const { return &log_; }
    QStringList Lines() const {
        QFile f(log_.Folder() + Log::FileName(QDate(2024, 3, 5)));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = cp1251::Decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.mid(QStringLiteral("05.03.2024 10:00:00 : ").size());
        return lines;
    }

private:
    QTemporaryDir dir_;
    Log log_;
};

struct Case {
    QString in;
    QString out;
};

TEST(Codecs, HexToText) {
    const Case cases[] = {
        {QStringLiteral("616263"), QStringLiteral("abc")},
        {QStringLiteral("616"), U(u"a\u0006")},
        {QStringLiteral("61ZZ63"), QStringLiteral("ac")},
        {QString(), QString()},
        {QStringLiteral("c0"), U(u"\u0410")},
        {QStringLiteral("C0"), U(u"\u0410")},
        {QStringLiteral("ff"), U(u"я")},
        {QStringLiteral("A8B8"), U(u"Ёё")},
        {QStringLiteral("98"), U(u"\u0098")},
        {QStringLiteral("0041"), QString(QChar(0)) + QLatin1Char('A')},
        {QStringLiteral("61 62"), U(u"a\u0002")}, // " 6" is no pair, "2" is the last digit
        {U(u"Я141"), QStringLiteral("A")},
        {QStringLiteral("G"), QString()},
        {QStringLiteral("+1-1"), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hextostr(c.in), c.out) << c.in.toStdString();
}

TEST(Codecs, HexPairToChar) {
    const Case cases[] = {
        {QStringLiteral("41"), QStringLiteral("A")},
        {QStringLiteral("f"), U(u"\u000f")},
        {QStringLiteral("dF"), U(u"Я")},
        {QStringLiteral("zz"), QString()},
        {QStringLiteral("4z"), QString()},
        {QString(), QString()},
        {QStringLiteral("-1"), QString()},
        {QStringLiteral("414"), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HexPairToChar(c.in), c.out) << c.in.toStdString();
}

TEST(Codecs, TextToHex) {
    const Case cases[] = {
        {QStringLiteral("abc"), QStringLiteral("616263")},
        {QStringLiteral("\n"), QStringLiteral("0A")},
        {U(u"я"), QStringLiteral("FF")},
        {U(u"Мир"), QStringLiteral("CCE8F0")},
        {U(u"€№"), QStringLiteral("88B9")},
        {U(u"中"), QStringLiteral("3F")},
        {U(u"😀"), QStringLiteral("3F3F")},
        {QString(QChar(0)), QStringLiteral("00")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(strtohex(c.in), c.out) << c.in.toStdString();
}

TEST(Codecs, ByteToHexIsAlwaysTwoUpperCaseDigits) {
    EXPECT_EQ(ByteToHex(QByteArray("\x05", 1)), QStringLiteral("05"));
    EXPECT_EQ(ByteToHex(QByteArray("\xff", 1)), QStringLiteral("FF"));
    EXPECT_EQ(ByteToHex(QByteArray("\xab\x01", 2)), QStringLiteral("AB"));
    EXPECT_EQ(ByteToHex(QByteArray(1, '\0')), QStringLiteral("00"));
    EXPECT_EQ(ByteToHex(QByteArray()), QStringLiteral("00"));
}

TEST(Codecs, EveryCodePageTextSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1251::Decode(all);
    EXPECT_EQ(hextostr(strtohex(text)), text);
    EXPECT_EQ(hextostr(strtohex(text).toLower()), text);
    EXPECT_EQ(fUnicodeToString(text), text);
}

TEST(Codecs, OverlongHexIsCutAfterAMillionPairsWithALogLine) {
    {
        TestLog log;
        const QString out = hextostr(QString(2 * 1000000 + 4, QLatin1Char('4')), &log);
        EXPECT_EQ(out, QString(1000000, QLatin1Char('D')));
        EXPECT_EQ(log.Lines(), QStringList{QStringLiteral("ERROR_KOL - [HexToSTr]")});
    }
    {
        TestLog log;
        EXPECT_EQ(hextostr(QString(2 * 999999, QLatin1Char('4')), &log).size(), 999999);
        EXPECT_TRUE(log.Lines().isEmpty());
    }
    EXPECT_EQ(hextostr(QString(2 * 1000000 + 4, QLatin1Char('4'))).size(), 1000000); // no log: no line
}

TEST(Codecs, UrlDecodeUtf8) {
    const Case cases[] = {
        {QStringLiteral("%D0%90"), U(u"\u0410")},
        {QStringLiteral("a%20b"), QStringLiteral("a b")},
        {QStringLiteral("%d0%b0%D0%91"), U(u"аБ")},
        {QStringLiteral("abc"), QStringLiteral("abc")},
        {QStringLiteral("a+b"), QStringLiteral("a+b")},
        {QString(), QString()},
        {QStringLiteral("%"), QString()},
        {QStringLiteral("%4"), QString()},
        {QStringLiteral("a%4"), QStringLiteral("a")},
        {QStringLiteral("ab%"), QStringLiteral("ab")},
        {QStringLiteral("%D0"), QString()},
        {QStringLiteral("x%D0"), QString()},
        {QStringLiteral("%C0%80"), QString()},    // overlong
        {QStringLiteral("%ED%A0%80"), QString()}, // an encoded surrogate
        {QStringLiteral("%FF"), QString()},
        {U(u"Я"), QString()}, // its 8-bit code is no UTF-8
        {QStringLiteral("%F0%9F%98%80!"), U(u"😀!")},
        {QStringLiteral("%EF%BB%BFa"), QString(QChar(0xFEFF)) + QLatin1Char('a')},
        {QStringLiteral("%00"), QString(QChar(0))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UrlDecodeUtf8(c.in), c.out) << c.in.toStdString();
}

TEST(Codecs, UrlDecodeUtf8LogsABadEscapeAndGivesEmptyText) {
    for (const QString& bad :
         {QStringLiteral("abc%ZZ"), QStringLiteral("%41%4G%41"), QStringLiteral("% 1")}) {
        TestLog log;
        EXPECT_EQ(UrlDecodeUtf8(bad, &log), QString()) << bad.toStdString();
        const QStringList lines = log.Lines();
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Error[ext_hex]: "))) << lines[0].toStdString();
    }
    EXPECT_EQ(UrlDecodeUtf8(QStringLiteral("%ZZ")), QString());
}

TEST(Codecs, UrlDecodeWide) {
    const Case cases[] = {
        {QStringLiteral("abc"), QStringLiteral("abc")},
        {QStringLiteral("%04%10"), U(u"\u0410")},
        {QStringLiteral("%04%10%04%11"), U(u"АБ")},
        {QStringLiteral("x%00%41y"), QStringLiteral("xAy")},
        {QStringLiteral("%0410"), U(u"\u0410")},   // no second "%": the next two are the low half
        {QStringLiteral("a%04b%10c"), U(u"abАc")}, // text between the halves goes out first
        {QStringLiteral("%04"), QString()},        // nothing after the high half
        {QStringLiteral("%"), QString()},
        {QStringLiteral("x%4"), QStringLiteral("x")},
        {QStringLiteral("%04%1"), QString()},
        {QStringLiteral("%d8%3d%de%00"), U(u"😀")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UrlDecodeWide(c.in), c.out) << c.in.toStdString();
}

TEST(Codecs, UrlDecodeWideRaisesANonHexGroup) {
    for (const QString& bad : {QStringLiteral("%ZZ%10"), QStringLiteral("%04%Z1"), QStringLiteral("%0G10")})
        EXPECT_THROW(UrlDecodeWide(bad), ConvertError) << bad.toStdString();
}

TEST(Codecs, WideToCodePage) {
    EXPECT_EQ(WideToCodePage(U(u"Аb"), 1251), QByteArray("\xC0"
                                                         "b"));
    EXPECT_EQ(WideToCodePage(U(u"中"), 1251), QByteArray("?"));
    EXPECT_EQ(WideToCodePage(U(u"Аb"), 65001), QByteArray("\xD0\x90"
                                                          "b"));
    EXPECT_EQ(WideToCodePage(QString(), 1251), QByteArray());
    EXPECT_EQ(WideToCodePage(QString(), 866), QByteArray());
    EXPECT_THROW(WideToCodePage(QStringLiteral("a"), 866), ConvertError);
    EXPECT_THROW(WideToCodePage(QStringLiteral("a"), 0), ConvertError);
}

// Any text at all: no crash, no exception but the documented ones, and the shape of the results holds.
TEST(Codecs, AnyInputIsSafe) {
    QRandomGenerator rng(20240305);
    const char16_t alphabet[] = u"%%%0123456789abcdefABCDEFxyzЯ \n\u0000😀\u00FF";
    const int alphabetSize = static_cast<int>(std::size(alphabet)) - 1;
    for (int round = 0; round < 3000; ++round) {
        QString s(rng.bounded(40), Qt::Uninitialized);
        for (QChar& c : s)
            c = rng.bounded(4) == 0 ? QChar(char16_t(rng.bounded(0x10000)))
                                    : QChar(alphabet[rng.bounded(alphabetSize)]);
        EXPECT_LE(hextostr(s).size(), (s.size() + 1) / 2);
        EXPECT_EQ(strtohex(s).size(), 2 * s.size());
        EXPECT_EQ(hextostr(strtohex(s)).size(), s.size());
        EXPECT_NO_THROW(UrlDecodeUtf8(s));
        try {
            EXPECT_LE(UrlDecodeWide(s).size(), s.size());
        } catch (const ConvertError&) {
        }
        EXPECT_NO_THROW(WideToCodePage(s, 1251));
    }
}

TEST(Codecs, HugeInputsDecodeWhole) {
    QString escaped;
    for (int i = 0; i < 200000; ++i)
        escaped += QStringLiteral("%D0%AFz");
    const QString utf8 = UrlDecodeUtf8(escaped);
    ASSERT_EQ(utf8.size(), 400000);
    EXPECT_EQ(utf8.left(4), U(u"ЯzЯz"));

    QString wide;
    for (int i = 0; i < 200000; ++i)
        wide += QStringLiteral("%04%2Fz");
    const QString decoded = UrlDecodeWide(wide);
    ASSERT_EQ(decoded.size(), 400000);
    EXPECT_EQ(decoded.right(2), U(u"Яz"));

    const QString text(500000, QChar(u'Я'));
    EXPECT_EQ(hextostr(strtohex(text)), text);
}

} // namespace
