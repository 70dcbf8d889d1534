// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where a model stands on its canvas: the canvas pixel of its origin, and
// how many canvas pixels one model unit takes across and down (1 but for
// the prism, whose unit is a square of its grid). Model coordinates have y
// upwards; each coordinate is rounded on its own, ties to even, and only the
// low 32 bits of a rounded value are used, as the canvas takes 32-bit pixels.
struct ScreenMapping {
    std::int32_t centerX = 0;
    std::int32_t centerY = 0;
    long double scaleX = 1;
    long double scaleY = 1;

    std::int32_t ToScreenX(double x) const;
    std::int32_t ToScreenY(double y) const;
};
