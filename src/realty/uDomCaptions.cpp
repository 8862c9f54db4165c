#include "realty/uDomCaptions.h"

#include <QStringList>

namespace {

const QStringList& CommercialKinds() {
    static const QStringList kinds{QStringLiteral("Офисы"),           QStringLiteral("Торговые помещения"),
                                   QStringLiteral("Склады"),          QStringLiteral("Другое"),
                                   QStringLiteral("Базы отдыха"),     QStringLiteral("Универсальные"),
                                   QStringLiteral("Производственые"), QStringLiteral("Земельные участки")};
    return kinds;
}

const QStringList& NewBuildingSaleKinds() {
    static const QStringList kinds{QStringLiteral("Офисы"),           QStringLiteral("Квартиры"),
                                   QStringLiteral("Другое"),          QStringLiteral("Квартиры 1-к"),
                                   QStringLiteral("Квартиры 2-к"),    QStringLiteral("Квартиры 3-к"),
                                   QStringLiteral("Квартиры 4-к"),    QStringLiteral("Квартиры от 5-к"),
                                   QStringLiteral("Квартиры Элитные")};
    return kinds;
}

const QStringList& NewBuildingRentKinds() {
    static const QStringList kinds{QStringLiteral("Офисы"), QStringLiteral("Квартиры"),
                                   QStringLiteral("Другое")};
    return kinds;
}

const QStringList& NewBuildingDemandKinds() {
    static const QStringList kinds{QStringLiteral("Офисы"), QStringLiteral("Другое")};
    return kinds;
}

const QStringList& CountryKinds() {
    static const QStringList kinds{QStringLiteral("Коттеджи"), QStringLiteral("Дома"),
                                   QStringLiteral("Другое")};
    return kinds;
}

const QStringList& HousingKinds() {
    static const QStringList kinds{QStringLiteral("1-к"),    QStringLiteral("2-к"),
                                   QStringLiteral("3-к"),    QStringLiteral("4-к"),
                                   QStringLiteral("от 5-к"), QStringLiteral("Элитная")};
    return kinds;
}

struct TypeGroup {
    int tens; // the code without its units digit: 1 for 11..18, 12 for 121..128
    const char* prefix;
    const QStringList& (*kinds)();
};

const TypeGroup kTypeGroups[] = {
    {1, "Коммерческая - Продажа - ", CommercialKinds},
    {2, "Коммерческая - Аренда - ", CommercialKinds},
    {3, "Новостройки - Продажа - ", NewBuildingSaleKinds},
    {4, "Новостройки - Аренда - ", NewBuildingRentKinds},
    {5, "Загородная недвижимость - Продажа - ", CountryKinds},
    {6, "Загородная недвижимость - Аренда - ", CountryKinds},
    {7, "Жилая - Продажа - ", HousingKinds},
    {8, "Жилая - Аренда - ", HousingKinds},
    {11, "Коммерческая - Спрос - Продажа - ", CommercialKinds},
    {12, "Коммерческая - Спрос - Аренда - ", CommercialKinds},
    {13, "Новостройки - Спрос - Продажа - ", NewBuildingDemandKinds},
    {14, "Новостройки - Спрос - Аренда - ", NewBuildingDemandKinds},
    {15, "Загородная недвижимость - Спрос - Продажа - ", CountryKinds},
    {16, "Загородная недвижимость - Спрос - Аренда - ", CountryKinds},
    {17, "Жилая - Спрос - Продажа - ", HousingKinds},
    {18, "Жилая - Спрос - Аренда - ", HousingKinds},
};

} // namespace

QString DomTypeName(int code) {
    if (code < 10)
        return QString();
    const int tens = code / 10;
    const int kind = code % 10;
    for (const TypeGroup& group : kTypeGroups) {
        if (group.tens != tens)
            continue;
        const QStringList& kinds = group.kinds();
        if (kind < 1 || kind > kinds.size())
            return QString();
        return QString::fromUtf8(group.prefix) + kinds.at(kind - 1);
    }
    return QString();
}

QString RaionShortName(int code) {
    static const char* const names[] = {"Дзе", "Жел", "Зал", "Кал", "Кир", "Лен", "Окт", "Пер", "Сов", "Цен"};
    if (code >= 1 && code <= 10)
        return QString::fromUtf8(names[code - 1]);
    if (code == -1)
        return QStringLiteral("Любой");
    if (code == -2)
        return QStringLiteral("Др.г.");
    return QStringLiteral("Обл.");
}

QString RaionName(int code) {
    static const char* const names[] = {"Дзержинский", "Железнодорожный", "Залецовский", "Калининский",
                                        "Кировский",   "Ленинский",       "Октябрский",  "Первомайский",
                                        "Советский",   "Центральный"};
    if (code >= 1 && code <= 10)
        return QString::fromUtf8(names[code - 1]);
    if (code == -1)
        return QStringLiteral("Любой");
    if (code == -2)
        return QStringLiteral("Другой город");
    return QStringLiteral("Область");
}

QString NapravName(int code) {
    static const char* const names[] = {"Юг (На Бердск, Череапаново)", "Юго-Запад (На Ордынск)",
                                        "Север (На Колывань)",         "Северо-Восток (На Мошково)",
                                        "Запад (На Чулым, Коченево)",  "Восток (На Тогучин)"};
    if (code >= 1 && code <= 6)
        return QString::fromUtf8(names[code - 1]);
    return QStringLiteral("Область");
}
