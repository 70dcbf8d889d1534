// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/model_drawing.h"

#include <vector>

// Places the texts of a picture, the letters of its angles and the numbers of
// its scales, so that no stroke of it crosses them. Model coordinates, y upwards.

// A straight stroke of the picture and the width of its pen.
struct Stroke {
    ModelPoint from;
    ModelPoint to;
    int width;
};

// The box a text covers: its top left corner and its size in pixels.
struct TextBox {
    ModelPoint topLeft;
    long double width;
    long double height;
};

// The angle a letter names: at `vertex`, counterclockwise from direction
// `from` to direction `to`, in degrees.
struct MarkedAngle {
    ModelPoint vertex;
    long double from;
    long double to;
};

// The two strokes of an arrowhead with its tip at `tip` on a ray going along
// `direction`, as DrawArrowHead draws them.
std::vector<Stroke> ArrowHeadStrokes(ModelPoint tip, ModelPoint direction, int width);

// The arc of `radius` round `centre` from direction `from` counterclockwise
// to `to`, as short chords.
std::vector<Stroke> ArcStrokes(ModelPoint centre, long double radius, long double from, long double to, int width);

// The four edges of a box: what a text placed later keeps off, or the bounds
// of a disc.
std::vector<Stroke> Outline(const TextBox& box, int width = 1);

// The top left corner of `box` moved so that the letter names `angle` clear of
// every stroke: where the box already stands when nothing crosses it there;
// else the first clear place with its centre `radius` or further from the
// vertex, inside the angle if it is wide enough, beside it beyond one of its
// arms if not; where it stands when there is none.
ModelPoint PlaceAngleLabel(const TextBox& box, const MarkedAngle& angle, long double radius,
                           const std::vector<Stroke>& strokes);

// The top left corner of `box` moved the shortest way clear of every stroke,
// along `away` (a unit vector) or turned from it by up to a right angle, by
// at most 20 pixels; where it stands when nothing crosses it there or no such
// move clears it.
ModelPoint MoveClear(const TextBox& box, ModelPoint away, const std::vector<Stroke>& strokes);
