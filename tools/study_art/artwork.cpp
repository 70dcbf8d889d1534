// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// What the card says: its title and its lines, each short enough for the card.
struct CardText {
    QString title;
    QStringList lines;
};

const CardText& cardTextIn(const QString& language)
{
    static const CardText russian{
        QStringLiteral("ОПТИКА"),
        {QStringLiteral("Свет в однородной среде"), QStringLiteral("распространяется"),
         QStringLiteral("прямолинейно. Угол падения"), QStringLiteral("равен углу отражения."),
         QStringLiteral("1/d + 1/f = 1/F      D = 1/F"), QStringLiteral("sin α / sin β = n"),
         QStringLiteral("Линза даёт изображение"), QStringLiteral("предмета.")}};
    static const CardText english{
        QStringLiteral("OPTICS"),
        {QStringLiteral("In a uniform medium light"), QStringLiteral("travels in straight lines."),
         QStringLiteral("The angle of incidence equals"), QStringLiteral("the angle of reflection."),
         QStringLiteral("1/d + 1/f = 1/F      D = 1/F"), QStringLiteral("sin α / sin β = n"),
         QStringLiteral("A lens forms an image"), QStringLiteral("of an object.")}};
    return language == QLatin1String("en") ? english : russian;
}

// The wall, the table and the printed card behind the flask.
QImage paintScene(QSize size, const CardText& text)
{
    const qreal w = size.width(), h = size.height();
    QImage scene(size, QImage::Format_RGB32);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient wall(0, 0, w, h * 0.75);
    wall.setColorAt(0, QColor(0xD9, 0xCF, 0xBC));
    wall.setColorAt(1, QColor(0xB8, 0xAC, 0x96));
    p.fillRect(QRectF(0, 0, w, h * 0.76), wall);
    QLinearGradient table(0, h * 0.76, 0, h);
    table.setColorAt(0, QColor(0x8A, 0x5A, 0x32));
    table.setColorAt(1, QColor(0x5E, 0x3A, 0x1E));
    p.fillRect(QRectF(0, h * 0.76, w, h * 0.24), table);
    p.setPen(QPen(QColor(0x4A, 0x2C, 0x14, 90), 1.2));
    for (int i = 0; i < 9; ++i) {
        const qreal y = h * (0.79 + 0.025 * i);
        p.drawLine(QPointF(0, y), QPointF(w, y + h * 0.01 * std::sin(i)));
    }

    // The card, leaning on the wall behind the flask.
    const QRectF card(w * 0.14, h * 0.16, w * 0.72, h * 0.6);
    p.setPen(QPen(QColor(0x90, 0x88, 0x78), 1));
    p.setBrush(QColor(0xFB, 0xFA, 0xF4));
    p.drawRect(card);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(int(h * 0.075));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x1A, 0x2A, 0x6A));
    p.drawText(QRectF(card.left(), card.top() + h * 0.03, card.width(), h * 0.09), Qt::AlignCenter,
               text.title);
    QFont small(QStringLiteral("Liberation Serif"));
    small.setPixelSize(std::max(6, int(h * 0.032)));
    p.setFont(small);
    p.setPen(QColor(0x30, 0x30, 0x30));
    qreal y = card.top() + h * 0.14;
    for (const QString& line : text.lines) {
        p.drawText(QRectF(card.left() + w * 0.04, y, card.width() - w * 0.08, h * 0.045), Qt::AlignLeft, line);
        y += h * 0.052;
    }
    return scene;
}

// The magnification of the water-filled bulb at `r`, the distance from its
// centre in radii: twice at the centre, none at the rim.
qreal shrink(qreal r)
{
    return 0.5 + 0.5 * r * r;
}

// The colour of `image` at a point between pixels, blended from the four
// pixels round it.
QRgb sample(const QImage& image, QPointF at)
{
    const qreal x = std::clamp<qreal>(at.x(), 0, image.width() - 1.001);
    const qreal y = std::clamp<qreal>(at.y(), 0, image.height() - 1.001);
    const int x0 = int(x), y0 = int(y);
    const qreal fx = x - x0, fy = y - y0;
    qreal channels[3] = {0, 0, 0};
    const QRgb corners[4] = {image.pixel(x0, y0), image.pixel(x0 + 1, y0), image.pixel(x0, y0 + 1),
                             image.pixel(x0 + 1, y0 + 1)};
    const qreal weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    for (int i = 0; i < 4; ++i) {
        channels[0] += qRed(corners[i]) * weights[i];
        channels[1] += qGreen(corners[i]) * weights[i];
        channels[2] += qBlue(corners[i]) * weights[i];
    }
    return qRgb(qRound(channels[0]), qRound(channels[1]), qRound(channels[2]));
}

void addGrain(QImage& image)
{
    QRandomGenerator grain(8);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(grain.bounded(9)) - 4;
            line[x] = qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                           std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
}

} // namespace

