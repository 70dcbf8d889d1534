// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/label_placement.h"

#include "kit/checked_math.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a stroke keeps from a text beyond half its width: a pixel for rounding.
constexpr long double kRoundingSlack = 1;

// A letter moves out from the vertex in these steps, this far at most.
constexpr long double kRadiusStep = 2;
constexpr long double kFurthest = 50;
// Beside an angle too narrow for it, it turns away from an arm in these steps.
constexpr long double kTurnStep = 5;
constexpr long double kFurthestTurn = 45;
// A number of a scale moves a pixel at a time, this far at most.
constexpr int kFurthestMove = 20;

ModelPoint operator+(ModelPoint a, ModelPoint b)
{
    return {a.x + b.x, a.y + b.y};
}

ModelPoint operator-(ModelPoint a, ModelPoint b)
{
    return {a.x - b.x, a.y - b.y};
}

ModelPoint operator*(long double k, ModelPoint a)
{
    return {k * a.x, k * a.y};
}

// Whether the stroke crosses the box: clipped by each side of the box in
// turn, some of it is left.
bool crosses(const Stroke& s, long double left, long double right, long double bottom, long double top)
{
    const ModelPoint d = s.to - s.from;
    const long double towards[] = {-d.x, d.x, -d.y, d.y};
    const long double room[] = {s.from.x - left, right - s.from.x, s.from.y - bottom, top - s.from.y};
    long double enters = 0, leaves = 1;
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0) {
            if (room[side] < 0)
                return false;
            continue;
        }
        const long double at = room[side] / towards[side];
        if (towards[side] < 0)
            enters = std::max(enters, at);
        else
            leaves = std::min(leaves, at);
        if (enters > leaves)
            return false;
    }
    return true;
}

long double squaredDistanceFromSegment(ModelPoint p, const Stroke& s)
{
    const ModelPoint d = s.to - s.from;
    const long double squared = d.x * d.x + d.y * d.y;
    const long double along =
        squared == 0 ? 0 : std::clamp(((p.x - s.from.x) * d.x + (p.y - s.from.y) * d.y) / squared, 0.0L, 1.0L);
    const long double dx = p.x - s.from.x - along * d.x, dy = p.y - s.from.y - along * d.y;
    return dx * dx + dy * dy;
}

// Whether the stroke, as wide as its pen and a pixel more for rounding,
// covers part of the box.
bool touches(const Stroke& s, const TextBox& box)
{
    const long double reach = s.width / 2.0L + kRoundingSlack;
    const long double left = box.topLeft.x, right = box.topLeft.x + box.width;
    const long double bottom = box.topLeft.y - box.height, top = box.topLeft.y;
    if (std::min(s.from.x, s.to.x) >= right + reach || std::max(s.from.x, s.to.x) <= left - reach
        || std::min(s.from.y, s.to.y) >= top + reach || std::max(s.from.y, s.to.y) <= bottom - reach)
        return false;
    if (crosses(s, left, right, bottom, top))
        return true;
    // Apart, the nearest points are an end of the stroke and a corner of the box.
    const auto squaredFromBox = [&](ModelPoint p) {
        const long double dx = std::max({left - p.x, 0.0L, p.x - right});
        const long double dy = std::max({bottom - p.y, 0.0L, p.y - top});
        return dx * dx + dy * dy;
    };
    long double squared = std::min(squaredFromBox(s.from), squaredFromBox(s.to));
    for (ModelPoint corner : {ModelPoint{left, bottom}, {left, top}, {right, bottom}, {right, top}})
        squared = std::min(squared, squaredDistanceFromSegment(corner, s));
    return squared < reach * reach;
}

bool clearOf(const std::vector<Stroke>& strokes, const TextBox& box)
{
    return std::none_of(strokes.begin(), strokes.end(), [&box](const Stroke& s) { return touches(s, box); });
}

long double spanOf(const MarkedAngle& angle)
{
    return std::fmod(std::fmod(angle.to - angle.from, 360) + 360, 360);
}

