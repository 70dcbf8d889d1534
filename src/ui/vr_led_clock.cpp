#include "ui/vr_led_clock.h"

#include "ui/seven_segment.h"

#include <QPainter>
#include <QTime>

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
    const qreal digitWidth = ledSize_ * 7;
    const qreal colonWidth = ledSize_ * 3;
    const qreal digitHeight = ledSize_ * 13;
    qreal total = 0;
    for (QChar c : text)
        total += (c == QLatin1Char(':') ? colonWidth : digitWidth) + spacing_;
    total -= spacing_;

    qreal x = (width() - total) / 2;
    const qreal y = (height() - digitHeight) / 2;
    // A dark rim keeps the digits readable on the light grounds of some skins.
    const QColor lit(0x00, 0xF0, 0x00);
    const QColor unlit(0x00, 0x60, 0x00, 0x30);
    const QColor rim(0x00, 0x40, 0x00);
    for (QChar c : text) {
        const qreal w = c == QLatin1Char(':') ? colonWidth : digitWidth;
        PaintSevenSegment(painter, QRectF(x, y, w, digitHeight), c, lit, unlit, ledSize_, rim);
        x += w + spacing_;
    }
}

void TVrLedClock::showEvent(QShowEvent*)
{
    timer_.start();
}

void TVrLedClock::hideEvent(QHideEvent*)
{
    timer_.stop();
}
