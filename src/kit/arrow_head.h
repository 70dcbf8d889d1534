// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Canvas;

// Marks the direction of a ray whose tip is at model point (x, y) and whose
// slope is k: two strokes 20 pixels back along the ray and 20/3 to either
// side, with the canvas's current pen. The head always points towards
// growing x. k = 0 raises the division-by-zero error before any stroke.
void DrawArrowHead(Canvas& canvas, long double x, long double y, long double k);
