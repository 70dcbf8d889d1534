// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/screen_mapping.h"

#include "kit/checked_math.h"

namespace {

// Wrapping arithmetic on the low 32 bits, as the canvas takes 32-bit coordinates.
std::int32_t low32(std::uint64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

std::int32_t ScreenMapping::ToScreenX(double x) const
{
    return low32(static_cast<std::uint64_t>(centerX) + static_cast<std::uint64_t>(Round(x * scaleX)));
}

std::int32_t ScreenMapping::ToScreenY(double y) const
{
    return low32(static_cast<std::uint64_t>(centerY) - static_cast<std::uint64_t>(Round(y * scaleY)));
}
