// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_num.h"

#include "ui/readout_accessibility.h"
#include "ui/seven_segment.h"

#include <QPainter>

#include <algorithm>

namespace {
const QColor kLit(0x00, 0xFF, 0x00);
const QColor kUnlit(0x00, 0x3A, 0x00);
} // namespace

TVrNum::TVrNum(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TVrNum::setDigits(int digits)
{
    digits_ = std::max(1, digits);
    update();
}

void TVrNum::setMinimum(int minimum)
{
    minimum_ = minimum;
    setValue(value_);
}

void TVrNum::setMaximum(int maximum)
{
    maximum_ = maximum;
    setValue(value_);
}

void TVrNum::setValue(int value)
{
    const int clamped = std::clamp(value, minimum_, std::max(minimum_, maximum_));
    if (clamped != value_) {
        value_ = clamped;
        update();
        AnnounceReadoutChange(this);
    }
}

QSize TVrNum::sizeHint() const
{
    return QSize(16 * digits_ + 6, 28);
}

void TVrNum::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);

    // Right-aligned, without leading zeros, as a calculator shows it.
    QString text = QString::number(value_);
    if (text.size() > digits_)
        text = text.right(digits_);
    text = text.rightJustified(digits_, QLatin1Char(' '));

    const qreal margin = 3;
    const qreal cellWidth = (width() - 2 * margin) / digits_;
    const qreal height = this->height() - 2 * margin;
    const qreal glyphWidth = std::min(cellWidth * 0.8, height * 0.55);
    const qreal thickness = std::max<qreal>(2, glyphWidth * 0.18);
    for (int i = 0; i < digits_; ++i) {
        const qreal x = margin + i * cellWidth + (cellWidth - glyphWidth) / 2;
        PaintSevenSegment(painter, QRectF(x, margin, glyphWidth, height), text[i], kLit, kUnlit, thickness);
    }
}
