// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lens/lens_geometry.h"

#include <cmath>

double LensPower(LensKind kind, double F)
{
    const double power = (1 / F) * 100;
    return kind == LensKind::Converging ? power : -power;
}

LensNumbers ComputeLens(LensKind kind, double F, double d, double h1)
{
    LensNumbers n{};
    n.D = LensPower(kind, F);
    n.f = kind == LensKind::Converging ? d * F / (d - F) : -(d * F) / (d + F);
    n.G = -n.f / d;
    n.h2 = n.G * h1;
    return n;
}

QString LensCaseText(int F, int d)
{
    if (d == F)
        return QStringLiteral("d=F");
    if (2 * F < d)
        return QStringLiteral("d>2F");
    if (2 * F == d)
        return QStringLiteral("d=2F");
    if (F < d)
        return QStringLiteral("F<d<2F");
    return QStringLiteral("d<F");
}

LensState LensStateOf(LensKind kind, int F, int d, int h1)
{
    LensState s{kind, double(F), double(d), double(h1), LensCaseText(F, d), LensPower(kind, F),
                kind == LensKind::Converging && F == d, {}};
    s.numbers.D = s.D;
    if (s.raysParallel)
        return s;
    s.numbers = ComputeLens(kind, s.F, s.d, s.h1);
    const double f = s.numbers.f;
    if (kind == LensKind::Converging) {
        s.centralRayTip = -s.h1 * f / s.d;
        s.imageTip = s.h1 - s.h1 * f / s.F;
    } else {
        s.divergingRayEnd = s.h1 * RayEndX / s.F + s.h1;
        s.virtualImageHalf = -s.h1 * s.F / (s.F + s.d);
    }
    return s;
}

double LensHalfHeight()
{
    return std::sqrt(17500.0);
}
