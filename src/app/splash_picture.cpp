// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_picture.h"

#include "ui/fonts.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

void paintSky(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0x0B, 0x12, 0x3A));
    sky.setColorAt(0.45, QColor(0x2E, 0x2C, 0x6E));
    sky.setColorAt(0.75, QColor(0xB0, 0x4A, 0x5A));
    sky.setColorAt(1.0, QColor(0xF2, 0x9A, 0x4C));
    p.fillRect(area, sky);

    // A few early stars, always in the same places.
    QRandomGenerator stars(15);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(stars.bounded(area.width()), stars.bounded(area.height() * 0.45));
        p.setBrush(QColor(255, 255, 255, 90 + stars.bounded(150)));
        p.drawEllipse(at, 0.9, 0.9);
    }
}

void paintHills(QPainter& p, const QRectF& area)
{
    QPainterPath hills;
    hills.moveTo(area.left(), area.bottom());
    for (int x = 0; x <= int(area.width()); x += 4) {
        const double y = area.bottom() - 55 - 18 * std::sin(x / 90.0) - 10 * std::sin(x / 37.0 + 1);
        hills.lineTo(area.left() + x, y);
    }
    hills.lineTo(area.right(), area.bottom());
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0C, 0x0C, 0x18));
    p.drawPath(hills);
}

void paintBulb(QPainter& p, const QPointF& socket, const QColor& glow)
{
    const QPointF centre = socket + QPointF(0, 17);
    QRadialGradient halo(centre, 42);
    halo.setColorAt(0, QColor(glow.red(), glow.green(), glow.blue(), 170));
    halo.setColorAt(1, QColor(glow.red(), glow.green(), glow.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 42, 42);

    // Rays of light, straight lines from the filament.
    p.setPen(QPen(QColor(255, 240, 200, 70), 1));
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6 + 0.2;
        p.drawLine(centre + QPointF(14 * std::cos(a), 14 * std::sin(a)),
                   centre + QPointF(34 * std::cos(a), 34 * std::sin(a)));
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRect(QRectF(socket.x() - 5, socket.y(), 10, 7));
    QRadialGradient glass(centre - QPointF(3, 3), 13);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(0.5, glow.lighter(130));
    glass.setColorAt(1, glow);
    p.setBrush(glass);
    p.drawEllipse(centre, 10, 12);
}

void paintBulbString(QPainter& p, const QRectF& area)
{
    // The wire sags between two posts like a chain.
    const auto wireY = [&](double x) {
        const double t = (x - area.width() / 2) / (area.width() / 2);
        return 150 + 60 * (1 - t * t);
    };
    p.setPen(QPen(QColor(0x20, 0x20, 0x28), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath wire;
    wire.moveTo(0, wireY(0));
    for (int x = 0; x <= int(area.width()); x += 5)
        wire.lineTo(x, wireY(x));
    p.drawPath(wire);

    const QColor colours[] = {QColor(0xFF, 0xE0, 0x70), QColor(0xFF, 0xB0, 0x50), QColor(0xFF, 0xF4, 0xC0)};
    int i = 0;
    for (double x = 40; x < area.width(); x += 62, ++i)
        paintBulb(p, QPointF(x, wireY(x)), colours[i % 3]);
}

void paintTitle(QPainter& p, const QRectF& area)
{
    QFont font = UiFont(QStringLiteral("Verdana"), 40, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath lettering;
    const QString title = QCoreApplication::translate("SplashPicture", "ГЕОМЕТРИЧЕСКАЯ ОПТИКА");
    const double width = QFontMetricsF(font).horizontalAdvance(title);
    lettering.addText((area.width() - width) / 2, 70, font, title);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 200, 80, 60), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lettering);
    QLinearGradient gold(0, 30, 0, 75);
    gold.setColorAt(0, QColor(0xFF, 0xF6, 0xD0));
    gold.setColorAt(1, QColor(0xFF, 0xB8, 0x30));
    p.setPen(QPen(QColor(0x60, 0x30, 0x00), 1.2));
    p.setBrush(gold);
    p.drawPath(lettering);
}

} // namespace

QPixmap PaintSplashPicture(const QSize& size)
{
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    paintSky(p, area);
    paintHills(p, area);
    paintBulbString(p, area);
    paintTitle(p, area);
    return picture;
}
