// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <cstdint>

// The numbers of the triangular prism and its own mapping to the canvas.
// The prism's model unit is one square of its grid: 45 pixels across and 40
// down, so the model window x -10 .. 10, y 5 .. -5 covers the canvas from
// (30, 10) to (930, 410). It does not use CenterX/CenterY.

// Round((x + 10) * 45) and Round((5 - y) * 40), ties to even; only the low
// 32 bits of a rounded value are used.
std::int32_t PrismToScreenX(double x);
std::int32_t PrismToScreenY(double y);

// The canvas pixel of the model point (x, y), 30 and 10 pixels in from the
// canvas's edges.
QPoint PrismToCanvas(long double x, long double y);

// The prism's index from the scroll bar position s (100..300): s / 100 + 0.01,
// except at the lowest setting, which is exactly 1 (air).
long double PrismIndex(int s);
