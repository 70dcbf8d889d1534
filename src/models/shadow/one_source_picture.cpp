// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/one_source_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"
#include "models/shadow/shadow_geometry.h"
#include "models/shadow/shadow_scenery.h"

namespace {

using namespace ModelColour;

// The obstacle of radius h at (d, 0) and its half facing the source, the
// first in `body`, the second in `lit`.
void drawObstacle(Canvas& canvas, long double d, long double h, const QColor& body, const QColor& lit)
{
    canvas.SetPenColor(body);
    canvas.SetBrushColor(body);
    EllipseInBox(canvas, {d - h, h}, {d + h, -h});
    canvas.SetBrushColor(lit);
    canvas.SetPenColor(lit);
    PieInBox(canvas, {d - h, h}, {d + h, -h}, {d, h}, {d, -h});
}

// The rays from the source's top and bottom edges past the obstacle's top
// and bottom to the screen: each edge's pair brackets the umbra, the crossed
// pairs the penumbra.
void drawRays(Canvas& canvas, long double s, long double L, const OneSourceShadow& shadow)
{
    Segment(canvas, {0, s}, {L, shadow.yU});
    Segment(canvas, {0, -s}, {L, -shadow.yU});
    Segment(canvas, {0, -s}, {L, shadow.yP});
    Segment(canvas, {0, s}, {L, -shadow.yP});
}

// Arrowheads halfway to the screen. Rays from the source's edges past an
// obstacle as large as the source run level and have no slope to aim a head
// by: they get two strokes back from the middle instead.
void drawArrowHeads(Canvas& canvas, long double s, long double h, long double d, long double L,
                    const OneSourceShadow& shadow)
{
    const long double middle = L / 2;
    DrawArrowHead(canvas, middle, (shadow.yP - s) / 2, (h + s) / d);
    DrawArrowHead(canvas, middle, (s - shadow.yP) / 2, -(h + s) / d);
    if (h != s) {
        DrawArrowHead(canvas, middle, (s + shadow.yU) / 2, (h - s) / d);
        DrawArrowHead(canvas, middle, (-shadow.yU - s) / 2, (s - h) / d);
        return;
    }
    const long double aside = 20.0 / 3;
    for (const long double y : {s, -s}) {
        Segment(canvas, {middle, y}, {middle - 20, y + aside});
        Segment(canvas, {middle, y}, {middle - 20, y - aside});
    }
}

} // namespace

void DrawOneSource(Canvas& canvas, const OneSourceState& state)
{
    canvas.Refresh();
    canvas.SetMapping({60, canvas.Height() / 2});
    const OneSourceScene& scene = state.scene;
    const OneSourceShadow& shadow = state.shadow;
    const long double s = scene.s, h = scene.h, d = scene.d, L = scene.L;

    canvas.SetPenColor(Gray);
    canvas.SetPenWidth(2);
    DrawObliqueScreen(canvas, L);
    canvas.SetPenWidth(1);

    if (scene.obstacleShown) {
        drawObstacle(canvas, d, h, Blue, Yellow);
        canvas.SetBrushColor(Black);
        TextAt(canvas, {d, h + 20}, QStringLiteral("P"));

        canvas.SetPenWidth(2);
        canvas.SetBrushColor(Gray);
        canvas.SetPenColor(Gray);
        EllipseInBox(canvas, {L - shadow.yP / 2, shadow.yP}, {L + shadow.yP / 2, -shadow.yP});
        // The umbra keeps the penumbra's outline: a point source's umbra
        // covers the penumbra exactly and would vanish, black on black.
        canvas.SetBrushColor(Black);
        if (shadow.hasUmbra())
            EllipseInBox(canvas, {L - shadow.yU / 2, shadow.yU}, {L + shadow.yU / 2, -shadow.yU});

        canvas.SetPenColor(Yellow);
        drawRays(canvas, s, L, shadow);
        drawArrowHeads(canvas, s, h, d, L, shadow);
    } else {
        // Drawn in the colour of the canvas: without an obstacle there is
        // nothing between the source and the screen to see.
        drawObstacle(canvas, d, h, Black, Black);
        drawRays(canvas, s, L, shadow);
    }

    canvas.SetPenColor(Yellow);
    canvas.SetBrushColor(Yellow);
    canvas.SetBrushStyle(BrushStyle::bsSolid);
    CircleAroundOrigin(canvas, s);
    canvas.SetBrushColor(Black);
    TextAt(canvas, {0, s + 20}, QStringLiteral("S"));
    canvas.SetBrushColor(Black);
    canvas.SetPenWidth(1);
}

void DrawOneSourceScreen(Canvas& screen, const OneSourceState& state)
{
    screen.Refresh();
    screen.SetMapping({screen.Width() / 2, screen.Height() / 2});
    if (state.scene.obstacleShown) {
        const OneSourceShadow& shadow = state.shadow;
        screen.SetBrushColor(Gray);
        screen.SetPenColor(Gray);
        EllipseInBox(screen, {shadow.yP, -shadow.yP}, {-shadow.yP, shadow.yP});
        screen.SetBrushColor(Black);
        if (shadow.hasUmbra())
            EllipseInBox(screen, {shadow.yU, -shadow.yU}, {-shadow.yU, shadow.yU});
    }
    screen.SetPenColor(Black);
    screen.SetPenWidth(1);
    DrawScreenAxes(screen, {2, -2}, {2, -2}, 10);
}
