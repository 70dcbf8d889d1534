// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/refraction/label_placement.h"
#include "models/refraction/plate_geometry.h"

class Canvas;

// Refreshes the canvas, puts the origin O where the ray meets the plate and
// draws the plate in section, the upper protractor about O, the incident ray
// from the source with its straight continuation, the refracted ray to the
// exit point X on the lower or the side face, the protractor about X laid
// along that face, both normals and the emergent ray, with the marks of A, B
// and A" clear of the rays.
void DrawPlate(Canvas& canvas, const PlateGeometry& g);

// The strokes of that picture its texts keep clear of: the numbers of the
// scales those of the rays, the letters of the angles all of them.
struct PlateStrokes {
    std::vector<Stroke> rays;         // the rays with their arrowheads, and the source
    std::vector<Stroke> construction; // normals, the continuation, the plate's outline, the marks of the angles
};

PlateStrokes PlateStrokesOf(const PlateGeometry& g);
