#include "shell/uCodePage.h"

#include <gtest/gtest.h>

TEST(CodePage1251, EveryByteRoundTrips) {
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = cp1251::Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1251::Encode(text), all);
}

TEST(CodePage1251, KnownLettersAndUnrepresentable) {
    EXPECT_EQ(cp1251::Decode("\xC0\xFF\xA8\xB8\xB9"), QString::fromUtf8("АяЁё№"));
    EXPECT_EQ(cp1251::Encode(QString::fromUtf8("Яz€")), QByteArray("\xDFz\x88"));
    EXPECT_EQ(cp1251::Encode(QString::fromUtf8("日é")), QByteArray("??"));
    EXPECT_EQ(cp1251::Encode(QString::fromUtf8("😀")), QByteArray("??")) << "each half of a pair";
}
