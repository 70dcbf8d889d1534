// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/reflection_picture.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"
#include "models/reflection/reflection_geometry.h"

#include <cmath>

void DrawReflection(Canvas& canvas, const ReflectionState& state)
{
    const int A = state.A, F = state.F;
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});

    // Axes across the whole canvas.
    canvas.SetPenColor(ModelColour::White);
    canvas.MoveTo(canvas.Mapping().centerX, 0);
    canvas.LineTo(canvas.Mapping().centerX, canvas.Height());
    canvas.MoveTo(0, canvas.Mapping().centerY);
    canvas.LineTo(canvas.Width(), canvas.Mapping().centerY);

    // Protractor.
    CircleAroundOrigin(canvas, 200);
    CircleAroundOrigin(canvas, 195);
    ProtractorScale(canvas, 36, 10, true);
    CircleAroundOrigin(canvas, 200);
    ProtractorScale(canvas, 72, 5, false);

    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(8);
    RayFromOrigin(canvas, Polar(150, F));

    TextAt(canvas, Polar(60, 90 - A / 2.0L + 10), QStringLiteral(" A"));

    // Incident ray and its lamp.
    const ModelPoint lamp = Polar(200, 90 - A);
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    RayFromOrigin(canvas, lamp);
    canvas.SetBrushColor(ModelColour::Yellow);
    CircleAround(canvas, lamp, 7);

    const AngleRange& incidence = state.incidenceArc;
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(2);
    ArcAroundOrigin(canvas, 40, incidence.from, incidence.to);

    // Normal, then the mirror's other half over it.
    canvas.SetPenColor(ModelColour::Gray);
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenWidth(1);
    RayFromOrigin(canvas, Polar(200, F + 90));
    RayFromOrigin(canvas, Polar(200, F + 270));
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(8);
    RayFromOrigin(canvas, Polar(150, F + 180));

    // Reflected ray.
    const long double R = state.R;
    const ModelPoint reflected{200 * std::cos(R), 200 * std::sin(R)};
    canvas.SetBrushColor(ModelColour::Black);
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(3);
    RayFromOrigin(canvas, reflected);
    TextAt(canvas, {60 * std::cos(R - Radians(10)), 60 * std::sin(R - Radians(10))}, QStringLiteral("B"));

    const AngleRange& reflection = state.reflectionArc;
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(2);
    ArcAroundOrigin(canvas, 30, reflection.from, reflection.to);

    // The mirror's tilt; an untilted mirror still gets a visible 1-degree mark.
    const int tilt = F == 0 ? 1 : F;
    TextAt(canvas, Polar(70, tilt / 2.0L), QStringLiteral(" F"));
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(2);
    ArcAroundOrigin(canvas, 60, 0, tilt);
    ArcAroundOrigin(canvas, 55, 0, tilt);

    canvas.SetPenWidth(1);
}
