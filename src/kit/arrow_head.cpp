// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/arrow_head.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/screen_mapping.h"

#include <cmath>

namespace {

// Below this slope the perpendicular's intercept c loses the barbs' offsets.
constexpr long double kSteepPerpendicular = 1e-9L;

} // namespace

void DrawArrowHead(Canvas& canvas, long double x, long double y, long double k)
{
    const long double length = 20;
    const double halfWidth = 20.0 / 3;

    const long double m = Divide(-1, k); // slope of the perpendicular
    const long double a = std::atan(k);
    const long double bx = x - length * std::cos(a);
    const long double by = y - length * std::sin(a);
    // The barbs lie W to either side of the base on the perpendicular
    // y = m x + c. For a slope within rounding of 0 that line is so steep that
    // m x + c cancels away and both barbs would fall onto the ray; there the
    // same two points are taken straight from the angle.
    long double p1x = bx + halfWidth * std::sin(a), p1y;
    long double p2x = bx - halfWidth * std::sin(a), p2y;
    if (std::fabs(k) >= kSteepPerpendicular) {
        const long double c = Checked(by - m * bx);
        p1y = Checked(m * p1x + c);
        p2y = Checked(m * p2x + c);
    } else {
        p1y = by - halfWidth * std::cos(a);
        p2y = by + halfWidth * std::cos(a);
    }

    const ScreenMapping& mapping = canvas.Mapping();
    const int tipX = mapping.ToScreenX(double(x)), tipY = mapping.ToScreenY(double(y));
    const int x1 = mapping.ToScreenX(double(p1x)), y1 = mapping.ToScreenY(double(p1y));
    const int x2 = mapping.ToScreenX(double(p2x)), y2 = mapping.ToScreenY(double(p2y));
    canvas.MoveTo(tipX, tipY);
    canvas.LineTo(x1, y1);
    canvas.MoveTo(tipX, tipY);
    canvas.LineTo(x2, y2);
}
