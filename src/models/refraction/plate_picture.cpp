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

// The protractor about X, the upper one turned through 180 degrees: 10 at the
// lower left, 90 straight below X, 180 at the right. Its numbers stand on
// black boxes.
void drawLowerProtractor(Canvas& canvas, ModelPoint X)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    for (const ProtractorTick& tick : ProtractorTicks(18, 10)) {
        const ModelPoint inner{static_cast<long double>(tick.x1), static_cast<long double>(tick.y1)};
        const ModelPoint outer{static_cast<long double>(tick.x2), static_cast<long double>(tick.y2)};
        Segment(canvas, X - inner, X - outer);
        TextAt(canvas, X - outer + ModelPoint{-10, 5}, tick.label);
    }
    for (long double r : {200, 195})
        arcAround(canvas, X, r, X + ModelPoint{-r, 0}, X + ModelPoint{r, 0});
}

// The normals at O and at X. They are as long as the raw thickness setting
// says, so they reach well past the plate.
void drawNormals(Canvas& canvas, int t, ModelPoint X)
{
    canvas.SetPenColor(ModelColour::Gray);
    canvas.SetPenWidth(2);
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {0, -10.0L * t}, {0, 200});
    Segment(canvas, {X.x, 0}, {X.x, -10.0L * t - 200});
}

// The emergent ray from X, parallel to the incident one, with the mark of A".
void drawEmergentRay(Canvas& canvas, long double A, ModelPoint S, ModelPoint X)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::psSolid);
    TextAt(canvas, X - Polar(60, A / 2 + 90), QStringLiteral(" A\" "));
    Segment(canvas, X, X - S);
    const ModelPoint middle{X.x - S.x / 2, X.y - S.y / 2};
    DrawArrowHead(canvas, middle.x, middle.y, -tanDegrees(90 - A));
    arcAround(canvas, X, 60, X + ModelPoint{0, -60}, X - S);
}

} // namespace

void DrawPlate(Canvas& canvas, const PlateSettings& settings)
{
    canvas.Refresh();
    CenterX = canvas.Width() / 2 - 30;
    CenterY = canvas.Height() / 2 - 25;
    const PlateGeometry g = PlateGeometryOf(settings);
    const long double A = settings.A;

    drawOriginRow(canvas);
    drawPlate(canvas, g.d);
    drawUpperProtractor(canvas);
    drawIncidentRay(canvas, A, g.S, g.Q);
    drawRefractedRay(canvas, g.B, g.X);
    drawLowerProtractor(canvas, g.X);
    drawNormals(canvas, settings.t, g.X);
    drawEmergentRay(canvas, A, g.S, g.X);
}
