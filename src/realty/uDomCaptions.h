#pragma once

#include <QString>

// Captions of the real-estate codes: offer type, city district, direction from the city.

// "Жилая - Продажа - 2-к" for 72; empty text for a code that names no offer type.
QString DomTypeName(int code);
// Short district caption of the listings: "Дзе" ... "Цен", "Любой" (-1), "Др.г." (-2), else "Обл.".
QString RaionShortName(int code);
// Full district caption of the offer page: "Дзержинский" ... "Центральный", "Любой", "Другой город",
// else "Область".
QString RaionName(int code);
// Direction of an out-of-town offer; "Область" for a code that names no direction.
QString NapravName(int code);
