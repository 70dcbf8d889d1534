// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/plane_mirror_picture.h"

#include "kit/canvas.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

namespace {

using namespace ModelColour;

ModelPoint offset(ModelPoint p, long double dx, long double dy)
{
    return {p.x + dx, p.y + dy};
}

// The continuation of a reflected ray behind the mirror. With a solid brush
// the gaps between the dashes are painted in the brush colour.
void dashedSegment(Canvas& canvas, ModelPoint from, ModelPoint to)
{
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, from, to);
    canvas.SetPenStyle(PenStyle::psSolid);
}

void drawMirror(Canvas& canvas)
{
    canvas.SetPenColor(White);
    canvas.SetPenWidth(2);
    canvas.MoveTo(canvas.Mapping().centerX, 0);
    canvas.LineTo(canvas.Mapping().centerX, canvas.Height());
    // Its back: 45-degree strokes 10 apart on the right, far beyond the canvas.
    for (int i = 0; i <= 100; ++i) {
        Segment(canvas, {0, 10.0L * i}, {10, 10.0L * i + 10});
        Segment(canvas, {0, -10.0L * i}, {10, 10 - 10.0L * i});
    }
}

// An upright arrow from `foot` to `tip` in a 9-pixel pen, its head's strokes
// 10 back and 10 aside, its letters above the tip and below the foot.
void drawUprightArrow(Canvas& canvas, ModelPoint foot, ModelPoint tip, const QColor& colour,
                      const QString& tipLabel, const QString& footLabel)
{
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(9);
    Segment(canvas, foot, tip);
    Segment(canvas, tip, offset(tip, 10, -10));
    Segment(canvas, tip, offset(tip, -10, -10));
    TextAt(canvas, offset(tip, -10, 25), tipLabel);
    TextAt(canvas, offset(foot, -10, -5), footLabel);
}

// The rays from the arrow's foot B: along the normal, and to the mirror at the
// heights of A and 100 above it, with their continuations meeting in B*; with
// them the reflection and continuation of A's ray to 100 below B.
void drawRaysFromFoot(Canvas& canvas, const ObjectPlacement& p)
{
    const ModelPoint B = ObjectPoint(p, 0);
    const ModelPoint Bi = ImagePoint(p, 0);
    canvas.SetPenColor(Yellow);
    canvas.SetPenWidth(1);
    Segment(canvas, B, MirrorPoint(p, 0));

    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, Bi, MirrorPoint(p, 0));
    Segment(canvas, ImagePoint(p, p.h), MirrorPoint(p, -100));
    Segment(canvas, Bi, MirrorPoint(p, p.h));
    Segment(canvas, Bi, MirrorPoint(p, p.h + 100));
    canvas.SetPenStyle(PenStyle::psSolid);

    for (int m : {p.h, p.h + 100}) {
        MoveTo(canvas, B);
        LineTo(canvas, MirrorPoint(p, m));
        LineTo(canvas, ReflectedEnd(p, 0, m));
    }
    Segment(canvas, MirrorPoint(p, -100), ReflectedEnd(p, p.h, -100));
}

// A ruler along the arrow's base, numbered every 50 cm from the mirror on both sides.
void drawRuler(Canvas& canvas, int Y)
{
    canvas.SetPenColor(White);
    canvas.SetPenWidth(1);
    const long double y = Y;
    const long double half = canvas.Width() / 2;
    Segment(canvas, {0, y}, {half, y});
    Segment(canvas, {0, y}, {-half, y});
    for (int i = 1; i <= 100; ++i) {
        const long double d = 50.0L * i;
        const QString number = QString::number(50 * i);
        Segment(canvas, {-d, y}, {-d, y + 5});
        Segment(canvas, {d, y}, {d, y + 5});
        TextAt(canvas, {d - 10, y + 20}, number);
        TextAt(canvas, {-d - 20, y + 20}, number);
    }
}

