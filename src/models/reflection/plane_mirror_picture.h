// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/reflection/plane_mirror_geometry.h"

class Canvas;

enum class MirrorObject { LuminousPoint, Arrow };
enum class ExtraRays { None, One, Two };

struct MirrorScene {
    ObjectPlacement placement;
    MirrorObject object;
    ExtraRays extraRays;
    bool ruler; // drawn with the arrow only
};

// Refreshes the canvas and draws the plane mirror with its hatched back, the
// object and its image, the rays from the object with their continuations
// behind the mirror, and the ruler and extra rays asked for. Sets
// its model origin at the canvas centre.
void DrawPlaneMirror(Canvas& canvas, const MirrorScene& scene);
