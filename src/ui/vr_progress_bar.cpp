// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_progress_bar.h"

#include "ui/readout_accessibility.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TVrProgressBar::TVrProgressBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TVrProgressBar::setMinValue(int value)
{
    min_ = value;
    setPosition(position_);
    update();
}

void TVrProgressBar::setMaxValue(int value)
{
    max_ = value;
    setPosition(position_);
    update();
}

void TVrProgressBar::setPosition(int position)
{
    const int clamped = std::clamp(position, min_, std::max(min_, max_));
    if (clamped == position_)
        return;
    position_ = clamped;
    update();
    AnnounceReadoutChange(this);
}

double TVrProgressBar::fraction() const
{
    return max_ > min_ ? double(position_ - min_) / (max_ - min_) : 0.0;
}

QSize TVrProgressBar::sizeHint() const
{
    return QSize(16, 100);
}

void TVrProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);

    const QColor aqua(0x00, 0xFF, 0xFF), navy(0x00, 0x00, 0x80);
    const int margin = 2, block = 3, pitch = 4;
    const int inner = height() - 2 * margin;
    const int blocks = std::max(1, (inner + pitch - block) / pitch);
    const int lit = int(std::lround(fraction() * blocks));
    for (int i = 0; i < blocks; ++i) {
        // Block 0 is at the bottom; the shade runs from navy there to aqua on top.
        const double t = blocks > 1 ? double(i) / (blocks - 1) : 1.0;
        QColor shade = QColor::fromRgbF(navy.redF() + (aqua.redF() - navy.redF()) * t,
                                        navy.greenF() + (aqua.greenF() - navy.greenF()) * t,
                                        navy.blueF() + (aqua.blueF() - navy.blueF()) * t);
        if (i >= lit)
            shade = shade.darker(400);
        const int y = height() - margin - (i + 1) * pitch + (pitch - block);
        painter.fillRect(QRect(margin, y, width() - 2 * margin, block), shade);
    }
}