// A yellow disc of radius 10 with its letter 40 above its centre, on black.
void drawLuminousPoint(Canvas& canvas, ModelPoint centre, const QString& label)
{
    canvas.SetPenColor(Yellow);
    canvas.SetPenWidth(2);
    canvas.SetBrushColor(Yellow);
    const ModelPoint topLeft = offset(centre, -10, 10);
    const ModelPoint bottomRight = offset(centre, 10, -10);
    EllipseInBox(canvas, topLeft, bottomRight);
    canvas.SetBrushColor(Black);
    TextAt(canvas, offset(centre, -10, 40), label);
}

// The rays from S (the arrow's tip A): along the normal, reflected into
// itself; to the mirror at the object's base and 100 below it.
void drawRaysFromTip(Canvas& canvas, const ObjectPlacement& p)
{
    const ModelPoint S = ObjectPoint(p, p.h);
    const ModelPoint Si = ImagePoint(p, p.h);
    canvas.SetPenColor(Yellow);
    canvas.SetPenWidth(1);
    Segment(canvas, S, MirrorPoint(p, p.h));
    dashedSegment(canvas, Si, MirrorPoint(p, p.h));

    Segment(canvas, MirrorPoint(p, 0), S);
    dashedSegment(canvas, Si, MirrorPoint(p, 0));
    Segment(canvas, MirrorPoint(p, 0), ReflectedEnd(p, p.h, 0));

    Segment(canvas, S, MirrorPoint(p, -100));
    dashedSegment(canvas, Si, MirrorPoint(p, -100));
    Segment(canvas, MirrorPoint(p, -100), ReflectedEnd(p, p.h, -100));
}

// One extra ray from S through the mirror at height Y + m. A hidden one is
// drawn solid in the background colour.
void drawExtraRay(Canvas& canvas, const ObjectPlacement& p, int m, bool hidden)
{
    const ModelPoint M = MirrorPoint(p, m);
    Segment(canvas, ObjectPoint(p, p.h), M);
    if (hidden)
        Segment(canvas, ImagePoint(p, p.h), M);
    else
        dashedSegment(canvas, ImagePoint(p, p.h), M);
    Segment(canvas, M, ReflectedEnd(p, p.h, m));
}

// "убрать" draws both extra rays in black over the picture: the earlier
// extra rays vanish, and where they crossed the picture it keeps thin black cuts.
void drawExtraRays(Canvas& canvas, const ObjectPlacement& p, ExtraRays extra)
{
    const bool hidden = extra == ExtraRays::None;
    canvas.SetPenColor(hidden ? Black : Yellow);
    drawExtraRay(canvas, p, -150, hidden);
    if (extra != ExtraRays::One)
        drawExtraRay(canvas, p, 150, hidden);
}

} // namespace

void DrawPlaneMirror(Canvas& canvas, const MirrorScene& scene)
{
    const ObjectPlacement& p = scene.placement;
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});

    drawMirror(canvas);
    if (scene.object == MirrorObject::Arrow) {
        drawUprightArrow(canvas, ObjectPoint(p, 0), ObjectPoint(p, p.h), Red, QStringLiteral(" A"),
                         QStringLiteral(" B"));
        drawUprightArrow(canvas, ImagePoint(p, 0), ImagePoint(p, p.h), Blue, QStringLiteral(" A*"),
                         QStringLiteral(" B*"));
        drawRaysFromFoot(canvas, p);
        if (scene.ruler)
            drawRuler(canvas, p.Y);
    } else {
        // The discs leave the brush solid black: the dashes' gaps are then
        // painted black over what lies beneath, where with the arrow's clear
        // brush they stay transparent.
        drawLuminousPoint(canvas, ObjectPoint(p, p.h), QStringLiteral(" S"));
        drawLuminousPoint(canvas, ImagePoint(p, p.h), QStringLiteral(" S*"));
    }
    drawRaysFromTip(canvas, p);
    drawExtraRays(canvas, p, scene.extraRays);
}
