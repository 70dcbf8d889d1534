// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/plate_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"
#include "models/refraction/label_placement.h"

#include <cmath>

namespace {

// The origin's row is ruled across the main window's whole width; the canvas
// clips it at its own right edge.
constexpr int kMainWindowWidth = 985;

const QString kLetterA = QStringLiteral("A");
const QString kLetterB = QStringLiteral("B");
const QString kLetterEmergent = QStringLiteral(" A\" ");

ModelPoint operator+(ModelPoint a, ModelPoint b)
{
    return {a.x + b.x, a.y + b.y};
}

ModelPoint operator-(ModelPoint a, ModelPoint b)
{
    return {a.x - b.x, a.y - b.y};
}

long double tanDegrees(long double degrees)
{
    return std::tan(Radians(degrees));
}

// p turned counterclockwise about the origin by `quarterTurns` right angles,
// exactly, so that whole pixels stay whole.
ModelPoint turned(ModelPoint p, int quarterTurns)
{
    for (int k = 0; k < quarterTurns; ++k)
        p = {-p.y, p.x};
    return p;
}

// The arc of the circle of `radius` round `centre`, counterclockwise from the
// ray towards `from` to the ray towards `to`.
void arcAround(Canvas& canvas, ModelPoint centre, long double radius, ModelPoint from, ModelPoint to)
{
    ArcInBox(canvas, centre + ModelPoint{-radius, radius}, centre + ModelPoint{radius, -radius}, from, to);
}

// Where the ray leaves the plate, and what stands there: the normal to the
// face, the protractor laid along the face on the side of the air, the
// emergent ray's arrowhead and the mark of A".
struct ExitSite {
    int protractorTurns; // the upper protractor turned by this many right angles about X, to lie in the air
    ModelPoint normalFrom, normalTo;
    MarkedAngle emergence; // between the normal and the emergent ray
    ModelPoint arcFrom, arcTo; // the rays its mark runs between, counterclockwise
    ModelPoint letterAt;   // where " A\" " stands unless a stroke crosses it there
    ModelPoint arrowTip;
    long double arrowSlope;
};

ExitSite exitSiteOf(const PlateGeometry& g, long double A, int t)
{
    const ModelPoint X = g.X;
    if (g.exit == PlateExit::LowerFace) {
        // The normals are as long as the raw thickness setting says, so they
        // reach well past the plate.
        return {2,
                {X.x, 0},
                {X.x, -10.0L * t - 200},
                {X, 270, 270 + A},
                X + ModelPoint{0, -60},
                g.emergentEnd,
                X - Polar(60, A / 2 + 90),
                {X.x - g.S.x / 2, X.y - g.S.y / 2},
                -tanDegrees(90 - A)};
    }
    // The side face's normal runs back across the plate and as far into the air.
    const long double emergence = g.emergence;
    return {3,
            {-200, X.y},
            {X.x + 200, X.y},
            {X, -emergence, 0},
            g.emergentEnd,
            X + ModelPoint{60, 0},
            X + Polar(60, -emergence / 2),
            {(X.x + g.emergentEnd.x) / 2, (X.y + g.emergentEnd.y) / 2},
            -tanDegrees(emergence)};
}

void append(std::vector<Stroke>& strokes, const std::vector<Stroke>& more)
{
    strokes.insert(strokes.end(), more.begin(), more.end());
}

PlateStrokes strokesOf(const PlateGeometry& g, long double A, int t, const ExitSite& exit)
{
    const ModelPoint O{0, 0};
    const ModelPoint X = g.X;
    PlateStrokes p;
    p.rays = {{O, g.S, 3}, {O, X, 3}, {X, g.emergentEnd, 3}};
    append(p.rays, ArrowHeadStrokes({g.S.x / 2, g.S.y / 2}, O - g.S, 3));
    append(p.rays, ArrowHeadStrokes({0.8L * X.x, 0.8L * X.y}, X, 3));
    append(p.rays, ArrowHeadStrokes(exit.arrowTip, g.emergentEnd - X, 3));
    for (long double half : {0, 180})
        append(p.rays, ArcStrokes(g.S, 7, half, half + 180, 3)); // the source's disc

    p.construction = {{O, g.Q, 1}, {{0, -10.0L * t}, {0, 200}, 2}, {exit.normalFrom, exit.normalTo, 2}};
    append(p.construction, Outline({{-200, 0}, 400, 10 * g.d}, 4));
    append(p.construction, ArcStrokes(O, 60, 90, 90 + A, 3));
    append(p.construction, ArcStrokes(O, 50, 270, 270 + A, 1));
    for (long double r : {20, 25})
        append(p.construction, ArcStrokes(O, r, 270, 270 + g.B, 3));
    append(p.construction, ArcStrokes(X, 60, exit.emergence.from, exit.emergence.to, 3));
    return p;
}

// Where the three letters of the angles stand: each at its place on the
// bisector of its angle unless a stroke or a letter placed before would cross
// it there.
struct Letters {
    ModelPoint A, B, emergent;
};

Letters placeLetters(const Canvas& canvas, const PlateStrokes& picture, const PlateGeometry& g, long double A,
                     const ExitSite& exit)
{
    const ModelPoint O{0, 0};
    std::vector<Stroke> strokes = picture.rays;
    append(strokes, picture.construction);
    const long double height = canvas.TextHeight();
    const auto place = [&](const QString& text, ModelPoint at, const MarkedAngle& angle, long double radius) {
        TextBox box{at, static_cast<long double>(canvas.TextWidth(text)), height};
        box.topLeft = PlaceAngleLabel(box, angle, radius, strokes);
        append(strokes, Outline(box));
        return box.topLeft;
    };
    Letters letters;
    letters.A = place(kLetterA, Polar(50, A / 2 + 90), {O, 90, 90 + A}, 50);
    letters.B = place(kLetterB, Polar(25, g.B / 2 + 270), {O, 270, 270 + g.B}, 25);
    letters.emergent = place(kLetterEmergent, exit.letterAt, exit.emergence, 60);
    return letters;
}

// The row of O, with whatever pen width the last redraw left.
void drawOriginRow(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.MoveTo(0, canvas.Mapping().centerY);
    canvas.LineTo(kMainWindowWidth, canvas.Mapping().centerY);
}

// Both faces, the names of the media and the hatched section.
void drawPlate(Canvas& canvas, long double d)
{
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(4);
    Segment(canvas, {-200, 0}, {200, 0});
    Segment(canvas, {-200, -10 * d}, {200, -10 * d});

    TextAt(canvas, {-250, 30}, QStringLiteral(" n1"));
    TextAt(canvas, {-250, -5 * d}, QStringLiteral(" n2"));
    TextAt(canvas, {-250, -30 - 10 * d}, QStringLiteral(" n1"));

    canvas.SetBrushColor(ModelColour::Blue);
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    const ScreenMapping& m = canvas.Mapping();
    canvas.Rectangle(m.ToScreenX(-200), m.ToScreenY(0), m.ToScreenX(200), m.ToScreenY(double(-10 * d)));
}

// A protractor of radius 200 about `centre`: the upper one, reading 10 at
// the right and 180 at the left, turned by `turns` right angles. Each number
// stands over its tick's outer end, moved outwards or aside where a ray, an
// arrowhead or the source would cross it.
void drawProtractor(Canvas& canvas, ModelPoint centre, int turns, const std::vector<Stroke>& rays)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    const long double height = canvas.TextHeight();
    for (const ProtractorTick& tick : ProtractorTicks(18, 10)) {
        const ModelPoint inner{static_cast<long double>(tick.x1), static_cast<long double>(tick.y1)};
        const ModelPoint outer{static_cast<long double>(tick.x2), static_cast<long double>(tick.y2)};
        Segment(canvas, centre + turned(inner, turns), centre + turned(outer, turns));
        const TextBox box{centre + turned(outer, turns) + ModelPoint{-10, 5},
                          static_cast<long double>(canvas.TextWidth(tick.label)), height};
        const ModelPoint outwards = turned({outer.x / 210, outer.y / 210}, turns);
        TextAt(canvas, MoveClear(box, outwards, rays), tick.label);
    }
    for (long double r : {200, 195})
        arcAround(canvas, centre, r, centre + turned({r, 0}, turns), centre + turned({-r, 0}, turns));
}

