// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_geometry.h"

#include "kit/checked_math.h"

#include <cmath>

ScreenMapping PrismMapping()
{
    return {480, 210, 45, 40};
}

long double PrismIndex(int s)
{
    const long double n = static_cast<long double>(s) / 100 + 0.01L;
    return n == 1.01L ? 1 : n;
}
