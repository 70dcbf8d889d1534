// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/shadow/shadow_geometry.h"

class Canvas;


// Draws the side view over what the canvas holds (the redraw refreshes it
// first): the oblique screen, the obstacle with its lit half, the penumbra
// and umbra on the screen, the rays from the source's edges past the
// obstacle's top and bottom with their arrowheads, and the source. A screen
// beyond the tip of the umbra's cone shows the penumbra alone: the antumbra
// in its middle sees a ring of the source, as dark as the penumbra's inner
// edge, and is drawn gray like the rest. With the obstacle removed the rays
// go in black, leaving only screen and source. Puts the origin at
// (60, height div 2).
void DrawOneSource(Canvas& canvas, const OneSourceState& state);

// Refreshes the auxiliary screen and draws the shadow face-on round its
// centre, penumbra and umbra as two discs (the penumbra alone beyond the
// umbra's tip), then the axes and ticks over them.
void DrawOneSourceScreen(Canvas& screen, const OneSourceState& state);
