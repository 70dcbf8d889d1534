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

double CentralRayTip(double h1, double f, double d)
{
    return -h1 * f / d;
}

double ImageTip(double h1, double f, double F)
{
    return h1 - h1 * f / F;
}

double DivergingRayEnd(double h1, double F)
{
    return h1 * RayEndX / F + h1;
}

double VirtualImageHalf(double h1, double F, double d)
{
    return -h1 * F / (F + d);
}

double LensHalfHeight()
{
    return std::sqrt(17500.0);
}
