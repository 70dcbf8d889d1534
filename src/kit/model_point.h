// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A point in a model's own coordinates: pixels (or, for the prism, squares of
// its grid), x to the right, y upwards, the origin where the model puts it.
// Angles are directions in degrees, counterclockwise from the positive x
// axis, as on the models' protractors.
struct ModelPoint {
    long double x;
    long double y;
};

// The point at `radius` from the origin in the direction `degrees`.
ModelPoint Polar(long double radius, long double degrees);
