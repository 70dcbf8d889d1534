// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The canvas pixel of the current model origin. One pair serves every model:
// each redraw sets it for its canvas before it converts any point.
extern std::int32_t CenterX;
extern std::int32_t CenterY;

// Model coordinates (pixels, y upwards, origin at CenterX/CenterY) to canvas
// pixels, each coordinate rounded on its own, ties to even. Only the low
// 32 bits of a rounded value are used.
std::int32_t ToScreenX(double x);
std::int32_t ToScreenY(double y);
