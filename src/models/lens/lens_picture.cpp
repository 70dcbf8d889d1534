#include "models/lens/lens_picture.h"

#include "kit/arrow_head.h"
#include "kit/canvas.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "kit/screen_mapping.h"

namespace {

void segment(Canvas& canvas, ModelPoint from, ModelPoint to)
{
    MoveTo(canvas, from);
    LineTo(canvas, to);
}

// An arc of the ellipse in the model box (x1, y1)-(x2, y2), counterclockwise
// from the direction of p to that of q, every corner and point on the canvas first.
void arc(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint p, ModelPoint q)
{
    canvas.Arc(ToScreenX(double(corner1.x)), ToScreenY(double(corner1.y)), ToScreenX(double(corner2.x)),
               ToScreenY(double(corner2.y)), ToScreenX(double(p.x)), ToScreenY(double(p.y)),
               ToScreenX(double(q.x)), ToScreenY(double(q.y)));
}

void drawAxis(Canvas& canvas)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.MoveTo(0, CenterY);
    canvas.LineTo(canvas.Width(), CenterY);
}

// The schematic symbol: a vertical line with arrowheads pointing outwards
// (converging) or inwards (diverging).
void drawSymbol(Canvas& canvas, bool outwards)
{
    const int top = 20, bottom = canvas.Height() - 20;
    const int tipTop = outwards ? 30 : 10;
    const int tipBottom = outwards ? canvas.Height() - 30 : canvas.Height() - 10;
    canvas.MoveTo(CenterX, top);
    canvas.LineTo(CenterX, bottom);
    for (int side : {5, -5}) {
        canvas.MoveTo(CenterX, top);
        canvas.LineTo(CenterX + side, tipTop);
    }
    for (int side : {5, -5}) {
        canvas.MoveTo(CenterX, bottom);
        canvas.LineTo(CenterX + side, tipBottom);
    }
}

void drawConvexOutline(Canvas& canvas)
{
    const long double h = LensHalfHeight();
    const ModelPoint top{0, h}, bottom{0, -h};
    arc(canvas, {-20, h}, {20, -h}, top, bottom);
    arc(canvas, {-20, h}, {20, -h}, bottom, top);
}

void drawConcaveOutline(Canvas& canvas)
{
    const long double h = LensHalfHeight();
    arc(canvas, {-120, h}, {-10, -h}, {-50, -h}, {-50, h});
    arc(canvas, {10, h}, {120, -h}, {50, h}, {50, -h});
    for (int y : {ToScreenY(double(h)) + 5, ToScreenY(double(-h)) - 5}) {
        canvas.MoveTo(ToScreenX(-50), y);
        canvas.LineTo(ToScreenX(50), y);
    }
}

void drawFocalMarks(Canvas& canvas, double F)
{
    canvas.SetPenColor(ModelColour::White);
    canvas.SetPenWidth(3);
    const double marks[] = {-F, F, -2 * F, 2 * F, -3 * F, 3 * F};
    for (double x : marks)
        segment(canvas, {x, 0}, {x, 2});
    for (double x : marks)
        segment(canvas, {x, 0}, {x, -2});
}

void drawObject(Canvas& canvas, double d, double h1)
{
    canvas.SetPenColor(ModelColour::Red);
    canvas.SetPenWidth(3);
    segment(canvas, {-d, 0}, {-d, h1});
    segment(canvas, {-d, 0}, {-d, -h1});
    segment(canvas, {-d, h1}, {-d - 10, h1 - 10});
    segment(canvas, {-d, h1}, {-d + 10, h1 - 10});
}

// Marks on the two incident parallel rays halfway to the lens.
void drawDirectionMarks(Canvas& canvas, double d, double h1)
{
    const double x = -d / 2, back = x - 20, side = 20.0 / 3;
    segment(canvas, {x, h1}, {back, h1 + side});
    segment(canvas, {x, h1}, {back, h1 - side});
    segment(canvas, {x, -h1}, {back, -h1 + side});
    segment(canvas, {x, -h1}, {back, -h1 - side});
}

void drawMarkTexts(Canvas& canvas, double F)
{
    const std::pair<double, const char*> texts[] = {{F, "F"},      {-F, "F"},      {2 * F, "2F"},
                                                    {-2 * F, "2F"}, {3 * F, "3F"}, {-3 * F, "3F"}};
    for (const auto& [x, text] : texts)
        canvas.TextOut(ToScreenX(x), ToScreenY(0.5), QString::fromLatin1(text));
}

// What both lens kinds draw before their rays: the focal marks and the
// object; the rays then follow with a thin solid yellow pen.
void drawMarksAndObject(Canvas& canvas, const LensScene& s)
{
    drawFocalMarks(canvas, s.F);
    drawObject(canvas, s.d, s.h1);
    canvas.SetPenColor(ModelColour::Yellow);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psSolid);
}

