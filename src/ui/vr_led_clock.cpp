// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_led_clock.h"

#include "ui/seven_segment.h"

#include <QPainter>
#include <QTime>

#include <cmath>

TVrLedClock::TVrLedClock(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void TVrLedClock::setLedSize(int size)
{
    ledSize_ = size;
    glyphs_.clear();
    update();
}

void TVrLedClock::setSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

QString TVrLedClock::shownText() const
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

void TVrLedClock::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString text = shownText();

    // Digits scale with the LED size; colons take a third of a digit's width.
    qreal total = 0;
    for (QChar c : text)
        total += glyph(c).width() + spacing_;
    total -= spacing_;

    qreal x = std::round((width() - total) / 2);
    const qreal y = std::round((height() - ledSize_ * 13) / 2.0);
    for (QChar c : text) {
        const QImage& picture = glyph(c);
        painter.drawImage(QPointF(x, y), picture);
        x += picture.width() + spacing_;
    }
}

// A character's picture, drawn once per LED size: the clock changes every
// second and is redrawn from these.
const QImage& TVrLedClock::glyph(QChar c) const
{
    const auto known = glyphs_.constFind(c);
    if (known != glyphs_.constEnd())
        return *known;
    const int width = ledSize_ * (c == QLatin1Char(':') ? 3 : 7);
    QImage image(width, ledSize_ * 13, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // A dark rim keeps the digits readable on the light grounds of some skins.
    const QColor lit(0x00, 0xF0, 0x00);
    const QColor unlit(0x00, 0x60, 0x00, 0x30);
    const QColor rim(0x00, 0x40, 0x00);
    PaintSevenSegment(painter, QRectF(0, 0, width, image.height()), c, lit, unlit, ledSize_, rim);
    return *glyphs_.insert(c, image);
}

void TVrLedClock::showEvent(QShowEvent*)
{
    timer_.start();
}

void TVrLedClock::hideEvent(QHideEvent*)
{
    timer_.stop();
}
