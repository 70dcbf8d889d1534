// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QColor>
#include <QRectF>

class QPainter;

// Paints one seven-segment character ('0'..'9', '-', ' ' or ':') into `cell`:
// lit segments in `on`, the others in `off` (an invalid colour leaves them
// out). `thickness` is the segment width; a valid `outline` rims the lit
// segments so they stand out on light grounds.
void PaintSevenSegment(QPainter& painter, const QRectF& cell, QChar character,
                       const QColor& on, const QColor& off, qreal thickness, const QColor& outline = QColor());
