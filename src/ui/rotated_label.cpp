// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rotated_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kOutline(0x10, 0x10, 0x20, 0xD0);

} // namespace

RotatedLabel::RotatedLabel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void RotatedLabel::setText(const QString& text)
{
    text_ = text;
    update();
}

void RotatedLabel::setAngle(int angle)
{
    angle_ = angle;
    update();
}

void RotatedLabel::setTextColor(const QColor& color)
{
    color_ = color;
    update();
}

void RotatedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    painter.translate(0, height() - metrics.descent());
    painter.rotate(-angle_);
    // A dark outline keeps the letters readable over the bright parts of a picture.
    QPainterPath letters;
    letters.addText(0, 0, font(), text_);
    painter.strokePath(letters, QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, color_);
}
