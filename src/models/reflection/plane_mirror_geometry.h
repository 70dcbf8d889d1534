// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_point.h"

// The numbers of the plane-mirror model, in centimetres (one centimetre is one
// canvas pixel). The mirror is the line x = 0 with its face to the left; the
// object stands X in front of it, its base at height Y, h tall.

struct ObjectPlacement {
    int X; // distance from the mirror, 10..300
    int h; // height, 10..200
    int Y; // height of the base above the centre line, -100..100
};

// The point of the object at height Y + k: k = h for S (or the arrow's tip A),
// k = 0 for the arrow's foot B.
ModelPoint ObjectPoint(const ObjectPlacement& object, int k);

// Its image, as far behind the mirror as the point stands in front of it.
ModelPoint ImagePoint(const ObjectPlacement& object, int k);

// Where a construction ray meets the mirror, at height Y + m.
ModelPoint MirrorPoint(const ObjectPlacement& object, int m);

// Where the ray from ObjectPoint(k), reflected at MirrorPoint(m), has come
// back twice the object's distance to the left of the mirror.
ModelPoint ReflectedEnd(const ObjectPlacement& object, int k, int m);

// The distance between object and image.
int ObjectImageDistance(int X);
