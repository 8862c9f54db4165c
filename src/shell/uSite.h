#pragma once

#include <QString>

// The publisher of the catalogue: its site name (caption, site button, home-page prompt) and address.
namespace site {

inline QString Name() {
    return QStringLiteral("www.velomar-sib.ru");
}
inline QString Address() {
    return QStringLiteral("http://www.velomar-sib.ru/");
}

} // namespace site
