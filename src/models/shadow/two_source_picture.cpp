// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/two_source_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"
#include "models/shadow/shadow_geometry.h"
#include "models/shadow/shadow_scenery.h"

namespace {

using namespace ModelColour;

struct Source {
    int theta;
    int r;
    const SourceRays& rays;
    const char* name;
    // How its shadow and lit half are hatched on the side view.
    BrushStyle hatch;
};

// The source's disc with its name below it.
void drawSource(Canvas& canvas, ModelPoint at, const char* name)
{
    canvas.SetPenColor(Yellow);
    canvas.SetBrushColor(Yellow);
    CircleAround(canvas, at, 6);
    canvas.SetBrushColor(Black);
    TextAt(canvas, {at.x - 6, at.y - 6}, QString::fromLatin1(name));
}

// The source's two rays past the obstacle to the screen, the shadow between
// them on the screen, an arrowhead on each ray halfway from the obstacle to
// the screen, and the half of the obstacle the source lights.
void drawLight(Canvas& canvas, const Source& source, const TwoSourceScene& scene)
{
    const SourceRays& rays = source.rays;
    const long double L = scene.L, R = scene.R;
    canvas.SetPenColor(Yellow);
    Segment(canvas, rays.source, {L, rays.yPlus});
    Segment(canvas, rays.source, {L, rays.yMinus});

    canvas.SetBrushStyle(source.hatch);
    const long double halfWidth = (rays.yPlus - rays.yMinus) / 4;
    EllipseInBox(canvas, {L - halfWidth, rays.yPlus}, {L + halfWidth, rays.yMinus});

    canvas.SetPenWidth(2);
    DrawArrowHead(canvas, (L + rays.edgePlus.x) / 2, (rays.yPlus + rays.edgePlus.y) / 2, rays.kPlus);
    DrawArrowHead(canvas, (L + rays.edgeMinus.x) / 2, (rays.yMinus + rays.edgeMinus.y) / 2, rays.kMinus);

    canvas.SetBrushStyle(source.hatch);
    PieInBox(canvas, {-R, -R}, {R, R}, rays.edgePlus, Polar(R, 270 - source.theta));
}

// The shadow seen face-on: a circle on the vertical axis reaching from the
// shadow's lower end to its upper end, at the heights the side view shows.
void drawShadowDisc(Canvas& screen, const SourceRays& rays, BrushStyle hatch)
{
    const long double radius = (rays.yPlus - rays.yMinus) / 2;
    screen.SetBrushColor(Black);
    screen.SetBrushStyle(hatch);
    EllipseInBox(screen, {-radius, rays.yPlus}, {radius, rays.yMinus});
}

} // namespace

void DrawTwoSources(Canvas& canvas, const TwoSourceState& state)
{
    const TwoSourceScene& scene = state.scene;
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});

    // The paths the sources can be moved along, dashed: only a thin pen dashes.
    canvas.SetPenColor(White);
    canvas.SetPenStyle(PenStyle::psDash);
    canvas.SetPenWidth(1);
    CircleAroundOrigin(canvas, scene.r1);
    CircleAroundOrigin(canvas, scene.r2);

    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(2);
    canvas.SetPenColor(Gray);
    DrawObliqueScreen(canvas, scene.L);

    canvas.SetBrushColor(Blue);
    canvas.SetPenColor(Blue);
    CircleAroundOrigin(canvas, scene.R);

    const Source first{scene.theta1, scene.r1, state.first, "S1", BrushStyle::bsBDiagonal};
    drawSource(canvas, SourcePosition(first.theta, first.r), first.name);
    const long double R = scene.R;
    TextAt(canvas, {-R + 10, R + 20}, QStringLiteral("P"));
    canvas.SetBrushColor(Yellow);
    drawLight(canvas, first, scene);
    canvas.SetBrushStyle(BrushStyle::bsSolid);

    const Source second{scene.theta2, scene.r2, state.second, "S2", BrushStyle::bsFDiagonal};
    drawSource(canvas, SourcePosition(second.theta, second.r), second.name);
    canvas.SetBrushColor(Yellow);
    drawLight(canvas, second, scene);
    canvas.SetPenWidth(1);
}

void DrawTwoSourceScreen(Canvas& screen, const TwoSourceState& state)
{
    screen.Refresh();
    screen.SetPenWidth(1);
    screen.SetMapping({screen.Width() / 2, screen.Height() / 2});
    screen.SetPenColor(Black);
    DrawScreenAxes(screen, {-2, 4}, {2, -4}, -10);

    // Face-on S1 is hatched '/' and S2 '\', the other way round from the
    // side view; where the circles overlap the hatches cross.
    drawShadowDisc(screen, state.first, BrushStyle::bsFDiagonal);
    drawShadowDisc(screen, state.second, BrushStyle::bsBDiagonal);
}
