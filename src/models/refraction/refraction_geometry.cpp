// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/refraction_geometry.h"

#include "kit/checked_math.h"

#include <cmath>

RefractionInputs RefractionInputsOf(int p, int s1, int s2)
{
    return RefractionInputs{static_cast<long double>(p) / 2, static_cast<long double>(s1) / 100 + 0.01L,
                            static_cast<long double>(s2) / 100 + 0.01L};
}

std::optional<long double> LimitingAngle(long double n1, long double n2)
{
    if (n2 > n1)
        return std::nullopt;
    return ArcSin(n2 / n1) * 180 / Pi;
}

long double RefractionSine(long double A, long double n1, long double n2)
{
    return std::sin(Radians(A)) * n1 / n2;
}

std::optional<long double> RefractionAngle(long double A, long double n1, long double n2)
{
    const long double x = RefractionSine(A, n1, n2);
    if (x > 1)
        return std::nullopt;
    return ArcSin(x) * 180 / Pi;
}

long double LightSpeedIn(long double n)
{
    return Divide(299792458, n);
}

RefractionState RefractionStateOf(int p, int s1, int s2)
{
    const RefractionInputs in = RefractionInputsOf(p, s1, s2);
    return {s1, s2, in, LimitingAngle(in.n1, in.n2), RefractionAngle(in.A, in.n1, in.n2)};
}
