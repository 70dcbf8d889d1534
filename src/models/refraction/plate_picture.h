// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/refraction/plate_geometry.h"

class Canvas;

// Refreshes the canvas, puts the origin O where the ray meets the plate and
// draws the plate in section, the upper protractor about O, the incident ray
// from the source with its straight continuation, the refracted ray to the
// exit point X on the lower or the side face, the protractor about X laid
// along that face, both normals and the emergent ray, with the marks of A, B
// and A" clear of the rays.
void DrawPlate(Canvas& canvas, const PlateGeometry& g);
