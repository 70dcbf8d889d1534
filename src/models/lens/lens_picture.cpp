// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lens/lens_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

namespace {

void drawAxis(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.MoveTo(0, canvas.Mapping().centerY);
    canvas.LineTo(canvas.Width(), canvas.Mapping().centerY);
}

// The schematic symbol: a vertical line with arrowheads pointing outwards
// (converging) or inwards (diverging).
void drawSymbol(Canvas& canvas, bool outwards)
{
    const int top = 20, bottom = canvas.Height() - 20;
    const int tipTop = outwards ? 30 : 10;
    const int tipBottom = outwards ? canvas.Height() - 30 : canvas.Height() - 10;
    const int x = canvas.Mapping().centerX;
    canvas.MoveTo(x, top);
    canvas.LineTo(x, bottom);
    for (int side : {5, -5}) {
        canvas.MoveTo(x, top);
        canvas.LineTo(x + side, tipTop);
    }
    for (int side : {5, -5}) {
        canvas.MoveTo(x, bottom);
        canvas.LineTo(x + side, tipBottom);
    }
}

void drawConvexOutline(Canvas& canvas)
{
    const long double h = LensHalfHeight();
    const ModelPoint top{0, h}, bottom{0, -h};
    ArcInBox(canvas, {-20, h}, {20, -h}, top, bottom);
    ArcInBox(canvas, {-20, h}, {20, -h}, bottom, top);
}

void drawConcaveOutline(Canvas& canvas)
{
    const long double h = LensHalfHeight();
    ArcInBox(canvas, {-120, h}, {-10, -h}, {-50, -h}, {-50, h});
    ArcInBox(canvas, {10, h}, {120, -h}, {50, h}, {50, -h});
    const ScreenMapping& m = canvas.Mapping();
    for (int y : {m.ToScreenY(double(h)) + 5, m.ToScreenY(double(-h)) - 5}) {
        canvas.MoveTo(m.ToScreenX(-50), y);
        canvas.LineTo(m.ToScreenX(50), y);
    }
}

void drawFocalMarks(Canvas& canvas, double F)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(3);
    const double marks[] = {-F, F, -2 * F, 2 * F, -3 * F, 3 * F};
    for (double x : marks)
        Segment(canvas, {x, 0}, {x, 2});
    for (double x : marks)
        Segment(canvas, {x, 0}, {x, -2});
}

void drawObject(Canvas& canvas, double d, double h1)
{
    canvas.SetPenColor(ModelColour::Red);
    canvas.SetPenWidth(3);
    Segment(canvas, {-d, 0}, {-d, h1});
    Segment(canvas, {-d, 0}, {-d, -h1});
    Segment(canvas, {-d, h1}, {-d - 10, h1 - 10});
    Segment(canvas, {-d, h1}, {-d + 10, h1 - 10});
}

// Marks on the two incident parallel rays halfway to the lens.
void drawDirectionMarks(Canvas& canvas, double d, double h1)
{
    const double x = -d / 2, back = x - 20, side = 20.0 / 3;
    Segment(canvas, {x, h1}, {back, h1 + side});
    Segment(canvas, {x, h1}, {back, h1 - side});
    Segment(canvas, {x, -h1}, {back, -h1 + side});
    Segment(canvas, {x, -h1}, {back, -h1 - side});
}

void drawMarkTexts(Canvas& canvas, double F)
{
    const std::pair<double, const char*> texts[] = {{F, "F"},      {-F, "F"},      {2 * F, "2F"},
                                                    {-2 * F, "2F"}, {3 * F, "3F"}, {-3 * F, "3F"}};
    for (const auto& [x, text] : texts)
        TextAt(canvas, {x, 0.5L}, QString::fromLatin1(text));
}

// What both lens kinds draw before their rays: the focal marks and the
// object; the rays then follow with a thin solid yellow pen.
void drawMarksAndObject(Canvas& canvas, const LensState& s)
{
    drawFocalMarks(canvas, s.F);
    drawObject(canvas, s.d, s.h1);
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psSolid);
}

// The image bar from the axis to `tip` and its mirror below, with the
// arrowhead at `tip` opening away from it by `k`: a real, inverted image
// points down, a virtual, upright one up.
void drawImage(Canvas& canvas, double f, double tip, double k)
{
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(3);
    Segment(canvas, {f, 0}, {f, tip});
    Segment(canvas, {f, 0}, {f, -tip});
    Segment(canvas, {f, tip}, {f + 10, tip + k});
    Segment(canvas, {f, tip}, {f - 10, tip + k});
}

