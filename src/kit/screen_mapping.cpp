// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/screen_mapping.h"

#include "kit/checked_math.h"

std::int32_t CenterX = 0;
std::int32_t CenterY = 0;

namespace {

// Wrapping arithmetic on the low 32 bits, as the canvas takes 32-bit coordinates.
std::int32_t low32(std::uint64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

std::int32_t ToScreenX(double x)
{
    return low32(static_cast<std::uint64_t>(CenterX) + static_cast<std::uint64_t>(Round(x)));
}

std::int32_t ToScreenY(double y)
{
    return low32(static_cast<std::uint64_t>(CenterY) - static_cast<std::uint64_t>(Round(y)));
}
