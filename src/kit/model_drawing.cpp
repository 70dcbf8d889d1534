// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_drawing.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/screen_mapping.h"

#include <cmath>
#include <map>
#include <vector>

namespace {

// The canvas pixel of a model point on this canvas.
QPoint at(const Canvas& canvas, ModelPoint p)
{
    const ScreenMapping& mapping = canvas.Mapping();
    return {mapping.ToScreenX(double(p.x)), mapping.ToScreenY(double(p.y))};
}

} // namespace

void MoveTo(Canvas& canvas, ModelPoint p)
{
    canvas.MoveTo(at(canvas, p).x(), at(canvas, p).y());
}

void LineTo(Canvas& canvas, ModelPoint p)
{
    canvas.LineTo(at(canvas, p).x(), at(canvas, p).y());
}

void Segment(Canvas& canvas, ModelPoint from, ModelPoint to)
{
    MoveTo(canvas, from);
    LineTo(canvas, to);
}

void RayFromOrigin(Canvas& canvas, ModelPoint end)
{
    Segment(canvas, {0, 0}, end);
}

void CircleAroundOrigin(Canvas& canvas, long double radius)
{
    CircleAround(canvas, {0, 0}, radius);
}

void CircleAround(Canvas& canvas, ModelPoint centre, long double radius)
{
    EllipseInBox(canvas, {centre.x - radius, centre.y - radius}, {centre.x + radius, centre.y + radius});
}

void EllipseInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2)
{
    const QPoint a = at(canvas, corner1), b = at(canvas, corner2);
    canvas.Ellipse(a.x(), a.y(), b.x(), b.y());
}

void TextAt(Canvas& canvas, ModelPoint p, const QString& text)
{
    canvas.TextOut(at(canvas, p).x(), at(canvas, p).y(), text);
}

namespace {

using ArcOperation = void (Canvas::*)(int, int, int, int, int, int, int, int);

void sectorInBox(Canvas& canvas, ArcOperation operation, ModelPoint corner1, ModelPoint corner2, ModelPoint from,
                 ModelPoint to)
{
    const QPoint a = at(canvas, corner1), b = at(canvas, corner2), start = at(canvas, from), end = at(canvas, to);
    (canvas.*operation)(a.x(), a.y(), b.x(), b.y(), start.x(), start.y(), end.x(), end.y());
}

void sectorAroundOrigin(Canvas& canvas, ArcOperation operation, long double radius, long double from, long double to)
{
    sectorInBox(canvas, operation, {-radius, radius}, {radius, -radius}, Polar(1000, from), Polar(1000, to));
}

} // namespace

void ArcAroundOrigin(Canvas& canvas, long double radius, long double from, long double to)
{
    sectorAroundOrigin(canvas, &Canvas::Arc, radius, from, to);
}

void PieAroundOrigin(Canvas& canvas, long double radius, long double from, long double to)
{
    sectorAroundOrigin(canvas, &Canvas::Pie, radius, from, to);
}

void ArcInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint from, ModelPoint to)
{
    sectorInBox(canvas, &Canvas::Arc, corner1, corner2, from, to);
}

void PieInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint from, ModelPoint to)
{
    sectorInBox(canvas, &Canvas::Pie, corner1, corner2, from, to);
}

// The ticks of a scale depend only on how many there are and how far apart:
// worked out once, they serve every redraw.
const std::vector<ProtractorTick>& ProtractorTicks(int count, int stepDegrees)
{
    static std::map<std::pair<int, int>, std::vector<ProtractorTick>> scales;
    std::vector<ProtractorTick>& ticks = scales[{count, stepDegrees}];
    if (!ticks.empty())
        return ticks;
    double t = 0;
    for (int k = 1; k <= count; ++k) {
        t = t + stepDegrees * Pi / 180;
        const long double c = std::cos(static_cast<long double>(t));
        const long double s = std::sin(static_cast<long double>(t));
        ticks.push_back({Round(190 * c), Round(190 * s), Round(210 * c), Round(210 * s),
                         QString::number(Round(t * 180 / Pi))});
    }
    return ticks;
}

void ProtractorScale(Canvas& canvas, int count, int stepDegrees, bool labelled)
{
    for (const ProtractorTick& tick : ProtractorTicks(count, stepDegrees)) {
        MoveTo(canvas, {static_cast<long double>(tick.x1), static_cast<long double>(tick.y1)});
        LineTo(canvas, {static_cast<long double>(tick.x2), static_cast<long double>(tick.y2)});
        if (labelled)
            TextAt(canvas, {static_cast<long double>(tick.x2 - 10), static_cast<long double>(tick.y2 + 5)}, tick.label);
    }
}