// The object beyond the focus: the rays meet behind the lens in a real,
// inverted image.
void drawRealImage(Canvas& canvas, const LensState& s)
{
    const LensNumbers& n = s.numbers;
    const double yc = s.centralRayTip;
    const double yi = s.imageTip;

    Segment(canvas, {-s.d, s.h1}, {n.f, yc});
    drawDirectionMarks(canvas, s.d, s.h1);
    Segment(canvas, {-s.d, -s.h1}, {n.f, -yc});
    Segment(canvas, {0, s.h1}, {n.f, yi});
    DrawArrowHead(canvas, -s.d / 4, s.h1 / 4, -s.h1 / s.d);
    DrawArrowHead(canvas, -s.d / 4, -s.h1 / 4, s.h1 / s.d);
    Segment(canvas, {0, -s.h1}, {n.f, -yi});
    Segment(canvas, {-s.d, s.h1}, {0, s.h1});
    Segment(canvas, {-s.d, -s.h1}, {0, -s.h1});

    // The paths to the lens centre and from the lens to the focus once more, dashed.
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {0, 0}, {-s.d, s.h1});
    Segment(canvas, {0, 0}, {-s.d, -s.h1});
    Segment(canvas, {s.F, 0}, {0, s.h1});
    Segment(canvas, {s.F, 0}, {0, -s.h1});

    drawImage(canvas, n.f, yi, 10);
    drawMarkTexts(canvas, s.F);
    canvas.SetPenStyle(PenStyle::psSolid);
}

// The object inside the focal length, as a magnifying glass is drawn on the
// board: the real rays leave the lens spreading, solid, and only their
// backward extensions, dashed, meet in the virtual, upright image.
void drawMagnifier(Canvas& canvas, const LensState& s)
{
    const LensNumbers& n = s.numbers;
    const double yi = s.imageTip;
    const double edge = RayEndX;

    Segment(canvas, {-s.d, s.h1}, {edge, -edge * s.h1 / s.d});
    drawDirectionMarks(canvas, s.d, s.h1);
    Segment(canvas, {-s.d, -s.h1}, {edge, edge * s.h1 / s.d});
    Segment(canvas, {0, s.h1}, {edge, s.h1 - edge * s.h1 / s.F});
    Segment(canvas, {0, -s.h1}, {edge, -s.h1 + edge * s.h1 / s.F});
    Segment(canvas, {-s.d, s.h1}, {0, s.h1});
    Segment(canvas, {-s.d, -s.h1}, {0, -s.h1});

    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {-s.d, s.h1}, {n.f, yi});
    Segment(canvas, {-s.d, -s.h1}, {n.f, -yi});
    Segment(canvas, {0, s.h1}, {n.f, yi});
    Segment(canvas, {0, -s.h1}, {n.f, -yi});

    drawImage(canvas, n.f, yi, -10);
    drawMarkTexts(canvas, s.F);
    canvas.SetPenStyle(PenStyle::psSolid);
}

void drawDiverging(Canvas& canvas, const LensState& s)
{
    const LensNumbers& n = s.numbers;
    const double yr = s.divergingRayEnd;
    const double yb = s.virtualImageHalf;

    const double edge = RayEndX;
    Segment(canvas, {-s.d, s.h1}, {edge, -edge * s.h1 / s.d});
    Segment(canvas, {-s.d, -s.h1}, {edge, edge * s.h1 / s.d});
    DrawArrowHead(canvas, -s.d / 4, s.h1 / 4, -s.h1 / s.d);
    DrawArrowHead(canvas, -s.d / 4, -s.h1 / 4, s.h1 / s.d);
    drawDirectionMarks(canvas, s.d, s.h1);
    Segment(canvas, {0, -s.h1}, {edge, -yr});
    Segment(canvas, {0, s.h1}, {edge, yr});
    Segment(canvas, {-s.d, s.h1}, {0, s.h1});
    Segment(canvas, {-s.d, -s.h1}, {0, -s.h1});

    // Backward extensions of the refracted rays to the front focus.
    canvas.SetPenStyle(PenStyle::psDash);
    Segment(canvas, {0, s.h1}, {-s.F, 0});
    Segment(canvas, {0, -s.h1}, {-s.F, 0});
    drawMarkTexts(canvas, s.F);
    canvas.SetPenStyle(PenStyle::psSolid);

    // The virtual, upright image between the front focus and the lens.
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(3);
    Segment(canvas, {n.f, 0}, {n.f, yb});
    Segment(canvas, {n.f, 0}, {n.f, -yb});
    Segment(canvas, {n.f, n.h2}, {n.f - 10, n.h2 - 10});
    Segment(canvas, {n.f, n.h2}, {n.f + 10, n.h2 - 10});
}

} // namespace

void DrawLens(Canvas& canvas, const LensState& s, LensFigure figure)
{
    canvas.Refresh();
    canvas.SetMapping({canvas.Width() / 2, canvas.Height() / 2});
    if (s.raysParallel)
        return;

    const bool converging = s.kind == LensKind::Converging;
    drawAxis(canvas);
    if (figure == LensFigure::Schematic)
        drawSymbol(canvas, converging);
    else if (converging)
        drawConvexOutline(canvas);
    else
        drawConcaveOutline(canvas);

    drawMarksAndObject(canvas, s);
    if (!converging)
        drawDiverging(canvas, s);
    else if (s.d > s.F)
        drawRealImage(canvas, s);
    else
        drawMagnifier(canvas, s);
}