// Offers the places a letter tries, best first, to `fits` until it takes one:
// its box's centre on the bisector, moving out from the vertex, then
// elsewhere in the angle; then beside the angle, as close to the vertex and
// to the arms as it can be.
template <typename Fits>
bool tryCentres(const MarkedAngle& angle, long double radius, Fits fits)
{
    const long double span = spanOf(angle);
    const long double bisector = angle.from + span / 2;
    const auto along = [&](long double direction) {
        for (long double r = radius; r <= radius + kFurthest; r += kRadiusStep)
            if (fits(angle.vertex + Polar(r, direction)))
                return true;
        return false;
    };
    if (along(bisector))
        return true;
    for (long double off = kTurnStep; off < span / 2; off += kTurnStep)
        if (along(bisector + off) || along(bisector - off))
            return true;
    for (long double r = radius; r <= radius + kFurthest; r += kRadiusStep)
        for (long double off = kTurnStep; off <= kFurthestTurn; off += kTurnStep)
            if (fits(angle.vertex + Polar(r, angle.to + off)) || fits(angle.vertex + Polar(r, angle.from - off)))
                return true;
    return false;
}

} // namespace

std::vector<Stroke> ArrowHeadStrokes(ModelPoint tip, ModelPoint direction, int width)
{
    const ModelPoint along = (1 / std::hypot(direction.x, direction.y)) * direction;
    const ModelPoint aside{-along.y, along.x};
    const ModelPoint base = tip - 20 * along;
    return {{tip, base + (20.0L / 3) * aside, width}, {tip, base - (20.0L / 3) * aside, width}};
}

std::vector<Stroke> ArcStrokes(ModelPoint centre, long double radius, long double from, long double to, int width)
{
    // Chords that stray at most a quarter of a pixel from the arc.
    const long double step = 2 * std::acos(1 - 0.25L / radius) * 180 / Pi;
    const long double span = spanOf({centre, from, to});
    const int count = std::max(1, static_cast<int>(std::ceil(span / step)));
    std::vector<Stroke> chords;
    ModelPoint start = centre + Polar(radius, from);
    for (int k = 1; k <= count; ++k) {
        const ModelPoint end = centre + Polar(radius, from + span * k / count);
        chords.push_back({start, end, width});
        start = end;
    }
    return chords;
}

std::vector<Stroke> Outline(const TextBox& box, int width)
{
    const ModelPoint topLeft = box.topLeft;
    const ModelPoint topRight = topLeft + ModelPoint{box.width, 0};
    const ModelPoint bottomLeft = topLeft - ModelPoint{0, box.height};
    const ModelPoint bottomRight = topRight - ModelPoint{0, box.height};
    return {{topLeft, topRight, width},
            {topRight, bottomRight, width},
            {bottomRight, bottomLeft, width},
            {bottomLeft, topLeft, width}};
}

ModelPoint PlaceAngleLabel(const TextBox& box, const MarkedAngle& angle, long double radius,
                           const std::vector<Stroke>& strokes)
{
    if (clearOf(strokes, box))
        return box.topLeft;
    const ModelPoint halfSize{box.width / 2, -box.height / 2};
    ModelPoint found = box.topLeft;
    tryCentres(angle, radius, [&](ModelPoint centre) {
        const TextBox there{centre - halfSize, box.width, box.height};
        if (!clearOf(strokes, there))
            return false;
        found = there.topLeft;
        return true;
    });
    return found;
}

ModelPoint MoveClear(const TextBox& box, ModelPoint away, const std::vector<Stroke>& strokes)
{
    if (clearOf(strokes, box))
        return box.topLeft;
    const ModelPoint aside{-away.y, away.x};
    const ModelPoint ways[] = {away, away + aside, away - aside, aside, -1 * aside};
    for (int distance = 1; distance <= kFurthestMove; ++distance) {
        for (ModelPoint way : ways) {
            const long double length = std::hypot(way.x, way.y);
            const ModelPoint topLeft = box.topLeft + (distance / length) * way;
            if (clearOf(strokes, {topLeft, box.width, box.height}))
                return topLeft;
        }
    }
    return box.topLeft;
}
