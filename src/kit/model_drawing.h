// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_point.h"

#include <QString>

#include <cstdint>
#include <vector>

class Canvas;

// Drawing in model coordinates: every point goes through the canvas's own
// mapping (Canvas::Mapping), which the redraw sets first.

void MoveTo(Canvas& canvas, ModelPoint p);
void LineTo(Canvas& canvas, ModelPoint p);
// A move to `from` and a line to `to`.
void Segment(Canvas& canvas, ModelPoint from, ModelPoint to);
// A line from the origin to `end`.
void RayFromOrigin(Canvas& canvas, ModelPoint end);
// The circle of `radius` round the origin.
void CircleAroundOrigin(Canvas& canvas, long double radius);
// The circle of `radius` round `centre`, its box from centre - r to centre + r.
void CircleAround(Canvas& canvas, ModelPoint centre, long double radius);
// The ellipse inscribed in the box with corners `corner1` and `corner2`, in
// the order given.
void EllipseInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2);
// Text with its top left corner at `p`.
void TextAt(Canvas& canvas, ModelPoint p, const QString& text);

// An arc of the circle of `radius` round the origin, counterclockwise from
// direction `from` to direction `to`; equal directions give the whole circle.
// The radial points lie far out along their rays, so rounding barely turns them.
void ArcAroundOrigin(Canvas& canvas, long double radius, long double from, long double to);

// As ArcAroundOrigin, closed by the two radii and filled with the brush.
void PieAroundOrigin(Canvas& canvas, long double radius, long double from, long double to);

// An arc of the ellipse in the box with corners `corner1` and `corner2`,
// counterclockwise from where the ray from its centre towards `from` meets it
// to where the ray towards `to` does; corners and points are converted first.
void ArcInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint from, ModelPoint to);
// As ArcInBox, closed by the two radii and filled with the brush.
void PieInBox(Canvas& canvas, ModelPoint corner1, ModelPoint corner2, ModelPoint from, ModelPoint to);

// The ticks of a protractor scale: `count` of them from radius 190 to 210
// round the origin, one every `stepDegrees`, the angle accumulated in double
// precision, each with its whole number of degrees.
struct ProtractorTick {
    std::int64_t x1, y1, x2, y2;
    QString label;
};
const std::vector<ProtractorTick>& ProtractorTicks(int count, int stepDegrees);

// A protractor scale: `count` ticks from radius 190 to 210, one every
// `stepDegrees`, the angle accumulated in double precision; when `labelled`,
// each tick gets its whole number of degrees at (x - 10, y + 5) of its outer end.
void ProtractorScale(Canvas& canvas, int count, int stepDegrees, bool labelled);