void drawConverging(Canvas& canvas, const LensScene& s, const LensNumbers& n)
{
    const double yc = CentralRayTip(s.h1, n.f, s.d);
    const double yi = ImageTip(s.h1, n.f, s.F);

    segment(canvas, {-s.d, s.h1}, {n.f, yc});
    drawDirectionMarks(canvas, s.d, s.h1);
    segment(canvas, {-s.d, -s.h1}, {n.f, -yc});
    segment(canvas, {0, s.h1}, {n.f, yi});
    if (s.d > s.F) {
        DrawArrowHead(canvas, -s.d / 4, s.h1 / 4, -s.h1 / s.d);
        DrawArrowHead(canvas, -s.d / 4, -s.h1 / 4, s.h1 / s.d);
    }
    segment(canvas, {0, -s.h1}, {n.f, -yi});
    segment(canvas, {-s.d, s.h1}, {0, s.h1});
    segment(canvas, {-s.d, -s.h1}, {0, -s.h1});

    // The real paths to the lens centre and from the lens to the focus, dashed.
    canvas.SetPenStyle(PenStyle::psDash);
    segment(canvas, {0, 0}, {-s.d, s.h1});
    segment(canvas, {0, 0}, {-s.d, -s.h1});
    segment(canvas, {s.F, 0}, {0, s.h1});
    segment(canvas, {s.F, 0}, {0, -s.h1});

    // The image; its arrowhead points down for a real image, up for a virtual one.
    const double k = s.d > s.F ? 10 : -10;
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(3);
    segment(canvas, {n.f, 0}, {n.f, yi});
    segment(canvas, {n.f, 0}, {n.f, -yi});
    segment(canvas, {n.f, yi}, {n.f + 10, yi + k});
    segment(canvas, {n.f, yi}, {n.f - 10, yi + k});

    drawMarkTexts(canvas, s.F);
    canvas.SetPenStyle(PenStyle::psSolid);
}

void drawDiverging(Canvas& canvas, const LensScene& s, const LensNumbers& n)
{
    const double yr = DivergingRayEnd(s.h1, s.F);
    const double yb = VirtualImageHalf(s.h1, s.F, s.d);

    segment(canvas, {-s.d, s.h1}, {500, -500 * s.h1 / s.d});
    segment(canvas, {-s.d, -s.h1}, {500, 500 * s.h1 / s.d});
    DrawArrowHead(canvas, -s.d / 4, s.h1 / 4, -s.h1 / s.d);
    DrawArrowHead(canvas, -s.d / 4, -s.h1 / 4, s.h1 / s.d);
    drawDirectionMarks(canvas, s.d, s.h1);
    segment(canvas, {0, -s.h1}, {500, -yr});
    segment(canvas, {0, s.h1}, {500, yr});
    segment(canvas, {-s.d, s.h1}, {0, s.h1});
    segment(canvas, {-s.d, -s.h1}, {0, -s.h1});

    // Backward extensions of the refracted rays to the front focus.
    canvas.SetPenStyle(PenStyle::psDash);
    segment(canvas, {0, s.h1}, {-s.F, 0});
    segment(canvas, {0, -s.h1}, {-s.F, 0});
    drawMarkTexts(canvas, s.F);
    canvas.SetPenStyle(PenStyle::psSolid);

    // The virtual, upright image between the front focus and the lens.
    canvas.SetPenColor(ModelColour::Blue);
    canvas.SetPenWidth(3);
    segment(canvas, {n.f, 0}, {n.f, yb});
    segment(canvas, {n.f, 0}, {n.f, -yb});
    segment(canvas, {n.f, -n.h2}, {n.f - 10, -n.h2 - 10});
    segment(canvas, {n.f, -n.h2}, {n.f + 10, -n.h2 - 10});
}

} // namespace

void DrawLens(Canvas& canvas, const LensScene& s)
{
    canvas.Refresh();
    CenterX = canvas.Width() / 2;
    CenterY = canvas.Height() / 2;

    const bool converging = s.kind == LensKind::Converging;
    drawAxis(canvas);
    if (s.figure == LensFigure::Schematic)
        drawSymbol(canvas, converging);
    else if (converging)
        drawConvexOutline(canvas);
    else
        drawConcaveOutline(canvas);

    const LensNumbers n = ComputeLens(s.kind, s.F, s.d, s.h1);
    drawMarksAndObject(canvas, s);
    if (converging)
        drawConverging(canvas, s, n);
    else
        drawDiverging(canvas, s, n);
}
