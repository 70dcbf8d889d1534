// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/screen_mapping.h"

// The numbers of the triangular prism and its own mapping to the canvas.

// The prism's model unit is one square of its grid: 45 pixels across and 40
// down, its origin at canvas (480, 210), so that the model window x -10 .. 10,
// y 5 .. -5 covers the canvas from (30, 10) to (930, 410).
ScreenMapping PrismMapping();

// The prism's index from the scroll bar position s (100..300): s / 100 + 0.01,
// except at the lowest setting, which is exactly 1 (air).
long double PrismIndex(int s);
