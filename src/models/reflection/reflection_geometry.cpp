// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/reflection_geometry.h"

#include "kit/checked_math.h"

ReflectionReadouts ComputeReflectionReadouts(int A, int F)
{
    // The normal F + 90 makes A + F with the incident ray; a lamp behind the
    // mirror line lights its other face, whose normal is F + 270.
    const int fromNormal = LampBehindMirrorLine(A, F) ? 180 - (A + F) : A + F;
    return ReflectionReadouts{
        A,
        90 - A,
        F,
        F,
        90 - (90 - A) + 2 * F,
        180 - (90 - A) + 2 * F,
        fromNormal,
        fromNormal,
    };
}

long double ReflectedDirection(int A, int F)
{
    return Pi - (90 - A) * Pi / 180 + 2 * F * Pi / 180;
}

bool LampBehindMirrorLine(int A, int F)
{
    return A + F > 90;
}

AngleRange IncidenceArc(int A, int F)
{
    if (LampBehindMirrorLine(A, F))
        return {F - 89.0L, 90.0L - A};
    return {90.0L - A, F + 91.0L};
}

AngleRange ReflectionArc(int A, int F)
{
    const long double R = 90.0L + A + 2 * F;
    if (LampBehindMirrorLine(A, F))
        return {R, F - 89.0L};
    return {F + 91.0L, R};
}

ReflectionState ReflectionStateOf(int A, int F)
{
    return {A, F, ComputeReflectionReadouts(A, F), ReflectedDirection(A, F), IncidenceArc(A, F), ReflectionArc(A, F)};
}
