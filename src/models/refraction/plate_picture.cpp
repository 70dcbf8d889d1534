#include "models/refraction/plate_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

#include <cmath>

namespace {

// The origin's row is ruled across the main window's whole width; the canvas
// clips it at its own right edge.
constexpr int kMainWindowWidth = 985;

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

// The arc of the circle of `radius` round `centre`, counterclockwise from the
// ray towards `from` to the ray towards `to`.
void arcAround(Canvas& canvas, ModelPoint centre, long double radius, ModelPoint from, ModelPoint to)
{
    ArcInBox(canvas, centre + ModelPoint{-radius, radius}, centre + ModelPoint{radius, -radius}, from, to);
}

// p turned counterclockwise about the origin by `quarterTurns` right angles,
// exactly, so that whole pixels stay whole.
ModelPoint turned(ModelPoint p, int quarterTurns)
{
    for (int k = 0; k < quarterTurns; ++k)
        p = {-p.y, p.x};
    return p;
}

// Where the ray leaves the plate, and what stands there: the normal to the
// face, the protractor laid along the face on the side of the air, the
// emergent ray's arrowhead and the mark of A".
struct ExitSite {
    int protractorTurns; // the upper protractor turned by this many right angles about X, to lie in the air
    ModelPoint normalFrom, normalTo;
    ModelPoint arcFrom, arcTo; // the rays the mark of A" runs between, counterclockwise
    ModelPoint letterAt;
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
            g.emergentEnd,
            X + ModelPoint{60, 0},
            X + Polar(60, -emergence / 2),
            {(X.x + g.emergentEnd.x) / 2, (X.y + g.emergentEnd.y) / 2},
            -tanDegrees(emergence)};
}

// The row of O, with whatever pen width the last redraw left.
void drawOriginRow(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.MoveTo(0, CenterY);
    canvas.LineTo(kMainWindowWidth, CenterY);
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
    canvas.Rectangle(ToScreenX(-200), ToScreenY(0), ToScreenX(200), ToScreenY(double(-10 * d)));
}

// The upper protractor about O: 10 at the right, 180 at the left.
void drawUpperProtractor(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    ProtractorScale(canvas, 18, 10, true);
    for (long double r : {200, 195})
        arcAround(canvas, {0, 0}, r, {r, 0}, {-r, 0});
}

// The source, the incident ray with the mark of A and its arrowhead, and the
// ray's straight continuation as if there were no plate.
void drawIncidentRay(Canvas& canvas, long double A, ModelPoint S, ModelPoint Q)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    Segment(canvas, {0, 0}, S);
    arcAround(canvas, {0, 0}, 60, {0, 60}, S);
    canvas.SetBrushColor(ModelColour::Black); // the brush stays hatched: the letter has no box
    TextAt(canvas, Polar(50, A / 2 + 90), QStringLiteral("A"));

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
void drawRefractedRay(Canvas& canvas, long double B, ModelPoint X)
{
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(ModelColour::Yellow);
    Segment(canvas, {0, 0}, X);
    TextAt(canvas, Polar(25, B / 2 + 270), QStringLiteral("B"));
    DrawArrowHead(canvas, 0.8L * X.x, 0.8L * X.y, Divide(-1, tanDegrees(B)));
    for (long double r : {20, 25})
        arcAround(canvas, {0, 0}, r, {0, -r}, X);
}

// The protractor about X, the upper one turned to lie along the face the ray
// leaves by, on the side of the air: under the lower face it reads 10 at the
// lower left, 90 straight below X and 180 at the right; beside the side face
// 90 along its normal. Its numbers stand on black boxes.
void drawExitProtractor(Canvas& canvas, ModelPoint X, int turns)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    for (const ProtractorTick& tick : ProtractorTicks(18, 10)) {
        const ModelPoint inner{static_cast<long double>(tick.x1), static_cast<long double>(tick.y1)};
        const ModelPoint outer{static_cast<long double>(tick.x2), static_cast<long double>(tick.y2)};
        Segment(canvas, X + turned(inner, turns), X + turned(outer, turns));
        TextAt(canvas, X + turned(outer, turns) + ModelPoint{-10, 5}, tick.label);
    }
    for (long double r : {200, 195})
        arcAround(canvas, X, r, X + turned({r, 0}, turns), X + turned({-r, 0}, turns));
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
void drawEmergentRay(Canvas& canvas, const PlateGeometry& g, const ExitSite& exit)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::psSolid);
    TextAt(canvas, exit.letterAt, QStringLiteral(" A\" "));
    Segment(canvas, g.X, g.emergentEnd);
    DrawArrowHead(canvas, exit.arrowTip.x, exit.arrowTip.y, exit.arrowSlope);
    arcAround(canvas, g.X, 60, exit.arcFrom, exit.arcTo);
}

} // namespace

void DrawPlate(Canvas& canvas, const PlateSettings& settings)
{
    canvas.Refresh();
    CenterX = canvas.Width() / 2 - 30;
    CenterY = canvas.Height() / 2 - 25;
    const PlateGeometry g = PlateGeometryOf(settings);
    const long double A = settings.A;
    const ExitSite exit = exitSiteOf(g, A, settings.t);

    drawOriginRow(canvas);
    drawPlate(canvas, g.d);
    drawUpperProtractor(canvas);
    drawIncidentRay(canvas, A, g.S, g.Q);
    drawRefractedRay(canvas, g.B, g.X);
    drawExitProtractor(canvas, g.X, exit.protractorTurns);
    drawNormals(canvas, settings.t, exit);
    drawEmergentRay(canvas, g, exit);
}
