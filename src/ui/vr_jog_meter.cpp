// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_jog_meter.h"

#include "ui/readout_accessibility.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

TVrJogMeter::TVrJogMeter(QWidget* parent)
    : QWidget(parent)
{
}

void TVrJogMeter::setValue(double value)
{
    if (value != value_) {
        value_ = value;
        update();
        AnnounceReadoutChange(this);
    }
}

void TVrJogMeter::setLargeStep(int step)
{
    largeStep_ = std::max(1, step);
    update();
}

void TVrJogMeter::setSmallStep(int step)
{
    smallStep_ = std::max(1, step);
    update();
}

void TVrJogMeter::setAperture(int aperture)
{
    aperture_ = std::max(1, aperture);
    update();
}

QSize TVrJogMeter::sizeHint() const
{
    return QSize(120, 70);
}

void TVrJogMeter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The window onto the dial: the upper half of a circle standing on the bottom edge.
    const qreal radius = std::min(width() / 2.0, height() - 4.0) - 2;
    const QPointF hub(width() / 2.0, height() - 3.0);
    QRadialGradient face(hub, radius);
    face.setColorAt(0, QColor(0x30, 0x36, 0x40));
    face.setColorAt(0.85, QColor(0x14, 0x18, 0x1E));
    face.setColorAt(1, QColor(0x05, 0x06, 0x08));
    painter.setPen(QPen(QColor(0x90, 0x98, 0xA4), 1.5));
    painter.setBrush(face);
    painter.drawPie(QRectF(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius), 0, 180 * 16);

    // Each unit of the scale turns the dial by 180 / aperture degrees; the
    // value stands under the pointer at the top.
    const double degreesPerUnit = 180.0 / aperture_;
    const int first = int(std::floor((value_ - aperture_ / 2.0) / smallStep_)) * smallStep_;
    QFont numbers = font();
    numbers.setPixelSize(std::max(8, int(radius / 5)));
    numbers.setBold(true);
    painter.setFont(numbers);
    for (int mark = first; mark <= value_ + aperture_ / 2.0; mark += smallStep_) {
        const double angle = (90 - (mark - value_) * degreesPerUnit) * M_PI / 180;
        if (angle < 0.02 || angle > M_PI - 0.02)
            continue;
        const bool large = mark % largeStep_ == 0;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        const qreal inner = radius * (large ? 0.72 : 0.84);
        painter.setPen(QPen(large ? QColor(0xF0, 0xF0, 0xF0) : QColor(0xA0, 0xA8, 0xB0), large ? 2 : 1));
        painter.drawLine(hub + direction * inner, hub + direction * (radius * 0.95));
        if (large) {
            const QPointF at = hub + direction * (radius * 0.52);
            painter.drawText(QRectF(at.x() - 20, at.y() - 8, 40, 16), Qt::AlignCenter, QString::number(mark));
        }
    }

    painter.setPen(QPen(QColor(0xFF, 0x20, 0x20), 2));
    painter.drawLine(hub, hub - QPointF(0, radius));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x60, 0x66, 0x70));
    painter.drawEllipse(hub, radius * 0.08, radius * 0.08);
}
