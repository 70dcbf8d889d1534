#include "models/reflection/reflection_picture.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/screen_mapping.h"
#include "models/reflection/reflection_geometry.h"

#include <QString>

#include <cmath>

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kBlack(0x00, 0x00, 0x00);

struct ModelPoint {
    long double x;
    long double y;
};

ModelPoint polar(long double radius, long double radians)
{
    return {radius * std::cos(radians), radius * std::sin(radians)};
}

void moveTo(Canvas& canvas, ModelPoint p)
{
    canvas.MoveTo(ToScreenX(double(p.x)), ToScreenY(double(p.y)));
}

void lineTo(Canvas& canvas, ModelPoint p)
{
    canvas.LineTo(ToScreenX(double(p.x)), ToScreenY(double(p.y)));
}

void rayFromOrigin(Canvas& canvas, ModelPoint end)
{
    moveTo(canvas, {0, 0});
    lineTo(canvas, end);
}

void circle(Canvas& canvas, long double radius)
{
    canvas.Ellipse(ToScreenX(double(-radius)), ToScreenY(double(radius)),
                   ToScreenX(double(radius)), ToScreenY(double(-radius)));
}

void textAt(Canvas& canvas, ModelPoint p, const QString& text)
{
    canvas.TextOut(ToScreenX(double(p.x)), ToScreenY(double(p.y)), text);
}

// An arc of the circle of `radius` round the origin, counterclockwise from
// direction `from` to direction `to` (degrees). The radial points lie far out
// along their rays, so their rounding barely turns them.
void arc(Canvas& canvas, long double radius, long double from, long double to)
{
    const ModelPoint start = polar(1000, Radians(from));
    const ModelPoint end = polar(1000, Radians(to));
    canvas.Arc(ToScreenX(double(-radius)), ToScreenY(double(radius)),
               ToScreenX(double(radius)), ToScreenY(double(-radius)),
               ToScreenX(double(start.x)), ToScreenY(double(start.y)),
               ToScreenX(double(end.x)), ToScreenY(double(end.y)));
}

// Ticks from radius 190 to 210 every `stepDegrees`, labelled when asked.
void scale(Canvas& canvas, int count, int stepDegrees, bool labelled)
{
    double t = 0;
    for (int k = 1; k <= count; ++k) {
        t = t + stepDegrees * Pi / 180;
        const long double c = std::cos(static_cast<long double>(t));
        const long double s = std::sin(static_cast<long double>(t));
        const auto x1 = Round(190 * c), y1 = Round(190 * s);
        const auto x2 = Round(210 * c), y2 = Round(210 * s);
        canvas.MoveTo(ToScreenX(double(x1)), ToScreenY(double(y1)));
        canvas.LineTo(ToScreenX(double(x2)), ToScreenY(double(y2)));
        if (labelled) {
            const auto degrees = Round(t * 180 / Pi);
            canvas.TextOut(ToScreenX(double(x2 - 10)), ToScreenY(double(y2 + 5)), QString::number(degrees));
        }
    }
}

} // namespace

void DrawReflection(Canvas& canvas, int A, int F)
{
    canvas.Refresh();
    CenterX = canvas.Width() / 2;
    CenterY = canvas.Height() / 2;

    // Axes across the whole canvas.
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(CenterX, 0);
    canvas.LineTo(CenterX, canvas.Height());
    canvas.MoveTo(0, CenterY);
    canvas.LineTo(canvas.Width(), CenterY);

    // Protractor.
    circle(canvas, 200);
    circle(canvas, 195);
    scale(canvas, 36, 10, true);
    circle(canvas, 200);
    scale(canvas, 72, 5, false);

    const long double f = Radians(F);
    canvas.SetPenColor(kBlue);
    canvas.SetPenWidth(8);
    rayFromOrigin(canvas, polar(150, f));

    textAt(canvas, polar(60, Radians(90 - A / 2.0L + 10)), QStringLiteral(" A"));

    // Incident ray and its lamp.
    const ModelPoint lamp = polar(200, Radians(90 - A));
    canvas.SetPenColor(kYellow);
    canvas.SetPenWidth(3);
    rayFromOrigin(canvas, lamp);
    canvas.SetBrushColor(kYellow);
    canvas.Ellipse(ToScreenX(double(lamp.x - 7)), ToScreenY(double(lamp.y - 7)),
                   ToScreenX(double(lamp.x + 7)), ToScreenY(double(lamp.y + 7)));

    const AngleRange incidence = IncidenceArc(A, F);
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(2);
    arc(canvas, 40, incidence.from, incidence.to);

    // Normal, then the mirror's other half over it.
    canvas.SetPenColor(kGrey);
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(1);
    rayFromOrigin(canvas, polar(200, Radians(F + 90)));
    rayFromOrigin(canvas, polar(200, Radians(F + 270)));
    canvas.SetPenColor(kBlue);
    canvas.SetPenWidth(8);
    rayFromOrigin(canvas, polar(150, Radians(F + 180)));

    // Reflected ray.
    const long double R = ReflectedDirection(A, F);
    canvas.SetBrushColor(kBlack);
    canvas.SetPenColor(kYellow);
    canvas.SetPenWidth(3);
    rayFromOrigin(canvas, polar(200, R));
    textAt(canvas, polar(60, R - Radians(10)), QStringLiteral("B"));

    const AngleRange reflection = ReflectionArc(A, F);
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(2);
    arc(canvas, 30, reflection.from, reflection.to);

    // The mirror's tilt; an untilted mirror still gets a visible 1-degree mark.
    const int tilt = F == 0 ? 1 : F;
    textAt(canvas, polar(70, Radians(tilt / 2.0L)), QStringLiteral(" F"));
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(2);
    arc(canvas, 60, 0, tilt);
    arc(canvas, 55, 0, tilt);

    canvas.SetPenWidth(1);
}
