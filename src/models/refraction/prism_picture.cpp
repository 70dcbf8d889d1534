#include "models/refraction/prism_picture.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "models/refraction/prism_geometry.h"

#include <cmath>
#include <functional>

namespace {

// The grid's frame on the canvas: model x -10 .. 10, y 5 .. -5.
constexpr int GridLeft = 30;
constexpr int GridTop = 10;
constexpr int GridWidth = 900;
constexpr int GridHeight = 400;

// The ray inside turns by r - 1.57 from the face: the constant is 1.57, not
// pi / 2, so with n = 1 the ray runs on at alpha + 0.0456 degrees.
constexpr long double QuarterTurn = 1.57L;

void moveTo(Canvas& canvas, ModelPoint p)
{
    const QPoint c = PrismToCanvas(p.x, p.y);
    canvas.MoveTo(c.x(), c.y());
}

void lineTo(Canvas& canvas, ModelPoint p)
{
    const QPoint c = PrismToCanvas(p.x, p.y);
    canvas.LineTo(c.x(), c.y());
}

void pen(Canvas& canvas, const QColor& colour, int width)
{
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(width);
}

// An arc of the ellipse in the box from corner1 to corner2, counterclockwise
// on the screen from the ray through `from` to the ray through `to`.
void arc(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint from, ModelPoint to)
{
    const QPoint c1 = PrismToCanvas(corner1.x, corner1.y), c2 = PrismToCanvas(corner2.x, corner2.y);
    const QPoint f = PrismToCanvas(from.x, from.y), t = PrismToCanvas(to.x, to.y);
    canvas.Arc(c1.x(), c1.y(), c2.x(), c2.y(), f.x(), f.y(), t.x(), t.y());
}

// A short normal through `p` along the slope k, from x - 1 to x + 1.
void normalThrough(Canvas& canvas, ModelPoint p, long double k)
{
    pen(canvas, ModelColour::Silver, 1);
    moveTo(canvas, {p.x - 1, p.y - k});
    lineTo(canvas, {p.x + 1, p.y + k});
}

// The grid of squares, the numbers -10 .. 10 under the axis and the axis.
void drawGridAndAxis(Canvas& canvas)
{
    pen(canvas, ModelColour::SkyBlue, 1);
    const int rowStep = int(Round(GridHeight / 10.0L));
    const int columnStep = int(Round(GridWidth / 20.0L));
    for (int i = 0; i <= 10; ++i) {
        canvas.MoveTo(GridLeft, GridTop + rowStep * i);
        canvas.LineTo(GridLeft + GridWidth, GridTop + rowStep * i);
    }
    for (int j = 0; j <= 20; ++j) {
        canvas.MoveTo(GridLeft + columnStep * j, GridTop);
        canvas.LineTo(GridLeft + columnStep * j, GridTop + GridHeight);
    }

    // Each number stands just below the axis, left of its grid line.
    const int axisRow = GridTop + GridHeight / 2;
    for (int i = 0; i <= 20; ++i)
        canvas.TextOut(GridLeft - 13 + columnStep * i, axisRow + 3, QString::number(i - 10));

    pen(canvas, ModelColour::White, 2);
    canvas.MoveTo(GridLeft + GridWidth, axisRow);
    canvas.LineTo(GridLeft, axisRow);
}

// The prism's faces and base, and the arc and letter of its apex angle.
void drawPrism(Canvas& canvas, ModelPoint V, ModelPoint L, ModelPoint R)
{
    pen(canvas, ModelColour::Blue, 4);
    moveTo(canvas, V);
    lineTo(canvas, L);
    moveTo(canvas, V);
    lineTo(canvas, R);
    lineTo(canvas, L);

    pen(canvas, ModelColour::White, 2);
    arc(canvas, {-1, 6}, {1, 4}, L, R);
    const QPoint letter = PrismToCanvas(0, 4);
    canvas.TextOut(letter.x(), letter.y(), QStringLiteral("F"));
}

// The double arc at the ray's start O, from the axis up to the ray towards E.
// Both arcs end on a point far out along the ray: E itself can round onto O's
// row, and an arc whose two rays coincide would be the whole ellipse.
void drawRayAngle(Canvas& canvas, ModelPoint O, ModelPoint E)
{
    const long double reach = Divide(20, std::hypot(E.x - O.x, E.y - O.y));
    const ModelPoint along{O.x + (E.x - O.x) * reach, O.y + (E.y - O.y) * reach};
    pen(canvas, ModelColour::White, 2);
    arc(canvas, {-13, 3}, {-7, -3}, {-7, 0}, along);
    arc(canvas, {-13.2L, 3}, {-7.2L, -3}, {-7.2L, 0}, along);
}

// The emergent ray from X, where the ray inside meets the surface at the
// angle of incidence i2; `slopeAfter` gives its slope from the angle of
// refraction. None when n sin i2 > 1: total internal reflection.
bool drawEmergentRay(Canvas& canvas, ModelPoint X, long double n, long double i2,
                     const std::function<long double(long double)>& slopeAfter)
{
    pen(canvas, ModelColour::Yellow, 3);
    const long double sine = n * std::sin(i2);
    if (std::fabs(sine) > 1)
        return false;
    const long double k2 = slopeAfter(ArcSin(sine));
    const long double b2 = X.y - k2 * X.x;
    moveTo(canvas, X);
    lineTo(canvas, {10, Checked(10 * k2 + b2)});
    return true;
}

} // namespace

