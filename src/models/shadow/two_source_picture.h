// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/shadow/shadow_geometry.h"

class Canvas;


// Refreshes the canvas and draws the side view round the obstacle at its
// centre: the sources' dashed paths, the oblique screen, the obstacle, and
// for each source its disc, its two rays past the obstacle's edges with
// their arrowheads, its hatched shadow on the screen and its hatched lit
// half of the obstacle, S1 hatched one way and S2 the other. A ray that runs
// parallel to the screen ends the drawing in a floating-point error, the
// picture left as far as it got.
void DrawTwoSources(Canvas& canvas, const TwoSourceState& state);

// Refreshes the auxiliary screen and draws its axes and ticks, then each
// source's shadow as a hatched circle on the vertical axis, spanning the
// heights its shadow spans on the screen; where the two overlap the hatches
// cross.
void DrawTwoSourceScreen(Canvas& screen, const TwoSourceState& state);
