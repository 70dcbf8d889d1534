// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a recorded redraw back as the figures a pupil sees on the canvas:
// segments, arrowheads, arcs, discs and texts, in model coordinates (x to the
// right, y upwards, origin at the canvas pixel given). The picture tests state
// what the physics requires of these figures and compute it themselves.

#include "kit/canvas_op.h"
#include "kit/recording_canvas.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct Pt {
    double x = 0;
    double y = 0;
};

Pt operator+(Pt a, Pt b);
Pt operator-(Pt a, Pt b);
Pt operator*(double k, Pt a);
double Dot(Pt a, Pt b);
// The z of the cross product: positive when b lies counterclockwise of a.
double Cross(Pt a, Pt b);
double Length(Pt a);
double Distance(Pt a, Pt b);
// The direction of a vector in degrees, 0 to 360, counterclockwise from +x.
double DirectionOf(Pt a);
// The unit vector of a direction in degrees.
Pt UnitAt(double degrees);
// The smallest turn between two directions, 0 to 180 degrees.
double TurnBetween(double a, double b);
// The angle between two undirected lines, 0 to 90 degrees.
double AngleBetweenLines(double a, double b);
// Distance of p from the infinite line through a and b.
double DistanceFromLine(Pt p, Pt a, Pt b);
// Distance of p from the segment from a to b.
double DistanceFromSegment(Pt p, Pt a, Pt b);
// Where the lines through (a1, a2) and (b1, b2) cross; none when parallel.
std::optional<Pt> Intersection(Pt a1, Pt a2, Pt b1, Pt b2);

struct DrawnSegment {
    Pt from;
    Pt to;
    CanvasPen pen;
    size_t order; // position in the redraw

    double direction() const { return DirectionOf(to - from); }
    double length() const { return Distance(from, to); }
};

// Two short strokes from one tip, as an arrowhead or a direction mark is drawn.
struct DrawnArrowHead {
    Pt tip;
    Pt barb1;
    Pt barb2;
    CanvasPen pen;
    size_t order;

    // The direction the head points to: from the middle of the barbs to the tip.
    Pt pointing() const;
};

struct DrawnArc {
    Pt centre;
    double rx = 0;
    double ry = 0;
    double from = 0; // directions in degrees of the two radial points
    double to = 0;
    bool pie = false;
    CanvasPen pen;
    CanvasBrush brush;
    size_t order;

    // Counterclockwise turn from `from` to `to`, 0 < span <= 360 (360: the whole ellipse).
    double span() const;
    // True when direction d lies on the arc, within `slack` degrees.
    bool covers(double d, double slack = 0.5) const;
    // The point of the ellipse in direction d from the centre.
    Pt pointAt(double d) const;
};

struct DrawnEllipse {
    Pt centre;
    double rx = 0;
    double ry = 0;
    CanvasPen pen;
    CanvasBrush brush;
    size_t order;
};

struct DrawnRectangle {
    Pt corner1;
    Pt corner2;
    CanvasPen pen;
    CanvasBrush brush;
    size_t order;
};

struct DrawnText {
    Pt topLeft;
    QString text;
    CanvasBrush brush;
    QColor color;
    size_t order;
};

using PenTest = std::function<bool(const CanvasPen&)>;

// A pen of this colour, and of this width when one is given.
PenTest PenOf(const QColor& color, int width = 0, std::optional<PenStyle> style = std::nullopt);

class Picture {
public:
    Picture(const std::vector<CanvasOp>& ops, int centerX, int centerY);
    // The last redraw on the canvas, round the origin its mapping gives.
    explicit Picture(const RecordingCanvas& canvas);

    const std::vector<DrawnSegment>& segments() const { return segments_; }
    std::vector<DrawnSegment> segments(const PenTest& pen) const;
    // Every segment of that pen that is not a stroke of an arrowhead.
    std::vector<DrawnSegment> lines(const PenTest& pen) const;
    const std::vector<DrawnArrowHead>& arrowHeads() const { return arrowHeads_; }
    std::vector<DrawnArrowHead> arrowHeads(const PenTest& pen) const;
    const std::vector<DrawnArc>& arcs() const { return arcs_; }
    // The arcs (or pies) of a circle of this radius round the origin. Arcs are
    // drawn in boxes of whole pixels: their centres and radii are found to
    // half a pixel, so a circle a pixel larger or moved by one is not taken
    // for this one.
    std::vector<DrawnArc> arcsOfRadius(double radius) const;
    // How many arcs of the circle of `radius` round `centre` run from direction
    // `from` counterclockwise to `to`, their ends within `slack` degrees; with
    // `wholeSpan` also the span, so that a whole ellipse never passes for a
    // sliver of an arc.
    int arcsBetween(Pt centre, double radius, double from, double to, double slack = 0.6,
                    bool wholeSpan = false) const;
    const std::vector<DrawnEllipse>& ellipses() const { return ellipses_; }
    const std::vector<DrawnRectangle>& rectangles() const { return rectangles_; }
    const std::vector<DrawnText>& texts() const { return texts_; }
    // The one text with these characters; a test failure when there is not exactly one.
    DrawnText text(const QString& characters) const;

    Pt toModel(int canvasX, int canvasY) const;

private:
    int centerX_;
    int centerY_;
    std::vector<DrawnSegment> segments_;
    std::vector<DrawnArrowHead> arrowHeads_;
    std::vector<size_t> arrowStrokes_; // orders of the segments that make arrowheads
    std::vector<DrawnArc> arcs_;
    std::vector<DrawnEllipse> ellipses_;
    std::vector<DrawnRectangle> rectangles_;
    std::vector<DrawnText> texts_;
};

// The segment of `lines` that runs from `start` (within `slack` pixels) in
// `direction` (within `turn` degrees); none if there is none.
std::optional<DrawnSegment> RayFrom(const std::vector<DrawnSegment>& lines, Pt start, double direction,
                                    double turn = 1.0, double slack = 1.5);

// The box a text covers: its top left corner and its size on the canvas.
struct TextArea {
    Pt topLeft;
    double width = 0;
    double height = 0;

    Pt centre() const { return topLeft + Pt{width / 2, -height / 2}; }
};

// How far the segment from a to b (a point when a = b) lies from the box; 0 when it crosses it.
double DistanceFromBox(Pt a, Pt b, const TextArea& box);
// True when the segment, as wide as its pen, covers part of the box.
bool Covers(const DrawnSegment& segment, const TextArea& box);

// Checks that a label's anchor lies inside the angle it names: at `vertex`,
// from direction lo counterclockwise to hi.
void ExpectLabelInside(const DrawnText& label, Pt vertex, double lo, double hi);

// Checks the protractor round the origin of the reflection and refraction
// pictures: white rims of radius 195 and 200 with nothing painted inside, a
// white tick from radius 190 to 210 as often at each multiple of 5 degrees as
// `ticksAt` says and nowhere else, and at every 10 degrees, up to 360, its
// number 10 to the left of and 5 above that tick's outer end.
void ExpectProtractor(const Picture& picture, const std::function<int(int degrees)>& ticksAt);

// Checks that `head` marks a ray along the line through a and b that travels
// in the direction `travel`: its tip on the line, both barbs behind the tip,
// one on either side, about 20 back and 20/3 aside.
void ExpectHeadMarksRay(const DrawnArrowHead& head, Pt a, Pt b, Pt travel, const char* what);
