// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_picture.h"

#include "kit/canvas.h"
#include "kit/checked_math.h"
#include "kit/model_colours.h"
#include "kit/model_drawing.h"
#include "models/refraction/prism_geometry.h"

#include <cmath>

namespace {

// The grid's frame on the canvas: model x -10 .. 10, y 5 .. -5.
constexpr int GridLeft = 30;
constexpr int GridTop = 10;
constexpr int GridWidth = 900;
constexpr int GridHeight = 400;

void pen(Canvas& canvas, const QColor& colour, int width)
{
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(width);
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
    MoveTo(canvas, V);
    LineTo(canvas, L);
    MoveTo(canvas, V);
    LineTo(canvas, R);
    LineTo(canvas, L);

    pen(canvas, ModelColour::White, 2);
    ArcInBox(canvas, {-1, 6}, {1, 4}, L, R);
    TextAt(canvas, {0, 4}, QStringLiteral("F"));
}

// The double arc at the ray's start O, from the axis up to the ray. Both arcs
// end on a point far out along the ray, so that rounding barely turns it.
void drawRayAngle(Canvas& canvas, const PrismTrace& trace)
{
    const ModelPoint along{trace.O.x + 20 * trace.incident.x, trace.O.y + 20 * trace.incident.y};
    pen(canvas, ModelColour::White, 2);
    ArcInBox(canvas, {-13, 3}, {-7, -3}, {-7, 0}, along);
    ArcInBox(canvas, {-13.2L, 3}, {-7.2L, -3}, {-7.2L, 0}, along);
}

// The normal where the ray meets a side: through the point at right angles
// to a face, from x - 1 to x + 1, or a vertical stroke of two units at the base.
void drawNormal(Canvas& canvas, const PrismTrace& trace, const PrismHit& hit)
{
    pen(canvas, ModelColour::Silver, 1);
    if (hit.side == PrismSide::Base) {
        MoveTo(canvas, {hit.at.x, -1});
        LineTo(canvas, {hit.at.x, 1});
        return;
    }
    // A face through the apex and a corner at (c, 0) has the slope -5 / c, its normal c / 5.
    const long double k = (hit.side == PrismSide::LeftFace ? trace.L.x : trace.R.x) / 5;
    MoveTo(canvas, {hit.at.x - 1, hit.at.y - k});
    LineTo(canvas, {hit.at.x + 1, hit.at.y + k});
}

} // namespace

void DrawPrism(Canvas& canvas, const PrismTrace& trace)
{
    canvas.Refresh();
    canvas.SetMapping(PrismMapping());
    drawGridAndAxis(canvas);
    drawPrism(canvas, trace.V, trace.L, trace.R);

    pen(canvas, ModelColour::Yellow, 3);
    MoveTo(canvas, trace.O);
    LineTo(canvas, trace.incidentEnd);
    drawRayAngle(canvas, trace);

    // The ray inside from side to side, each point with its normal.
    for (size_t i = 0; i < trace.hits.size(); ++i) {
        drawNormal(canvas, trace, trace.hits[i]);
        if (i + 1 < trace.hits.size()) {
            pen(canvas, ModelColour::Yellow, 3);
            MoveTo(canvas, trace.hits[i].at);
            LineTo(canvas, trace.hits[i + 1].at);
        }
    }

    if (trace.emergentEnd) {
        pen(canvas, ModelColour::Yellow, 3);
        MoveTo(canvas, trace.hits.back().at);
        LineTo(canvas, *trace.emergentEnd);
    }
}