// The source, the incident ray with the mark of A and its arrowhead, and the
// ray's straight continuation as if there were no plate.
void drawIncidentRay(Canvas& canvas, long double A, ModelPoint S, ModelPoint Q, ModelPoint letter)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    Segment(canvas, {0, 0}, S);
    arcAround(canvas, {0, 0}, 60, {0, 60}, S);
    canvas.SetBrushColor(ModelColour::Black); // the brush stays hatched: the letter has no box
    TextAt(canvas, letter, kLetterA);

    canvas.SetBrushStyle(BrushStyle::bsSolid);
    canvas.SetBrushColor(ModelColour::Yellow);
    CircleAround(canvas, S, 7);
    canvas.SetBrushColor(ModelColour::Black);
    DrawArrowHead(canvas, S.x / 2, S.y / 2, -tanDegrees(90 - A));

    // A construction line, so one pixel wide: a wider pen draws dashes solid.
    // The gaps take the black brush.
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {0, 0}, Q);
    arcAround(canvas, {0, 0}, 50, {0, -50}, Q);
}

// The refracted ray from O to X with the double mark of B.
void drawRefractedRay(Canvas& canvas, long double B, ModelPoint X, ModelPoint letter)
{
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(ModelColour::Yellow);
    Segment(canvas, {0, 0}, X);
    TextAt(canvas, letter, kLetterB);
    DrawArrowHead(canvas, 0.8L * X.x, 0.8L * X.y, Divide(-1, tanDegrees(B)));
    for (long double r : {20, 25})
        arcAround(canvas, {0, 0}, r, {0, -r}, X);
}

