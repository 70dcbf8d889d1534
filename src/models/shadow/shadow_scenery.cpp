// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/shadow_scenery.h"

#include "kit/canvas.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

void DrawObliqueScreen(Canvas& canvas, long double L)
{
    const long double near = L - 70, far = L + 70;
    Segment(canvas, {near, 0}, {near, 150});
    Segment(canvas, {near, 0}, {near, -150});
    Segment(canvas, {far, 0}, {far, 190});
    Segment(canvas, {far, 0}, {far, -190});
    Segment(canvas, {near, 150}, {far, 190});
    Segment(canvas, {near, -150}, {far, -190});
}

void DrawScreenAxes(Canvas& screen, TickStroke horizontal, TickStroke vertical, int verticalStep)
{
    screen.MoveTo(screen.Mapping().centerX, 0);
    screen.LineTo(screen.Mapping().centerX, screen.Height());
    screen.MoveTo(0, screen.Mapping().centerY);
    screen.LineTo(screen.Width(), screen.Mapping().centerY);
    for (int i = -50; i <= 50; ++i) {
        const long double x = 10 * i;
        MoveTo(screen, {x, 0});
        LineTo(screen, {x, static_cast<long double>(horizontal.first)});
        LineTo(screen, {x, static_cast<long double>(horizontal.second)});
        const long double y = verticalStep * i;
        MoveTo(screen, {0, y});
        LineTo(screen, {static_cast<long double>(vertical.first), y});
        LineTo(screen, {static_cast<long double>(vertical.second), y});
    }
}
