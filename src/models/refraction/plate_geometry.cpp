#include "models/refraction/plate_geometry.h"

#include "kit/checked_math.h"

#include <cmath>

namespace {

// A point as the model stores it: each coordinate a double.
ModelPoint stored(ModelPoint p)
{
    return {double(p.x), double(p.y)};
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
    return ArcSin(std::sin(Radians(A)) / n2) * 180 / Pi;
}

double PlateShift(long double A, double B, double d)
{
    const long double a = Radians(A);
    return Checked(std::cos(a) * (std::tan(a) - std::tan(Radians(B))) * d);
}

PlateGeometry PlateGeometryOf(const PlateSettings& settings)
{
    PlateGeometry g;
    g.n2 = PlateIndex(settings.s);
    g.d = PlateThickness(settings.t);
    g.B = PlateRefractionAngle(settings.A, g.n2);
    g.shift = PlateShift(settings.A, g.B, double(g.d));
    g.S = stored(Polar(200, settings.A + 90));
    g.Q = stored(Polar(400, settings.A + 270));
    // The lower face's line is reached at the angle B from the normal, even
    // beyond the drawn plate.
    g.X = stored({10 * g.d * std::tan(Radians(g.B)), -10 * g.d});
    return g;
}
