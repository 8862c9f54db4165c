#include "pages/uTemplates.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The plain replace-all: find the first occurrence from the beginning, replace it, start again.
// Gives up (nullopt) past a step or size limit, since some values make it run for ever.
std::optional<QString> ReferenceReplaceTag(QString text, const QString& tag, const QString& value) {
    if (PosNoCase(tag, value) != 0)
        return text;
    for (int steps = 0;; ++steps) {
        const int p = PosNoCase(tag, text);
        if (p == 0)
            return text;
        if (steps > 3000 || text.size() > 20000)
            return std::nullopt;
        text = text.left(p - 1) + value + text.mid(p - 1 + tag.size());
    }
}

QString RandomText(QRandomGenerator& rng, const QString& alphabet, int maxLen) {
    QString s;
    const int n = rng.bounded(maxLen + 1);
    for (int i = 0; i < n; ++i)
        s += alphabet[rng.bounded(int(alphabet.size()))];
    return s;
}

} // namespace

TEST(PosNoCase, FoldsAsciiOnly) {
    struct Case {
        const char16_t* sub;
        const char16_t* text;
        int pos;
    } cases[] = {
        {u"<file_path>", u"ab<FILE_PATH>", 3},
        {u"b", u"abcB", 2},
        {u"", u"abc", 0},
        {u"x", u"", 0},
        {u"Ж", u"жЖ", 2},
        {u"<ИМЯ>", u"<имя>", 0},
        {u"%3a", u"x%3A", 2},
        {u"abc", u"ab", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PosNoCase(QString::fromUtf16(c.sub), QString::fromUtf16(c.text)), c.pos)
            << QString::fromUtf16(c.sub).toStdString() << " in " << QString::fromUtf16(c.text).toStdString();
}

TEST(ReplaceTag, Cases) {
    struct Case {
        const char16_t* text;
        const char16_t* tag;
        const char16_t* value;
        const char16_t* result;
    } cases[] = {
        {u"<P>x<p>", u"<p>", u"1", u"1x1"},         // capitals filled like lower case
        {u"a<t>b<t>c", u"<t>", u"", u"abc"},        // empty value: the text closes up
        {u"a<t>b", u"<t>", u"[<T>]", u"a<t>b"},     // value holding the tag: nothing replaced
        {u"abc", u"<t>", u"v", u"abc"},             // no tag
        {u"a<t>b", u"", u"v", u"a<t>b"},            // empty tag
        {u"<имя><ИМЯ>", u"<имя>", u"v", u"v<ИМЯ>"}, // Cyrillic compared exactly
        {u"aabb", u"ab", u"", u""},                 // occurrences made by closing up
        {u"x<<t>>y", u"<t>", u"t", u"xty"},         // ... and where the value meets its neighbours
        {u"x\\r\\ny\\R\\N", u"\\r\\n", u"", u"xy"}, // the four-character sequence
        {u"http%3A//a%3a", u"%3A", u":", u"http://a:"},
        {u"<bb", u"<b", u"bbb<<", u"<bb"}, // would never end: left unchanged
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            ReplaceTag(QString::fromUtf16(c.text), QString::fromUtf16(c.tag), QString::fromUtf16(c.value)),
            QString::fromUtf16(c.result))
            << QString::fromUtf16(c.text).toStdString() << " / " << QString::fromUtf16(c.tag).toStdString();
    EXPECT_EQ(ReplaceTag(QStringLiteral("n=<n>"), QStringLiteral("<N>"), 42), QStringLiteral("n=42"));
}

TEST(ReplaceTag, SameTextAsThePlainLoopOnRandomInput) {
    QRandomGenerator rng(20240506);
    const QString alphabets[] = {QStringLiteral("aA<>b"), QStringLiteral("ab"), QStringLiteral("<>aAbB\\rn")};
    int compared = 0;
    for (int i = 0; i < 60000; ++i) {
        const QString& alpha = alphabets[i % 3];
        const QString text = RandomText(rng, alpha, i % 10 == 0 ? 200 : 24);
        const QString tag = RandomText(rng, alpha, 4);
        const QString value = RandomText(rng, alpha, 6);
        const std::optional<QString> expected = ReferenceReplaceTag(text, tag, value);
        if (!expected)
            continue;
        ++compared;
        ASSERT_EQ(ReplaceTag(text, tag, value), *expected)
            << "text " << text.toStdString() << " tag " << tag.toStdString() << " value "
            << value.toStdString();
    }
    EXPECT_GT(compared, 50000);
}
