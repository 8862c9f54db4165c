#include "shell/uSwitches.h"

#include <gtest/gtest.h>

TEST(CommandLine, SwitchesFollowTheirOwnRules) {
    struct Case {
        QStringList args;
        bool edit, log, nedv;
    };
    const Case cases[] = {
        {{}, false, false, false},
        {{"/edit"}, true, false, false},
        {{"/EDIT"}, false, false, false},
        {{"/log", "/edit"}, false, true, false},
        {{"/LOG"}, false, true, false},
        {{"/edit", "/log"}, true, false, false},
        {{"x", "y", "/NeDv"}, false, false, true},
        {{"/nedv"}, false, false, true},
        {{"/nedvx"}, false, false, false},
    };
    for (const Case& c : cases) {
        const CommandLine cl(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(cl.IsEdit(), c.edit);
        EXPECT_EQ(cl.IsLog(), c.log);
        EXPECT_EQ(cl.IsNedv(), c.nedv);
    }
}

TEST(CommandLine, HasSwitchLowersAsciiOnly) {
    const CommandLine cl(QStringList{QString::fromUtf8("/ПУСК")});
    EXPECT_TRUE(cl.HasSwitch(QString::fromUtf8("/ПУСК")));
    EXPECT_FALSE(cl.HasSwitch(QString::fromUtf8("/пуск")));
    EXPECT_EQ(AsciiLower(QString::fromUtf8("AbЯ")), QString::fromUtf8("abЯ"));
}
