#include "ui/rotated_label.h"

#include <QFontMetrics>
#include <QPainter>

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
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(color_);
    const QFontMetrics metrics(font());
    painter.translate(0, height() - metrics.descent());
    painter.rotate(-angle_);
    painter.drawText(0, 0, text_);
}
