// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/lens/lens_geometry.h"

class Canvas;

enum class LensFigure { Outline, Schematic };

// Refreshes the canvas and draws the whole construction: axis, lens, focal
// marks, object, rays, image and mark texts; nothing while the rays leave
// the lens parallel.
void DrawLens(Canvas& canvas, const LensState& state, LensFigure figure);
