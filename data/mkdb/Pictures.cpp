#include "Pictures.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

QColor Hue(const QString& text, int saturation, int value, int shift = 0) {
    const int hue = static_cast<int>((qHash(text, 7) + static_cast<size_t>(shift)) % 360);
    return QColor::fromHsv(hue, saturation, value);
}

bool Save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

void FitText(QPainter& p, const QRect& box, const QString& text, int maxPixels, bool bold, int flags) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    for (int px = maxPixels; px >= 8; --px) {
        font.setPixelSize(px);
        p.setFont(font);
        const QRect need = p.boundingRect(box, flags | Qt::TextWordWrap, text);
        if (need.width() <= box.width() && need.height() <= box.height())
            break;
    }
    p.drawText(box, flags | Qt::TextWordWrap, text);
}

} // namespace

bool DrawBanner(const QString& path, const QString& title, const QString& subtitle) {
    // The size of the right banner panes, so a banner shows whole there and in the lists.
    QImage image(200, 60, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 200, 60);
    g.setColorAt(0, Hue(title, 200, 150));
    g.setColorAt(1, Hue(title, 160, 230, 40));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 160), 3));
    p.drawRect(image.rect().adjusted(1, 1, -2, -2));
    p.setPen(Qt::white);
    FitText(p, QRect(8, 4, 184, 30), title, 20, true, Qt::AlignCenter);
    p.setPen(QColor(255, 250, 220));
    FitText(p, QRect(8, 34, 184, 22), subtitle, 11, false, Qt::AlignCenter);
    p.end();
    return Save(image, path);
}

bool DrawLogo(const QString& path, const QString& title) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor main = Hue(title, 190, 170);
    p.setBrush(main);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(6, 12, 36, 36));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.drawText(QRect(6, 12, 36, 36), Qt::AlignCenter, title.left(1));
    p.setPen(main.darker(130));
    FitText(p, QRect(46, 4, 70, 52), title, 14, true, Qt::AlignVCenter | Qt::AlignLeft);
    p.end();
    return Save(image, path);
}

bool DrawBuilding(const QString& path, const QString& title) {
    QImage image(140, 105, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 105);
    sky.setColorAt(0, QColor(150, 195, 235));
    sky.setColorAt(1, QColor(225, 240, 250));
    p.fillRect(image.rect(), sky);
    p.fillRect(QRect(0, 92, 140, 13), QColor(110, 150, 90));
    const QColor wall = Hue(title, 90, 220);
    const int floors = 5 + static_cast<int>(qHash(title, 3) % 8);
    const int top = 92 - floors * 8;
    p.fillRect(QRect(30, top, 80, 92 - top), wall);
    p.fillRect(QRect(8, 60, 24, 32), wall.darker(115));
    p.fillRect(QRect(108, 52, 26, 40), wall.darker(110));
    for (int f = 0; f < floors; ++f) {
        for (int w = 0; w < 6; ++w)
            p.fillRect(QRect(35 + w * 12, top + 3 + f * 8, 7, 4), QColor(60, 90, 140));
    }
    p.end();
    return Save(image, path);
}

bool DrawHouse(const QString& path, int variant) {
    QImage image(200, 150, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(205, 228, 245));
    p.fillRect(QRect(0, 120, 200, 30), QColor(120, 165, 95));
    const QColor wall = QColor::fromHsv((variant * 47) % 360, 70, 225);
    p.fillRect(QRect(45, 70, 110, 55), wall);
    QPainterPath roof;
    roof.moveTo(35, 72);
    roof.lineTo(100, 25);
    roof.lineTo(165, 72);
    roof.closeSubpath();
    p.fillPath(roof, QColor::fromHsv((variant * 83 + 10) % 360, 160, 150));
    p.fillRect(QRect(60, 85, 22, 18), QColor(80, 120, 170));
    p.fillRect(QRect(118, 85, 22, 18), QColor(80, 120, 170));
    p.fillRect(QRect(91, 95, 18, 30), QColor(120, 80, 50));
    p.end();
    return Save(image, path);
}

} // namespace pictures
