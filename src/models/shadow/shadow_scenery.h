// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Canvas;

// What both shadow models draw alike.

// The screen in the plane x = L seen obliquely, with the current pen: its
// near edge 300 high at x = L - 70, its far edge 380 high at x = L + 70.
void DrawObliqueScreen(Canvas& canvas, long double L);

// How a tick crosses an axis of an auxiliary screen: a stroke from the axis
// out to `first` and on through the axis to `second`, in model units across it.
struct TickStroke {
    int first;
    int second;
};

// The axes of an auxiliary screen through the current origin, edge to edge,
// and a tick every 10 units along both for i = -50 to 50: on the horizontal
// axis at x = 10 i, on the vertical one at y = verticalStep * i. Current pen.
void DrawScreenAxes(Canvas& screen, TickStroke horizontal, TickStroke vertical, int verticalStep);