QImage PaintFlaskPhoto(QSize size, const QString& language)
{
    const qreal w = size.width(), h = size.height();
    const QImage scene = paintScene(size, cardTextIn(language));
    QImage photo = scene.copy();

    const QPointF centre(w * 0.5, h * 0.56);
    const qreal radius = w * 0.27;
    const QRectF neck(centre.x() - w * 0.075, h * 0.05, w * 0.15, centre.y() - radius * 0.9 - h * 0.05);

    // The shadow of the flask on the table.
    {
        QPainter p(&photo);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient shadow(QPointF(centre.x() + w * 0.06, h * 0.86), radius * 1.1);
        shadow.setColorAt(0, QColor(0x20, 0x12, 0x06, 150));
        shadow.setColorAt(1, QColor(0x20, 0x12, 0x06, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(centre.x() + w * 0.06, h * 0.86), radius * 1.15, h * 0.05);
    }

    // Through the water the card shows magnified; the neck only widens it a little.
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QPointF offset = QPointF(x, y) - centre;
            const qreal r = std::hypot(offset.x(), offset.y()) / radius;
            QPointF source;
            if (r < 1)
                source = centre + offset * shrink(r);
            else if (neck.contains(x, y))
                source = QPointF(centre.x() + (x - centre.x()) * 0.8, y);
            else
                continue;
            const QRgb seen = sample(scene, source);
            line[x] = qRgb(int(qRed(seen) * 0.9), int(qGreen(seen) * 0.96), int(qBlue(seen) * 0.99));
        }
    }

    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath glass;
    glass.addEllipse(centre, radius, radius);
    glass.addRect(neck);
    glass = glass.simplified();

    // The glass darkens towards its edges, where the light grazes it.
    QRadialGradient edge(centre, radius);
    edge.setColorAt(0.0, QColor(0x30, 0x50, 0x60, 0));
    edge.setColorAt(0.8, QColor(0x30, 0x50, 0x60, 10));
    edge.setColorAt(1.0, QColor(0x20, 0x38, 0x48, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawEllipse(centre, radius, radius);
    QLinearGradient neckShade(neck.topLeft(), neck.topRight());
    neckShade.setColorAt(0, QColor(0x20, 0x38, 0x48, 90));
    neckShade.setColorAt(0.3, QColor(0x20, 0x38, 0x48, 0));
    neckShade.setColorAt(0.7, QColor(0x20, 0x38, 0x48, 0));
    neckShade.setColorAt(1, QColor(0x20, 0x38, 0x48, 90));
    p.setBrush(neckShade);
    p.drawRect(neck.adjusted(0, 0, 0, -radius * 0.2));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x40, 0x5A, 0x66, 200), std::max(1.5, w * 0.006)));
    p.drawPath(glass);
    // The rim of the neck and the water's surface in it.
    p.setPen(QPen(QColor(0x60, 0x78, 0x84, 220), std::max(2.0, w * 0.01)));
    p.drawLine(QPointF(neck.left() - w * 0.012, neck.top()), QPointF(neck.right() + w * 0.012, neck.top()));
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 150), std::max(1.0, w * 0.004)));
    p.drawLine(QPointF(neck.left(), neck.top() + neck.height() * 0.35),
               QPointF(neck.right(), neck.top() + neck.height() * 0.35));

    // Highlights of the window light on the glass.
    QRadialGradient shine(centre + QPointF(-radius * 0.45, -radius * 0.45), radius * 0.35);
    shine.setColorAt(0, QColor(255, 255, 255, 210));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre + QPointF(-radius * 0.45, -radius * 0.45), radius * 0.22, radius * 0.32);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(centre + QPointF(radius * 0.62, radius * 0.35), radius * 0.06, radius * 0.14);
    p.end();

    addGrain(photo);
    return photo;
}

QImage PaintBriefcase(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The handle.
    p.setPen(QPen(QColor(0x3A, 0x22, 0x10), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(23, 9, 18, 14), 5, 5);
    // The body in leather, lit from above.
    QLinearGradient leather(0, 18, 0, 58);
    leather.setColorAt(0, QColor(0xB0, 0x6A, 0x2E));
    leather.setColorAt(1, QColor(0x6E, 0x3C, 0x16));
    p.setPen(QPen(QColor(0x42, 0x24, 0x0E), 1.5));
    p.setBrush(leather);
    p.drawRoundedRect(QRectF(5, 18, 54, 40), 6, 6);
    // The flap and its stitching.
    p.setBrush(QColor(0x9A, 0x58, 0x24));
    QPainterPath flap;
    flap.moveTo(5, 30);
    flap.lineTo(5, 24);
    flap.quadTo(5, 18, 11, 18);
    flap.lineTo(53, 18);
    flap.quadTo(59, 18, 59, 24);
    flap.lineTo(59, 30);
    flap.closeSubpath();
    p.drawPath(flap);
    p.setPen(QPen(QColor(0xE8, 0xC8, 0x90, 160), 0.8, Qt::DashLine));
    p.drawLine(QPointF(9, 27), QPointF(55, 27));
    p.drawLine(QPointF(9, 54), QPointF(55, 54));
    // Two brass clasps.
    p.setPen(QPen(QColor(0x70, 0x58, 0x10), 1));
    p.setBrush(QColor(0xE8, 0xC0, 0x40));
    for (const qreal x : {16.0, 42.0})
        p.drawRoundedRect(QRectF(x, 27, 6, 8), 1.5, 1.5);
    return image;
}
