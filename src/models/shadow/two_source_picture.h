// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Canvas;

// One setting of the two-source model: each source's angle theta (degrees up
// from the negative x axis) and distance r from the obstacle's centre, the
// screen's distance L and the obstacle's radius R.
struct TwoSourceScene {
    int theta1;
    int r1;
    int theta2;
    int r2;
    int L;
    int R;
};

// Refreshes the canvas and draws the side view round the obstacle at its
// centre: the sources' dashed paths, the oblique screen, the obstacle, and
// for each source its disc, its two rays past the obstacle's edges with
// their arrowheads, its hatched shadow on the screen and its hatched lit
// half of the obstacle, S1 hatched one way and S2 the other. A ray that runs
// parallel to the screen ends the drawing in a floating-point error, the
// picture left as far as it got.
void DrawTwoSources(Canvas& canvas, const TwoSourceScene& scene);

// Refreshes the auxiliary screen and draws its axes and ticks, then each
// source's shadow as a hatched circle on the vertical axis, spanning the
// heights its shadow spans on the screen; where the two overlap the hatches
// cross.
void DrawTwoSourceScreen(Canvas& screen, const TwoSourceScene& scene);
