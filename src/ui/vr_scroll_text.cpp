// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_scroll_text.h"

#include "ui/readout_accessibility.h"

#include <QFontMetrics>
#include <QPainter>

TVrScrollText::TVrScrollText(QWidget* parent)
    : QWidget(parent)
{
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &TVrScrollText::step);
}

void TVrScrollText::setText(const QString& text)
{
    // A new text starts in view, then leaves to the left and comes in again from the right.
    text_ = text;
    position_ = 0;
    update();
    AnnounceReadoutChange(this);
}

void TVrScrollText::step()
{
    --position_;
    if (position_ < -QFontMetrics(font()).horizontalAdvance(text_))
        position_ = width();
    update();
}

void TVrScrollText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(position_, 0, QFontMetrics(font()).horizontalAdvance(text_) + 2, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text_);
}

void TVrScrollText::showEvent(QShowEvent*)
{
    timer_.start();
}

void TVrScrollText::hideEvent(QHideEvent*)
{
    timer_.stop();
}
