// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/plate_geometry.h"

#include "kit/checked_math.h"

#include <cmath>

namespace {

// The right end of the drawn plate.
constexpr long double kPlateEnd = 200;

// A point as the model stores it: each coordinate a double.
ModelPoint stored(ModelPoint p)
{
    return {double(p.x), double(p.y)};
}

long double degrees(long double radians)
{
    return radians * 180 / Pi;
}

// The ray leaves through the lower face, at A from its normal as it came in,
// along X - S.
void leaveThroughLowerFace(PlateGeometry& g, int A)
{
    g.exit = PlateExit::LowerFace;
    g.emergence = A;
    g.reading = A + 90;
    g.emergentEnd = {g.X.x - g.S.x, g.X.y - g.S.y};
    g.shift = PlateShift(A, g.B, double(g.d));
}

// The ray meets the right side face at 90 - B from its horizontal normal and
// leaves by Snell's law, n2 sin(90 - B) = sin A", below the normal. It is
// never totally reflected there: n2 cos B > 1 would need B < 45 degrees
// (n2 sin B = sin A < 1), and such a ray through the thickest plate, 201
// pixels, meets the lower face before x = 200 at every setting of the controls.
void leaveThroughSideFace(PlateGeometry& g)
{
    const long double b = Radians(g.B);
    g.exit = PlateExit::SideFace;
    g.X = stored({kPlateEnd, Divide(-kPlateEnd, std::tan(b))});
    g.emergence = degrees(ArcSin(g.n2 * std::cos(b)));
    g.reading = 90 - g.emergence;
    g.emergentEnd = stored({g.X.x + 200 * std::cos(Radians(g.emergence)),
                            g.X.y - 200 * std::sin(Radians(g.emergence))});
    g.shift.reset();
}

} // namespace

double PlateIndex(int s)
{
    return static_cast<long double>(s) / 100 + 0.01L;
}

long double PlateThickness(int t)
{
    return static_cast<long double>(t) / 10 + 0.1L;
}

double PlateRefractionAngle(long double A, double n2)
{
    // sin A n1 / n2 with the air's n1 = 1.
    return degrees(ArcSin(std::sin(Radians(A)) / n2));
}

double PlateShift(long double A, double B, double d)
{
    const long double a = Radians(A);
    return Checked(std::cos(a) * (std::tan(a) - std::tan(Radians(B))) * d);
}

PlateGeometry PlateGeometryOf(const PlateSettings& settings)
{
    PlateGeometry g;
    g.settings = settings;
    g.n2 = PlateIndex(settings.s);
    g.d = PlateThickness(settings.t);
    g.B = PlateRefractionAngle(settings.A, g.n2);
    g.S = stored(Polar(200, settings.A + 90));
    g.Q = stored(Polar(400, settings.A + 270));
    // Where the lower face's line is reached at the angle B from the normal.
    g.X = stored({10 * g.d * std::tan(Radians(g.B)), -10 * g.d});
    if (g.X.x <= kPlateEnd)
        leaveThroughLowerFace(g, settings.A);
    else
        leaveThroughSideFace(g);
    return g;
}
