// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_reading.h"

#include "kit/model_colours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// Strokes of arrowheads, direction marks and the object's and image's heads
// are 10 to 25 pixels long and drawn solid; rays and axes are longer.
bool isStroke(const DrawnSegment& s)
{
    const bool solid = s.pen.style == PenStyle::psSolid || s.pen.width > 1;
    return solid && s.length() >= 10 && s.length() <= 26;
}

} // namespace

Pt operator+(Pt a, Pt b)
{
    return {a.x + b.x, a.y + b.y};
}

Pt operator-(Pt a, Pt b)
{
    return {a.x - b.x, a.y - b.y};
}

Pt operator*(double k, Pt a)
{
    return {k * a.x, k * a.y};
}

double Dot(Pt a, Pt b)
{
    return a.x * b.x + a.y * b.y;
}

double Cross(Pt a, Pt b)
{
    return a.x * b.y - a.y * b.x;
}

double Length(Pt a)
{
    return std::hypot(a.x, a.y);
}

double Distance(Pt a, Pt b)
{
    return Length(a - b);
}

double DirectionOf(Pt a)
{
    return normalized(std::atan2(a.y, a.x) * 180 / kPi);
}

Pt UnitAt(double degrees)
{
    return {std::cos(degrees * kPi / 180), std::sin(degrees * kPi / 180)};
}

