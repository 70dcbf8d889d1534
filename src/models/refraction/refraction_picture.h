// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/refraction/refraction_geometry.h"

class Canvas;

// Draws the law-of-refraction picture: the media and the protractor, the boundary and
// the normal, the incident and reflected rays, the continuation of the
// incident ray, the critical line when medium 1 is not the less dense one,
// the refracted ray unless the ray is totally reflected, and the hatch over
// the denser medium. Refreshes the canvas and centres the origin on it.
void DrawRefraction(Canvas& canvas, const RefractionState& state);
