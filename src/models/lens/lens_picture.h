// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/lens/lens_geometry.h"

class Canvas;

enum class LensFigure { Outline, Schematic };

struct LensScene {
    LensKind kind;
    LensFigure figure;
    double F;
    double d;
    double h1;
};

// Refreshes the canvas and draws the whole construction: axis, lens, focal
// marks, object, rays, image and mark texts. Needs d != F for the
// converging lens.
void DrawLens(Canvas& canvas, const LensScene& scene);
