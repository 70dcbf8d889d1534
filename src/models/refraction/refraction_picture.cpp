// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/refraction_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"
#include "models/refraction/refraction_geometry.h"

#include <cmath>

namespace {

long double tanDegrees(long double degrees)
{
    return std::tan(Radians(degrees));
}

// Names the media and draws the protractor with its numbered scale.
void drawMediaAndProtractor(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    TextAt(canvas, {-300, 30}, QStringLiteral(" n1"));
    TextAt(canvas, {-300, -30}, QStringLiteral(" n2"));

    CircleAroundOrigin(canvas, 200);
    CircleAroundOrigin(canvas, 195);
    ProtractorScale(canvas, 36, 10, true);
}

// The boundary and the normal; leaves a black brush.
void drawBoundaryAndNormal(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(1);
    MoveTo(canvas, {-200, 0});
    LineTo(canvas, {200, 0});
    MoveTo(canvas, {0, 200});
    LineTo(canvas, {0, -200});
    canvas.SetBrushColor(ModelColour::Black);
}

// The lamp, the incident ray and the arc of A, with the reflected ray's arrowhead.
void drawIncidentRay(Canvas& canvas, long double A)
{
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    const ModelPoint lamp = Polar(200, 90 + A);
    canvas.SetBrushColor(ModelColour::Yellow);
    CircleAround(canvas, lamp, 7);
    RayFromOrigin(canvas, lamp);
    ArcAroundOrigin(canvas, 55, 90, 90 + A);
    canvas.SetBrushColor(ModelColour::Black);
    TextAt(canvas, Polar(70, 90 + A / 2), QStringLiteral("A"));
    canvas.SetBrushColor(ModelColour::Yellow);
    const long double a = Radians(A);
    DrawArrowHead(canvas, 100 * std::sin(a), 100 * std::cos(a), tanDegrees(90 - A));
}

// The reflected ray and the arc of Y = A, with the incident ray's arrowhead.
void drawReflectedRay(Canvas& canvas, long double A)
{
    RayFromOrigin(canvas, Polar(200, 90 - A));
    ArcAroundOrigin(canvas, 65, 90 - A, 90);
    canvas.SetBrushColor(ModelColour::Black);
    TextAt(canvas, Polar(80, 90 - A / 2), QStringLiteral("Y"));
    canvas.SetBrushColor(ModelColour::Yellow);
    const long double a = Radians(A);
    DrawArrowHead(canvas, -100 * std::sin(a), 100 * std::cos(a), -tanDegrees(90 - A));
}

// The incident ray's straight continuation, dotted in yellow; leaves a solid
// yellow pen 3 pixels wide.
void drawContinuation(Canvas& canvas, long double A)
{
    // Black dots on a solid yellow brush: the gaps show yellow.
    canvas.SetPenColor(ModelColour::Black);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psDot);
    RayFromOrigin(canvas, Polar(200, 270 + A));
    ArcAroundOrigin(canvas, 70, 270, 270 + A);

    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(ModelColour::Yellow);
}

// The critical line in the upper medium, at the limiting angle Ao from the
// normal on the lamp's side: light falling along it would leave grazing the
// boundary. Its arrowhead points to the point of incidence; its triple arc
// lies between it and the normal. The letter stands inside that angle, beside
// the normal and beyond the letter and arc of A, where even the smallest Ao
// (19,6 at n1 3,01, n2 1,01) leaves it room.
void drawCriticalLine(Canvas& canvas, long double Ao)
{
    canvas.SetPenWidth(1);
    const ModelPoint C = Polar(200, 90 + Ao);
    RayFromOrigin(canvas, C);
    canvas.SetBrushColor(ModelColour::Black);
    const QString letter = QStringLiteral("Ao");
    TextAt(canvas, {-3.0L - canvas.TextWidth(letter), 85.0L + canvas.TextHeight()}, letter);
    canvas.SetBrushColor(ModelColour::Yellow);
    DrawArrowHead(canvas, C.x / 2, C.y / 2, tanDegrees(90 + Ao));
    for (int radius : {20, 24, 28})
        ArcAroundOrigin(canvas, radius, 90, 90 + Ao);
}

// The refracted ray at B, its arrowhead and double arc.
void drawRefractedRay(Canvas& canvas, long double B)
{
    canvas.SetPenWidth(3);
    const ModelPoint P = Polar(200, 270 + B);
    RayFromOrigin(canvas, P);
    DrawArrowHead(canvas, P.x / 2, P.y / 2, Divide(-1, tanDegrees(B)));
    ArcAroundOrigin(canvas, 30, 270, 270 + B);
    ArcAroundOrigin(canvas, 35, 270, 270 + B);
    canvas.SetBrushColor(ModelColour::Black);
    TextAt(canvas, Polar(40, 270 + B / 2), QStringLiteral("B"));
    canvas.SetBrushColor(ModelColour::Yellow);
}

// Hatches the half of the picture that holds the denser medium, or the whole
// disc when both indices are equal above the lowest setting.
void hatchDenserMedium(Canvas& canvas, int s1, int s2)
{
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(1);
    canvas.SetBrushColor(ModelColour::Blue);
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    if (s1 == 100 && s2 == 100)
        return;
    if (s1 < s2)
        PieAroundOrigin(canvas, 150, 180, 360);
    else
        PieAroundOrigin(canvas, 150, 0, 180);
    if (s1 == s2)
        CircleAroundOrigin(canvas, 150);
}

} // namespace

void DrawRefraction(Canvas& canvas, const RefractionState& state)
{
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});
    drawMediaAndProtractor(canvas);

    const RefractionInputs& in = state.in;
    drawBoundaryAndNormal(canvas);
    drawIncidentRay(canvas, in.A);
    drawReflectedRay(canvas, in.A);
    drawContinuation(canvas, in.A);
    if (state.Ao)
        drawCriticalLine(canvas, *state.Ao);
    if (state.B)
        drawRefractedRay(canvas, *state.B);
    hatchDenserMedium(canvas, state.s1, state.s2);
}
