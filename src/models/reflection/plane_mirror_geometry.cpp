// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/plane_mirror_geometry.h"

ModelPoint ObjectPoint(const ObjectPlacement& object, int k)
{
    return {-static_cast<long double>(object.X), static_cast<long double>(object.Y + k)};
}

ModelPoint ImagePoint(const ObjectPlacement& object, int k)
{
    return {static_cast<long double>(object.X), static_cast<long double>(object.Y + k)};
}

ModelPoint MirrorPoint(const ObjectPlacement& object, int m)
{
    return {0, static_cast<long double>(object.Y + m)};
}

ModelPoint ReflectedEnd(const ObjectPlacement& object, int k, int m)
{
    // The ray rises m - k over the distance X to the mirror and, the angle of
    // reflection equal to that of incidence, as much again over each X back.
    return {-2.0L * object.X, static_cast<long double>(object.Y + 3 * m - 2 * k)};
}

int ObjectImageDistance(int X)
{
    return 2 * X;
}
