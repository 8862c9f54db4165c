#include "PrintQt.h"
#include "database/uCodecs.h"
#include "realty/uDomCaptions.h"
#include "realty/uRealtyText.h"

#include <gtest/gtest.h>

namespace {

TEST(DomCaptions, TypeNames) {
    const struct {
        int code;
        const char* caption;
    } cases[] = {
        {11, "Коммерческая - Продажа - Офисы"},
        {17, "Коммерческая - Продажа - Производственые"},
        {28, "Коммерческая - Аренда - Земельные участки"},
        {34, "Новостройки - Продажа - Квартиры 1-к"},
        {39, "Новостройки - Продажа - Квартиры Элитные"},
        {43, "Новостройки - Аренда - Другое"},
        {51, "Загородная недвижимость - Продажа - Коттеджи"},
        {63, "Загородная недвижимость - Аренда - Другое"},
        {72, "Жилая - Продажа - 2-к"},
        {86, "Жилая - Аренда - Элитная"},
        {118, "Коммерческая - Спрос - Продажа - Земельные участки"},
        {121, "Коммерческая - Спрос - Аренда - Офисы"},
        {132, "Новостройки - Спрос - Продажа - Другое"},
        {141, "Новостройки - Спрос - Аренда - Офисы"},
        {152, "Загородная недвижимость - Спрос - Продажа - Дома"},
        {163, "Загородная недвижимость - Спрос - Аренда - Другое"},
        {175, "Жилая - Спрос - Продажа - от 5-к"},
        {186, "Жилая - Спрос - Аренда - Элитная"},
        // Codes outside the table.
        {0, ""},
        {10, ""},
        {19, ""},
        {44, ""},
        {54, ""},
        {77, ""},
        {90, ""},
        {110, ""},
        {133, ""},
        {187, ""},
        {200, ""},
        {-34, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DomTypeName(c.code), QString::fromUtf8(c.caption)) << c.code;
}

TEST(DomCaptions, DistrictsAndDirections) {
    EXPECT_EQ(RaionShortName(1), QStringLiteral("Дзе"));
    EXPECT_EQ(RaionShortName(10), QStringLiteral("Цен"));
    EXPECT_EQ(RaionShortName(-1), QStringLiteral("Любой"));
    EXPECT_EQ(RaionShortName(-2), QStringLiteral("Др.г."));
    EXPECT_EQ(RaionShortName(0), QStringLiteral("Обл."));
    EXPECT_EQ(RaionShortName(11), QStringLiteral("Обл."));
    EXPECT_EQ(RaionName(3), QStringLiteral("Залецовский"));
    EXPECT_EQ(RaionName(5), QStringLiteral("Кировский"));
    EXPECT_EQ(RaionName(7), QStringLiteral("Октябрский"));
    EXPECT_EQ(RaionName(-1), QStringLiteral("Любой"));
    EXPECT_EQ(RaionName(-2), QStringLiteral("Другой город"));
    EXPECT_EQ(RaionName(0), QStringLiteral("Область"));
    EXPECT_EQ(RaionName(-3), QStringLiteral("Область"));
    EXPECT_EQ(NapravName(1), QStringLiteral("Юг (На Бердск, Череапаново)"));
    EXPECT_EQ(NapravName(3), QStringLiteral("Север (На Колывань)"));
    EXPECT_EQ(NapravName(6), QStringLiteral("Восток (На Тогучин)"));
    EXPECT_EQ(NapravName(0), QStringLiteral("Область"));
    EXPECT_EQ(NapravName(7), QStringLiteral("Область"));
}

TEST(RealtyText, RemoveMargins) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"<p style=\"margin-left: 12px; font-size: 14px;\">A</p>", "<p style=\" font-size: 14px;\">A</p>"},
        {"<p style=\"margin: 0; margin-top: 3px; color: red\">", "<p style=\"  color: red\">"},
        {"<p style=\"Margin: 0; color: red\">", "<p style=\"Margin: 0; color: red\">"},
        // A cut that joins the halves of a new "margin" cuts that one too.
        {"marmargin: 0;gin: 1; rest", " rest"},
        // Nothing ends the setting: the removal stops and the text stays.
        {"<p style=\"margin-left: 3px\">text</p>", "<p style=\"margin-left: 3px\">text</p>"},
        {"a margin: 1; b margin-top: 2px", "a  b margin-top: 2px"},
        {"plain text", "plain text"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(realty::RemoveMargins(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(RealtyText, Numbers) {
    EXPECT_EQ(realty::StrToInt(QStringLiteral("12")), 12);
    EXPECT_EQ(realty::StrToInt(QStringLiteral(" 7")), 7);
    EXPECT_THROW(realty::StrToInt(QString()), ConvertError);
    EXPECT_THROW(realty::StrToInt(QStringLiteral("2x")), ConvertError);
    EXPECT_EQ(realty::StrToIntDef(QStringLiteral("abc"), 0), 0);
    EXPECT_EQ(realty::StrToIntDef(QStringLiteral("150"), 0), 150);
}

} // namespace
