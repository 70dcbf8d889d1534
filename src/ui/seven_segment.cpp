// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seven_segment.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Segments a..g as bits 0..6.
int segmentsOf(QChar c)
{
    static const int digits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    if (c.isDigit())
        return digits[c.digitValue()];
    if (c == QLatin1Char('-'))
        return 0x40;
    return 0;
}

// A segment as a hexagon from p to q, `t` wide, its ends pointed.
QPolygonF segment(QPointF p, QPointF q, qreal t)
{
    const qreal h = t / 2;
    const qreal gap = t * 0.15;
    if (p.y() == q.y()) {
        const qreal x1 = p.x() + gap, x2 = q.x() - gap, y = p.y();
        return QPolygonF({{x1, y}, {x1 + h, y - h}, {x2 - h, y - h}, {x2, y}, {x2 - h, y + h}, {x1 + h, y + h}});
    }
    const qreal y1 = p.y() + gap, y2 = q.y() - gap, x = p.x();
    return QPolygonF({{x, y1}, {x + h, y1 + h}, {x + h, y2 - h}, {x, y2}, {x - h, y2 - h}, {x - h, y1 + h}});
}

} // namespace

void PaintSevenSegment(QPainter& painter, const QRectF& cell, QChar character,
                       const QColor& on, const QColor& off, qreal thickness, const QColor& outline)
{
    const qreal t = thickness;
    const qreal left = cell.left() + t / 2, right = cell.right() - t / 2;
    const qreal top = cell.top() + t / 2, bottom = cell.bottom() - t / 2;
    const qreal middle = (top + bottom) / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    if (character == QLatin1Char(':')) {
        painter.setBrush(on);
        if (outline.isValid())
            painter.setPen(QPen(outline, 1));
        const qreal x = cell.center().x();
        painter.drawEllipse(QPointF(x, (top + middle) / 2), t / 2, t / 2);
        painter.drawEllipse(QPointF(x, (middle + bottom) / 2), t / 2, t / 2);
        painter.restore();
        return;
    }

    const QPolygonF segments[7] = {
        segment({left, top}, {right, top}, t),          // a
        segment({right, top}, {right, middle}, t),      // b
        segment({right, middle}, {right, bottom}, t),   // c
        segment({left, bottom}, {right, bottom}, t),    // d
        segment({left, middle}, {left, bottom}, t),     // e
        segment({left, top}, {left, middle}, t),        // f
        segment({left, middle}, {right, middle}, t),    // g
    };
    const int lit = segmentsOf(character);
    for (int i = 0; i < 7; ++i) {
        const bool isOn = lit & (1 << i);
        if (!isOn && !off.isValid())
            continue;
        painter.setBrush(isOn ? on : off);
        painter.setPen(isOn && outline.isValid() ? QPen(outline, 1) : QPen(Qt::NoPen));
        painter.drawPolygon(segments[i]);
    }
    painter.restore();
}