// The normals at O and at X. The one at O is as long as the raw thickness
// setting says, so it reaches well past the plate.
void drawNormals(Canvas& canvas, int t, const ExitSite& exit)
{
    canvas.SetPenColor(ModelColour::Gray);
    canvas.SetPenWidth(2);
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {0, -10.0L * t}, {0, 200});
    Segment(canvas, exit.normalFrom, exit.normalTo);
}

// The emergent ray from X with the mark of A".
void drawEmergentRay(Canvas& canvas, const PlateGeometry& g, const ExitSite& exit, ModelPoint letter)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::psSolid);
    TextAt(canvas, letter, kLetterEmergent);
    Segment(canvas, g.X, g.emergentEnd);
    DrawArrowHead(canvas, exit.arrowTip.x, exit.arrowTip.y, exit.arrowSlope);
    arcAround(canvas, g.X, 60, exit.arcFrom, exit.arcTo);
}

} // namespace

void DrawPlate(Canvas& canvas, const PlateGeometry& g)
{
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2 - 30, canvas.Height() / 2 - 25});
    const PlateSettings& settings = g.settings;
    const long double A = settings.A;
    const ExitSite exit = exitSiteOf(g, A, settings.t);
    const PlateStrokes strokes = strokesOf(g, A, settings.t, exit);
    const Letters letters = placeLetters(canvas, strokes, g, A, exit);

    drawOriginRow(canvas);
    drawPlate(canvas, g.d);
    drawProtractor(canvas, {0, 0}, 0, strokes.rays); // its numbers on the picture, as the brush is hatched
    drawIncidentRay(canvas, A, g.S, g.Q, letters.A);
    drawRefractedRay(canvas, g.B, g.X, letters.B);
    drawProtractor(canvas, g.X, exit.protractorTurns, strokes.rays); // its numbers on black boxes
    drawNormals(canvas, settings.t, exit);
    drawEmergentRay(canvas, g, exit, letters.emergent);
}

PlateStrokes PlateStrokesOf(const PlateGeometry& g)
{
    const long double A = g.settings.A;
    return strokesOf(g, A, g.settings.t, exitSiteOf(g, A, g.settings.t));
}
