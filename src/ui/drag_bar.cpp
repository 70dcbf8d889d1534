// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drag_bar.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

DragBar::DragBar(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::SizeAllCursor);
}

void DragBar::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void DragBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& p = palette();
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, p.color(QPalette::Button).lighter(115));
    shade.setColorAt(1, p.color(QPalette::Button).darker(115));
    painter.fillRect(rect(), shade);
    painter.setPen(p.color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(p.color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

void DragBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void DragBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void DragBar::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}
