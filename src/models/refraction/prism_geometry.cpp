// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_geometry.h"

#include "kit/checked_math.h"

#include <cmath>

namespace {

// The low 32 bits of a rounded coordinate, as the canvas takes them.
std::int32_t low32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

std::int32_t PrismToScreenX(double x)
{
    return low32(Round((static_cast<long double>(x) + 10) * 45));
}

std::int32_t PrismToScreenY(double y)
{
    return low32(Round((5 - static_cast<long double>(y)) * 40));
}

QPoint PrismToCanvas(long double x, long double y)
{
    return {low32(std::int64_t(PrismToScreenX(double(x))) + 30), low32(std::int64_t(PrismToScreenY(double(y))) + 10)};
}

long double PrismIndex(int s)
{
    const long double n = static_cast<long double>(s) / 100 + 0.01L;
    return n == 1.01L ? 1 : n;
}
