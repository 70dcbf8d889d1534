// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/refraction/prism_trace.h"

class Canvas;

// Refreshes the canvas and draws the prism picture of a traced ray: the grid
// with its numbered axis, the prism with its apex mark, the incident ray with
// its double arc, then as far as the ray gets the ray inside from side to
// side with the normal at every point where it meets a side, and the
// emergent ray.
void DrawPrism(Canvas& canvas, const PrismTrace& trace);