double TurnBetween(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

double AngleBetweenLines(double a, double b)
{
    const double turn = TurnBetween(a, b);
    return std::min(turn, 180 - turn);
}

double DistanceFromLine(Pt p, Pt a, Pt b)
{
    return std::fabs(Cross(b - a, p - a)) / Length(b - a);
}

double DistanceFromSegment(Pt p, Pt a, Pt b)
{
    const Pt ab = b - a;
    const double along = std::clamp(Dot(p - a, ab) / std::max(Dot(ab, ab), 1e-12), 0.0, 1.0);
    return Distance(p, a + along * ab);
}

std::optional<Pt> Intersection(Pt a1, Pt a2, Pt b1, Pt b2)
{
    const Pt r = a2 - a1, s = b2 - b1;
    const double denominator = Cross(r, s);
    if (std::fabs(denominator) < 1e-12)
        return std::nullopt;
    const double t = Cross(b1 - a1, s) / denominator;
    return a1 + t * r;
}

Pt DrawnArrowHead::pointing() const
{
    return tip - 0.5 * (barb1 + barb2);
}

double DrawnArc::span() const
{
    const double turn = normalized(to - from);
    return turn == 0 ? 360 : turn;
}

bool DrawnArc::covers(double d, double slack) const
{
    if (span() >= 360)
        return true;
    const double along = normalized(d - from);
    return along <= span() + slack || along >= 360 - slack;
}

Pt DrawnArc::pointAt(double d) const
{
    const Pt u = UnitAt(d);
    const double r = 1 / std::sqrt(u.x * u.x / (rx * rx) + u.y * u.y / (ry * ry));
    return centre + r * u;
}

PenTest PenOf(const QColor& color, int width, std::optional<PenStyle> style)
{
    return [color, width, style](const CanvasPen& pen) {
        return pen.color == color && (width == 0 || pen.width == width) && (!style || pen.style == *style);
    };
}

Picture::Picture(const RecordingCanvas& canvas)
    : Picture(canvas.Ops(), canvas.Mapping().centerX, canvas.Mapping().centerY)
{
}

Picture::Picture(const std::vector<CanvasOp>& ops, int centerX, int centerY)
    : centerX_(centerX), centerY_(centerY)
{
    std::optional<Pt> penPos;
    for (size_t i = 0; i < ops.size(); ++i) {
        const CanvasOp& op = ops[i];
        const auto& a = op.args;
        switch (op.kind) {
        case CanvasOp::Kind::MoveTo:
        case CanvasOp::Kind::PenPos:
            penPos = toModel(a[0], a[1]);
            break;
        case CanvasOp::Kind::LineTo: {
            const Pt to = toModel(a[0], a[1]);
            if (!penPos)
                ADD_FAILURE() << "a line starts where a text ended, op " << i;
            else
                segments_.push_back({*penPos, to, op.pen, i});
            penPos = to;
            break;
        }
        case CanvasOp::Kind::TextOut:
            texts_.push_back({toModel(a[0], a[1]), op.text, op.brush, op.fontColor, i});
            penPos.reset();
            break;
        case CanvasOp::Kind::Ellipse: {
            const Pt c1 = toModel(a[0], a[1]), c2 = toModel(a[2], a[3]);
            ellipses_.push_back({0.5 * (c1 + c2), std::fabs(c2.x - c1.x) / 2, std::fabs(c2.y - c1.y) / 2, op.pen,
                                 op.brush, i});
            break;
        }
        case CanvasOp::Kind::Rectangle:
            rectangles_.push_back({toModel(a[0], a[1]), toModel(a[2], a[3]), op.pen, op.brush, i});
            break;
        case CanvasOp::Kind::Arc:
        case CanvasOp::Kind::Pie: {
            const Pt c1 = toModel(a[0], a[1]), c2 = toModel(a[2], a[3]);
            DrawnArc arc;
            arc.centre = 0.5 * (c1 + c2);
            arc.rx = std::fabs(c2.x - c1.x) / 2;
            arc.ry = std::fabs(c2.y - c1.y) / 2;
            arc.from = DirectionOf(toModel(a[4], a[5]) - arc.centre);
            arc.to = DirectionOf(toModel(a[6], a[7]) - arc.centre);
            arc.pie = op.kind == CanvasOp::Kind::Pie;
            arc.pen = op.pen;
            arc.brush = op.brush;
            arc.order = i;
            arcs_.push_back(arc);
            break;
        }
        case CanvasOp::Kind::Refresh:
            break;
        }
    }

    for (size_t i = 0; i + 1 < segments_.size(); ++i) {
        const DrawnSegment& s1 = segments_[i];
        const DrawnSegment& s2 = segments_[i + 1];
        // The two strokes open like a V; the two halves of a bar drawn out
        // from its middle do not.
        if (Distance(s1.from, s2.from) < 1e-9 && isStroke(s1) && isStroke(s2)
            && TurnBetween(s1.direction(), s2.direction()) < 120) {
            arrowHeads_.push_back({s1.from, s1.to, s2.to, s2.pen, s1.order});
            arrowStrokes_.push_back(s1.order);
            arrowStrokes_.push_back(s2.order);
            ++i;
        }
    }
}

Pt Picture::toModel(int canvasX, int canvasY) const
{
    return {double(canvasX - centerX_), double(centerY_ - canvasY)};
}

std::vector<DrawnSegment> Picture::segments(const PenTest& pen) const
{
    std::vector<DrawnSegment> found;
    std::copy_if(segments_.begin(), segments_.end(), std::back_inserter(found),
                 [&pen](const DrawnSegment& s) { return pen(s.pen); });
    return found;
}

std::vector<DrawnSegment> Picture::lines(const PenTest& pen) const
{
    std::vector<DrawnSegment> found;
    for (const DrawnSegment& s : segments_) {
        const bool stroke = std::find(arrowStrokes_.begin(), arrowStrokes_.end(), s.order) != arrowStrokes_.end();
        if (!stroke && pen(s.pen))
            found.push_back(s);
    }
    return found;
}

std::vector<DrawnArrowHead> Picture::arrowHeads(const PenTest& pen) const
{
    std::vector<DrawnArrowHead> found;
    std::copy_if(arrowHeads_.begin(), arrowHeads_.end(), std::back_inserter(found),
                 [&pen](const DrawnArrowHead& h) { return pen(h.pen); });
    return found;
}

std::vector<DrawnArc> Picture::arcsOfRadius(double radius) const
{
    std::vector<DrawnArc> found;
    std::copy_if(arcs_.begin(), arcs_.end(), std::back_inserter(found), [radius](const DrawnArc& arc) {
        return std::fabs(arc.rx - radius) <= 0.5 && std::fabs(arc.ry - radius) <= 0.5 && Length(arc.centre) <= 0.5;
    });
    return found;
}

int Picture::arcsBetween(Pt centre, double radius, double from, double to, double slack, bool wholeSpan) const
{
    int found = 0;
    for (const DrawnArc& arc : arcs_) {
        found += Distance(arc.centre, centre) <= 0.75 && std::fabs(arc.rx - radius) <= 0.5
                 && std::fabs(arc.ry - radius) <= 0.5 && TurnBetween(arc.from, from) <= slack
                 && TurnBetween(arc.to, to) <= slack
                 && (!wholeSpan || std::fabs(arc.span() - normalized(to - from)) <= 2 * slack);
    }
    return found;
}

DrawnText Picture::text(const QString& characters) const
{
    std::vector<DrawnText> found;
    std::copy_if(texts_.begin(), texts_.end(), std::back_inserter(found),
                 [&characters](const DrawnText& t) { return t.text == characters; });
    if (found.size() != 1) {
        ADD_FAILURE() << "expected one text \"" << characters.toStdString() << "\", found " << found.size();
        return {};
    }
    return found.front();
}

std::optional<DrawnSegment> RayFrom(const std::vector<DrawnSegment>& lines, Pt start, double direction, double turn,
                                    double slack)
{
    for (const DrawnSegment& s : lines) {
        if (Distance(s.from, start) <= slack && TurnBetween(s.direction(), direction) <= turn)
            return s;
        if (Distance(s.to, start) <= slack && TurnBetween(DirectionOf(s.from - s.to), direction) <= turn)
            return DrawnSegment{s.to, s.from, s.pen, s.order};
    }
    return std::nullopt;
}

namespace {

bool inside(Pt p, Pt low, Pt high)
{
    return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y;
}

} // namespace

double DistanceFromBox(Pt a, Pt b, const TextArea& box)
{
    const Pt low{box.topLeft.x, box.topLeft.y - box.height}, high{box.topLeft.x + box.width, box.topLeft.y};
    const Pt corners[] = {low, {high.x, low.y}, high, {low.x, high.y}};
    // A segment that crosses an edge or ends inside is at no distance from
    // the box; one that only touches it is at none from a corner or an end.
    if (inside(a, low, high) || inside(b, low, high))
        return 0;
    double distance = INFINITY;
    for (int i = 0; i < 4; ++i) {
        const Pt c = corners[i], next = corners[(i + 1) % 4];
        if (Cross(b - a, c - a) * Cross(b - a, next - a) < 0 && Cross(next - c, a - c) * Cross(next - c, b - c) < 0)
            return 0;
        distance = std::min({distance, DistanceFromSegment(c, a, b), DistanceFromSegment(a, c, next),
                             DistanceFromSegment(b, c, next)});
    }
    return distance;
}

bool Covers(const DrawnSegment& segment, const TextArea& box)
{
    return DistanceFromBox(segment.from, segment.to, box) < segment.pen.width / 2.0;
}

void ExpectLabelInside(const DrawnText& label, Pt vertex, double lo, double hi)
{
    const double d = DirectionOf(label.topLeft - vertex);
    const double along = normalized(d - lo + 2);
    EXPECT_LE(along, normalized(hi - lo) + 4)
        << label.text.toStdString() << " at " << d << " is not between " << lo << " and " << hi;
}

void ExpectHeadMarksRay(const DrawnArrowHead& head, Pt a, Pt b, Pt travel, const char* what)
{
    SCOPED_TRACE(what);
    const Pt along = (1 / Length(travel)) * travel;
    EXPECT_LE(DistanceFromLine(head.tip, a, b), 1.5) << "the tip lies off the ray";
    for (Pt barb : {head.barb1, head.barb2}) {
        const Pt back = barb - head.tip;
        EXPECT_NEAR(-Dot(back, along), 20, 1.5) << "a barb is not 20 pixels behind the tip";
        EXPECT_NEAR(std::fabs(Cross(along, back)), 20.0 / 3, 1.5) << "a barb is not 20/3 aside of the ray";
    }
    EXPECT_LT(Cross(along, head.barb1 - head.tip) * Cross(along, head.barb2 - head.tip), 0)
        << "both barbs lie on one side of the ray";
}

void ExpectProtractor(const Picture& picture, const std::function<int(int degrees)>& ticksAt)
{
    for (double radius : {195, 200}) {
        int rims = 0;
        for (const DrawnEllipse& e : picture.ellipses()) {
            if (Length(e.centre) <= 0.5 && std::fabs(e.rx - radius) <= 0.5 && std::fabs(e.ry - radius) <= 0.5) {
                ++rims;
                EXPECT_EQ(e.pen.color, ModelColour::White) << "rim " << radius;
                EXPECT_EQ(e.brush.style, BrushStyle::bsClear) << "rim " << radius;
            }
        }
        EXPECT_GE(rims, 1) << "no rim of radius " << radius;
    }
    const auto ticks = picture.segments(PenOf(ModelColour::White, 1));
    int expected = 0;
    for (int degrees = 5; degrees <= 360; degrees += 5) {
        const Pt u = UnitAt(degrees);
        int here = 0;
        for (const DrawnSegment& tick : ticks)
            here += Distance(tick.from, 190 * u) <= 1 && Distance(tick.to, 210 * u) <= 1;
        EXPECT_EQ(here, ticksAt(degrees)) << "ticks at " << degrees;
        expected += ticksAt(degrees);
        if (degrees % 10 != 0)
            continue;
        int numbers = 0;
        for (const DrawnText& text : picture.texts())
            numbers += text.text == QString::number(degrees) && Distance(text.topLeft + Pt{10, -5}, 210 * u) <= 1.5;
        EXPECT_EQ(numbers, 1) << degrees << " is not over its tick";
    }
    const long radial = std::count_if(ticks.begin(), ticks.end(), [](const DrawnSegment& tick) {
        return std::fabs(Length(tick.from) - 190) <= 1 && std::fabs(Length(tick.to) - 210) <= 1;
    });
    EXPECT_EQ(radial, expected) << "a tick stands off the scale";
    const long numbers = std::count_if(picture.texts().begin(), picture.texts().end(), [](const DrawnText& text) {
        bool number = false;
        text.text.toInt(&number);
        return number;
    });
    EXPECT_EQ(numbers, 36) << "a number stands off the scale";
}
