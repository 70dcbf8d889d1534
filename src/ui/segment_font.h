// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QColor>
#include <QRectF>

class QPainter;

// A fourteen-segment character: the seven outer and middle segments of a
// digit, two centre verticals and four diagonals, enough for digits, Latin
// letters and the signs of the readouts ("м/с", "=1,33"). The signs '<',
// '>' and '=' light no segment: they are drawn as strokes of their own.
int SegmentsOf(QChar c);

// Paints `c` into `cell`, lit segments in `on`, the rest in `off`; `point`
// adds the decimal mark (',' or '.') at the cell's lower right.
void PaintFourteenSegments(QPainter& painter, const QRectF& cell, QChar c, QChar point,
                           const QColor& on, const QColor& off);
