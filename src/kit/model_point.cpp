// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_point.h"

#include "kit/checked_math.h"

#include <cmath>

ModelPoint Polar(long double radius, long double degrees)
{
    const long double t = Radians(degrees);
    return {radius * std::cos(t), radius * std::sin(t)};
}
