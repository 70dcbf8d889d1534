#pragma once

#include <QChar>
#include <QColor>
#include <QRectF>

class QPainter;

// Paints one seven-segment character ('0'..'9', '-', ' ' or ':') into `cell`:
// lit segments in `on`, the others in `off`. `thickness` is the segment width.
void PaintSevenSegment(QPainter& painter, const QRectF& cell, QChar character,
                       const QColor& on, const QColor& off, qreal thickness);