PrismOutcome DrawPrism(Canvas& canvas, int alpha, int P, int s)
{
    canvas.Refresh();
    const long double F = static_cast<long double>(P) / 2;
    const long double n = PrismIndex(s);

    drawGridAndAxis(canvas);

    const long double kL = std::tan(Radians(90 - F));
    const long double kR = -std::tan(Radians(90 - F));
    const ModelPoint V{0, 5};
    const ModelPoint L{Divide(-5, kL), 0};
    const ModelPoint R{Divide(-5, kR), 0};
    drawPrism(canvas, V, L, R);

    // The ray starts at O = (-10, 0) on the line y = kr x + 10 kr.
    pen(canvas, ModelColour::Yellow, 3);
    const long double kr = std::tan(Radians(alpha));
    if (kr >= kL)
        return PrismOutcome::NoRay;

    const long double xE = Divide(5 - 10 * kr, kr - kL);
    const ModelPoint E{xE, kr * xE + 10 * kr};
    const ModelPoint O{-10, 0};
    moveTo(canvas, O);
    lineTo(canvas, E);
    drawRayAngle(canvas, O, E);

    pen(canvas, ModelColour::Yellow, 3);
    if (PrismToScreenY(double(E.y)) < PrismToScreenY(5))
        return PrismOutcome::Missed;

    normalThrough(canvas, E, Divide(-1, kL));
    pen(canvas, ModelColour::Yellow, 3);
    canvas.SetPenPos(PrismToCanvas(E.x, E.y));

    // First refraction, at the left face.
    const long double thetaL = std::atan(Divide(5, -L.x));
    const long double r1 = ArcSin(std::sin(Radians(alpha + F)) / n);
    const long double k1 = std::tan(thetaL + r1 - QuarterTurn);
    const long double b1 = E.y - k1 * E.x;

    // The ray inside leaves where it meets the right face, unless the base comes first.
    const long double kF = Divide(-5, R.x);
    const long double xX = Divide(b1 - 5, kF - k1);
    ModelPoint X{xX, kF * xX + 5};
    const std::int32_t row = PrismToScreenY(double(X.y));
    const std::int32_t baseRow = PrismToScreenY(0);
    if (row == baseRow) {
        // Through the base corner: drawn straight on past R, with no exit traced.
        const long double kC = Divide(0 - E.y, R.x - E.x);
        const long double bC = E.y - kC * E.x;
        lineTo(canvas, {10, 10 * kC + bC});
        return PrismOutcome::ThroughCorner;
    }

    // The ray inside always heads to the right. One steeper than the right
    // face meets that face's line only behind E, above the apex: going on, it
    // reaches the base first.
    const bool onFace = row < baseRow && X.x >= E.x;
    bool emerged = false;
    if (onFace) {
        lineTo(canvas, X);
        const long double kN2 = Divide(-1, kF);
        normalThrough(canvas, X, kN2);
        // The face's outward normal points up at F.
        const long double normal = std::atan(kN2);
        emerged = drawEmergentRay(canvas, X, n, normal - std::atan(k1),
                                  [normal](long double r2) { return std::tan(normal - r2); });
    } else {
        X = {Divide(-b1, k1), 0};
        lineTo(canvas, X);
        pen(canvas, ModelColour::Silver, 1);
        moveTo(canvas, {X.x, -1});
        lineTo(canvas, {X.x, 1});
        // The base's outward normal points straight down.
        emerged = drawEmergentRay(canvas, X, n, std::atan(k1) + QuarterTurn,
                                  [](long double r2) { return Divide(1, std::tan(-r2)); });
    }
    return emerged ? PrismOutcome::Emerged : PrismOutcome::TotallyReflected;
}
