// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "models/refraction/prism_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace ModelColour;

constexpr double kDegree = M_PI / 180;

// The picture is read with its origin at the model origin, canvas (480, 210).
// A model unit is 45 pixels across and 40 up, so the model point (x, y) lies
// at (45 x, 40 y) pixels from there; directions and distances are compared in
// pixels, angles to surfaces in model units, where the physics holds.
constexpr int OriginX = 480;
constexpr int OriginY = 210;

Pt Px(Pt model)
{
    return {45 * model.x, 40 * model.y};
}

Pt Model(Pt pixels)
{
    return {pixels.x / 45, pixels.y / 40};
}

Pt Unit(Pt v)
{
    return (1 / Length(v)) * v;
}

struct Setting {
    int alpha, P, s;
};

void PrintTo(const Setting& s, std::ostream* os)
{
    *os << "alpha=" << s.alpha << " P=" << s.P << " s=" << s.s;
}

// The unit direction d refracted into the medium behind a surface whose unit
// normal m faces the incoming light, with eta = n(before) / n(after); none
// when the light is totally reflected. `margin` is 1 - sin^2 of the angle of
// refraction: near 0 the ray leaves grazing the surface.
std::optional<Pt> Refract(Pt d, Pt m, double eta, double* margin = nullptr)
{
    const double cosI = -Dot(d, m);
    const double k = 1 - eta * eta * (1 - cosI * cosI);
    if (margin)
        *margin = k;
    if (k < 0)
        return std::nullopt;
    return eta * d + (eta * cosI - std::sqrt(k)) * m;
}

// Where the ray from p along d leaves the grid, x -10 .. 10 and y -5 .. 5.
Pt GridEdge(Pt p, Pt d)
{
    double t = 1e9;
    if (d.x != 0)
        t = std::min(t, ((d.x > 0 ? 10 : -10) - p.x) / d.x);
    if (d.y != 0)
        t = std::min(t, ((d.y > 0 ? 5 : -5) - p.y) / d.y);
    return p + t * d;
}

// The ray through the prism, computed here from the geometry of the prism,
// Snell's law and the law of reflection, in model units.
struct Optics {
    struct Side {
        Pt a, b, outward;
    };

    explicit Optics(const Setting& s)
        : F(s.P / 2.0), n(s.s == 100 ? 1 : s.s / 100.0 + 0.01)
    {
        const double t = std::tan(F * kDegree);
        L = {-5 * t, 0};
        R = {5 * t, 0};
        incident = UnitAt(s.alpha);
        const Side sides[3] = {{L, V, {-std::cos(F * kDegree), std::sin(F * kDegree)}},
                               {V, R, {std::cos(F * kDegree), std::sin(F * kDegree)}},
                               {R, L, {0, -1}}};

        // The light enters where it meets the left face between its corner and
        // the apex, going on from O, at an angle of incidence alpha + F below
        // 90 degrees; otherwise it passes the prism. A prism wider than the
        // grid has O on its base: there the light enters, if it could meet
        // the left face; if not, no ray is drawn through the glass.
        const std::optional<Pt> E = Intersection(O, O + incident, L, V);
        const int entry = L.x <= O.x ? 2 : 0;
        missed = s.alpha + F >= 90
                 || (entry == 0 && (!E || Dot(*E - O, incident) <= 0 || E->y > 5 || E->y < 0));
        if (missed) {
            incidentEnd = entry == 2 ? O : GridEdge(O, incident);
            return;
        }
        incidentEnd = entry == 2 ? O : *E;
        path = {incidentEnd};
        sideOf = {entry};
        Pt d = *Refract(incident, sides[entry].outward, 1 / n);
        inside = {d};

        // Inside, the ray runs to the nearest of the other two sides; there it
        // leaves by Snell's law or is reflected back in.
        for (int reflections = 0; reflections <= 6;) {
            int next = -1;
            double nearest = 1e9;
            for (int k = 0; k < 3; ++k) {
                if (k == sideOf.back())
                    continue;
                const std::optional<Pt> X = Intersection(path.back(), path.back() + d, sides[k].a, sides[k].b);
                if (!X || Dot(*X - path.back(), d) <= 0)
                    continue;
                const double along = Dot(*X - sides[k].a, sides[k].b - sides[k].a) / Dot(sides[k].b - sides[k].a, sides[k].b - sides[k].a);
                // A hit within a hundredth of a unit of a corner could be either side's.
                if (along < -1e-9 || along > 1 + 1e-9)
                    continue;
                nearCorner |= std::min(Distance(*X, sides[k].a), Distance(*X, sides[k].b)) < 0.01;
                if (Distance(*X, path.back()) < nearest) {
                    nearest = Distance(*X, path.back());
                    next = k;
                }
            }
            path.push_back(path.back() + nearest * d);
            sideOf.push_back(next);
            const Side& side = sides[next];
            double margin = 1;
            out = Refract(d, -1 * side.outward, n, &margin);
            nearCritical |= std::fabs(margin) < 1e-6;
            if (out) {
                sensitivity = n * std::fabs(Dot(d, side.outward)) / std::sqrt(std::fabs(margin));
                emergentEnd = GridEdge(path.back(), *out);
                break;
            }
            ++reflections;
            reflected = true;
            d = d - 2 * Dot(d, side.outward) * side.outward;
            inside.push_back(d);
        }
    }

    double F, n;
    const Pt V{0, 5};
    const Pt O{-10, 0};
    Pt L, R;
    Pt incident;
    bool missed = false;
    Pt incidentEnd;
    std::vector<Pt> path;     // E, then every point where the ray inside meets a side
    std::vector<int> sideOf;  // 0 the left face, 1 the right face, 2 the base
    std::vector<Pt> inside;   // the direction of each stretch inside
    bool reflected = false;
    std::optional<Pt> out;    // the direction of the emergent ray; none: never leaves
    std::optional<Pt> emergentEnd;
    bool nearCorner = false;
    bool nearCritical = false;
    double sensitivity = 0;   // how much the emergent ray turns for a turn of the ray inside

    PrismOutcome outcome() const
    {
        if (missed)
            return PrismOutcome::Missed;
        return reflected ? PrismOutcome::TotallyReflected : PrismOutcome::Emerged;
    }
};

class PrismFigures : public ::testing::TestWithParam<Setting> {
protected:
    void SetUp() override
    {
        const Setting& s = GetParam();
        trace = TracePrism(s.alpha, s.P, s.s);
        DrawPrism(canvas, trace);
        picture.emplace(canvas.Ops(), OriginX, OriginY);
    }

    std::vector<DrawnSegment> rays() const { return picture->segments(PenOf(Yellow, 3)); }
    std::vector<DrawnSegment> normals() const { return picture->segments(PenOf(Silver, 1)); }
    std::vector<DrawnArc> whiteArcs() const
    {
        std::vector<DrawnArc> found;
        for (const DrawnArc& arc : picture->arcs())
            if (arc.pen.color == White && arc.pen.width == 2)
                found.push_back(arc);
        return found;
    }

    RecordingCanvas canvas{967, 362};
    PrismTrace trace;
    std::optional<Picture> picture;
};

TEST_P(PrismFigures, PrismStandsOnTheAxisWithItsApexMarked)
{
    const Optics o(GetParam());
    const auto sides = picture->segments(PenOf(Blue, 4));
    ASSERT_EQ(sides.size(), 3u);
    const Pt expected[3][2] = {{o.V, o.L}, {o.V, o.R}, {o.R, o.L}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(Distance(sides[i].from, Px(expected[i][0])), 0.8) << "side " << i;
        EXPECT_LE(Distance(sides[i].to, Px(expected[i][1])), 0.8) << "side " << i;
    }

    // The apex arc runs inside the prism, from the left face round below to the right face.
    const auto arcs = whiteArcs();
    ASSERT_GE(arcs.size(), 1u);
    const DrawnArc& apex = arcs.front();
    EXPECT_LE(Distance(apex.centre, Px(o.V)), 0.5);
    EXPECT_NEAR(apex.rx, 45, 0.5);
    EXPECT_NEAR(apex.ry, 40, 0.5);
    EXPECT_LT(TurnBetween(apex.from, DirectionOf(Px(o.L) - Px(o.V))), 1);
    EXPECT_LT(TurnBetween(apex.to, DirectionOf(Px(o.R) - Px(o.V))), 1);
    EXPECT_TRUE(apex.covers(270, 0));
    EXPECT_FALSE(apex.covers(90, 0));

    // The letter hangs under the apex, between the faces.
    const Pt letter = Model(picture->text("F").topLeft);
    EXPECT_LT(letter.y, 5);
    EXPECT_LE(std::fabs(letter.x), (5 - letter.y) * std::tan(o.F * kDegree) + 0.02);

    const auto axis = picture->segments(PenOf(White, 2));
    ASSERT_EQ(axis.size(), 1u);
    for (const DrawnSegment& side : sides)
        EXPECT_GT(side.order, axis[0].order) << "the prism lies under the axis";
}

TEST_P(PrismFigures, TracesAsFarAsTheRayGets)
{
    const Optics o(GetParam());
    if (o.nearCorner || o.nearCritical)
        GTEST_SKIP() << "on the edge between two outcomes";
    EXPECT_EQ(trace.outcome, o.outcome());
    // The incident ray, one stretch from each point inside to the next, and the emergent ray.
    const size_t inside = o.path.empty() ? 0 : o.path.size() - 1;
    EXPECT_EQ(rays().size(), 1 + inside + (o.emergentEnd ? 1 : 0));
    EXPECT_EQ(normals().size(), o.path.size());
}

TEST_P(PrismFigures, IncidentRayRunsFromOAtItsAngleToTheLeftFaceOrPastThePrism)
{
    const Optics o(GetParam());
    ASSERT_FALSE(rays().empty());
    const DrawnSegment incident = rays().front();
    EXPECT_LE(Distance(incident.from, Px(o.O)), 0.5);
    EXPECT_LE(Distance(incident.to, Px(o.incidentEnd)), 0.8);
    if (o.missed) {
        const Pt end = Model(incident.to);
        EXPECT_TRUE(std::fabs(std::fabs(end.x) - 10) < 0.02 || std::fabs(std::fabs(end.y) - 5) < 0.02)
            << "a ray that misses the prism stops short of the grid's edge";
    } else {
        EXPECT_LE(DistanceFromLine(incident.to, Px(o.V), Px(o.L)), 1) << "E is off the left face";
    }

    // The double arc at O opens from the axis up to the ray, 9 pixels apart.
    const auto arcs = whiteArcs();
    ASSERT_EQ(arcs.size(), 3u);
    for (int i : {1, 2}) {
        const DrawnArc& mark = arcs[i];
        const Pt centre = Px(o.O) - Pt{9.0 * (i - 1), 0};
        EXPECT_LE(Distance(mark.centre, centre), 0.5) << "arc " << i;
        EXPECT_NEAR(mark.rx, 135, 0.5);
        EXPECT_NEAR(mark.ry, 120, 0.5);
        EXPECT_LT(TurnBetween(mark.from, 0), 0.5) << "arc " << i << " does not start on the axis";
        EXPECT_LT(TurnBetween(mark.to, DirectionOf(Px(o.incident))), 0.6) << "arc " << i << " does not end on the ray";
        EXPECT_LT(mark.span(), 90) << "arc " << i << " runs the long way round";
    }
}

TEST_P(PrismFigures, NormalsStandAtRightAnglesToTheSidesWhereTheRayMeetsThem)
{
    const Optics o(GetParam());
    if (o.nearCorner)
        GTEST_SKIP() << "at a corner";
    const auto drawn = normals();
    ASSERT_EQ(drawn.size(), o.path.size());

    // Each normal stands through its point at right angles to its side, in
    // model units, and reaches one unit to either side.
    const Pt surfaces[3] = {o.V - o.L, o.R - o.V, o.R - o.L};
    for (size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "point " << i << " on side " << o.sideOf[i]);
        const DrawnSegment& normal = drawn[i];
        EXPECT_LE(Distance(0.5 * (normal.from + normal.to), Px(o.path[i])), 1.2) << "the normal does not stand at the point";
        const Pt along = Model(normal.to) - Model(normal.from);
        EXPECT_NEAR(Dot(Unit(along), Unit(surfaces[o.sideOf[i]])), 0, 0.02) << "not at right angles to the side";
        const Pt reach = o.sideOf[i] == 2 ? Pt{0, 1} : Pt{1, 0};
        EXPECT_NEAR(std::fabs(Dot(along, reach)), 2, 0.05) << "not one unit to either side";
    }
}

TEST_P(PrismFigures, RayInsideFollowsSnellsLawAndTheLawOfReflection)
{
    const Optics o(GetParam());
    if (o.missed || o.nearCorner || o.nearCritical)
        return;
    const auto drawn = rays();
    ASSERT_GE(drawn.size(), o.path.size());
    for (size_t i = 0; i + 1 < o.path.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "stretch " << i);
        const DrawnSegment& stretch = drawn[1 + i];
        EXPECT_LE(Distance(stretch.from, Px(o.path[i])), 0.8);
        EXPECT_LE(Distance(stretch.to, Px(o.path[i + 1])), 0.8);
    }

    // Into the glass the ray turns clockwise, towards the normal and so towards the base.
    const DrawnSegment& first = drawn[1];
    if (o.n > 1 && first.length() > 40) {
        EXPECT_LT(Cross(o.incident, Model(first.to - first.from)), 0) << "the ray does not bend towards the base";
    }

    // Where the ray is reflected inside, it leaves the side at the angle it came in.
    for (size_t i = 1; i + 1 < o.path.size(); ++i) {
        // Short stretches (down to a single point at a corner) show no direction.
        const double shortest = std::min(drawn[i].length(), drawn[i + 1].length());
        if (shortest > 40) {
            const Pt in = Unit(Model(drawn[i].to - drawn[i].from));
            const Pt out = Unit(Model(drawn[i + 1].to - drawn[i + 1].from));
            const Pt side = Unit(o.path[i] - (o.sideOf[i] == 0 ? o.L : o.sideOf[i] == 1 ? o.V : o.R));
            EXPECT_NEAR(Dot(in, side), Dot(out, side), 2.0 / shortest) << "reflection " << i << " breaks the law of reflection";
        }
    }
}

TEST_P(PrismFigures, EmergentRayLeavesBySnellsLawOrNotAtAll)
{
    const Optics o(GetParam());
    if (o.missed || o.nearCorner || o.nearCritical)
        return;
    const auto drawn = rays();
    if (!o.emergentEnd) {
        EXPECT_EQ(drawn.size(), o.path.size()) << "a ray leaves where it is reflected";
        return;
    }
    ASSERT_EQ(drawn.size(), o.path.size() + 1);
    const DrawnSegment emergent = drawn.back();
    EXPECT_LE(Distance(emergent.from, Px(o.path.back())), 0.8) << "the emergent ray does not start where the ray inside ends";
    EXPECT_LE(Distance(emergent.to, Px(*o.emergentEnd)), 0.8 + 1e-6 * emergent.length() * (1 + o.sensitivity))
        << "the emergent ray is not refracted as Snell's law says, or stops short of the grid's edge";

    // Out of the glass, after two refractions, the ray leaves turned towards the base.
    if (o.n > 1 && !o.reflected && emergent.length() > 40) {
        EXPECT_LT(Cross(o.incident, Unit(Model(emergent.to - emergent.from))), 1.5 / emergent.length())
            << "the prism does not deviate the ray towards its base";
    }
}

std::vector<Setting> sweep()
{
    std::vector<Setting> settings;
    for (int alpha : {1, 5, 13, 20, 30, 40, 45})
        for (int P : {1, 10, 25, 45, 60, 90, 100, 120, 126})
            for (int s : {100, 101, 133, 200, 300})
                settings.push_back({alpha, P, s});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Sweep, PrismFigures, ::testing::ValuesIn(sweep()));

// The operations of one kind drawn with a pen of that colour, as canvas points.
std::vector<QPoint> PointsOf(const RecordingCanvas& canvas, CanvasOp::Kind kind, const QColor& colour)
{
    std::vector<QPoint> points;
    for (const CanvasOp& op : canvas.Ops())
        if (op.kind == kind && op.pen.color == colour)
            points.push_back({op.args[0], op.args[1]});
    return points;
}

std::vector<QPoint> YellowLineEnds(const RecordingCanvas& canvas)
{
    return PointsOf(canvas, CanvasOp::Kind::LineTo, Yellow);
}

TEST(PrismPicture, GridOfSquaresWithTheAxisNumberedUnderIt)
{
    RecordingCanvas canvas{967, 362};
    DrawPrism(canvas, TracePrism(13, 45, 133));
    const Picture picture(canvas.Ops(), 0, 0);
    const auto grid = picture.segments(PenOf(SkyBlue, 1));
    ASSERT_EQ(grid.size(), 32u);
    // Canvas points: the picture is read here with y upwards from the top edge.
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(grid[i].from.x, 30) << "row " << i;
        EXPECT_EQ(grid[i].to.x, 930) << "row " << i;
        EXPECT_EQ(-grid[i].from.y, 10 + 40 * i);
        EXPECT_EQ(-grid[i].to.y, 10 + 40 * i);
    }
    for (int j = 0; j <= 20; ++j) {
        const DrawnSegment& column = grid[11 + j];
        EXPECT_EQ(column.from.x, 30 + 45 * j) << "column " << j;
        EXPECT_EQ(column.to.x, 30 + 45 * j) << "column " << j;
        EXPECT_EQ(-column.from.y, 10);
        EXPECT_EQ(-column.to.y, 410);
    }

    // Each number sits under the axis just left of its own grid line: -10 at the left edge.
    std::vector<DrawnText> numbers;
    for (const DrawnText& text : picture.texts())
        if (text.text != "F")
            numbers.push_back(text);
    ASSERT_EQ(numbers.size(), 21u);
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(numbers[i].text, QString::number(i - 10));
        EXPECT_EQ(numbers[i].topLeft.x, 30 + 45 * i - 13) << numbers[i].text.toStdString();
        EXPECT_EQ(-numbers[i].topLeft.y, 213) << numbers[i].text.toStdString();
        EXPECT_EQ(numbers[i].brush.style, BrushStyle::bsClear) << "a number hides the grid behind it";
        EXPECT_GT(numbers[i].order, grid.back().order);
    }

    const auto axis = picture.segments(PenOf(White, 2));
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].from.x, 930);
    EXPECT_EQ(axis[0].to.x, 30);
    EXPECT_EQ(-axis[0].from.y, 210);
    EXPECT_EQ(-axis[0].to.y, 210);
    EXPECT_GT(axis[0].order, numbers.back().order);
}

// The canvas points of the ray's path: where each yellow line starts and ends.
std::vector<QPoint> RayPath(const RecordingCanvas& canvas)
{
    std::vector<QPoint> path;
    for (const CanvasOp& op : canvas.Ops())
        if (op.pen.color == Yellow && (op.kind == CanvasOp::Kind::LineTo || op.kind == CanvasOp::Kind::MoveTo)) {
            const QPoint p(op.args[0], op.args[1]);
            if (path.empty() || path.back() != p)
                path.push_back(p);
        }
    return path;
}

struct Path {
    const char* name;
    Setting setting;
    PrismOutcome outcome;
    std::vector<QPoint> points; // from O through every point the ray meets to its end
};

void PrintTo(const Path& p, std::ostream* os)
{
    *os << p.name;
}

class PrismPaths : public ::testing::TestWithParam<Path> {};

TEST_P(PrismPaths, RayRunsThroughThesePoints)
{
    const Path& p = GetParam();
    const PrismTrace trace = TracePrism(p.setting.alpha, p.setting.P, p.setting.s);
    EXPECT_EQ(trace.outcome, p.outcome);
    RecordingCanvas canvas{967, 362};
    DrawPrism(canvas, trace);
    EXPECT_EQ(RayPath(canvas), p.points);
}

// The defaults leave by the right face; a steep ray passes above the apex or
// runs along the left face and leaves the grid at its top; a dense narrow
// prism reflects the ray at the right face, by the corner at the base, at the
// left face and lets it out by the right face; a ray reaching the base first
// is reflected there up to the right face.
INSTANTIATE_TEST_SUITE_P(
    Prism, PrismPaths,
    ::testing::Values(
        Path{"defaults", {13, 45, 133}, PrismOutcome::Emerged, {{30, 210}, {425, 129}, {533, 124}, {930, 147}}},
        Path{"above the apex", {45, 45, 133}, PrismOutcome::Missed, {{30, 210}, {255, 10}}},
        Path{"along the left face", {45, 90, 133}, PrismOutcome::Missed, {{30, 210}, {255, 10}}},
        Path{"reflected at the right face", {2, 25, 300}, PrismOutcome::TotallyReflected,
             {{30, 210}, {433, 197}, {530, 209}, {528, 210}, {442, 161}, {515, 152}, {930, 165}}},
        Path{"reflected at the base", {5, 60, 300}, PrismOutcome::TotallyReflected,
             {{30, 210}, {367, 184}, {453, 210}, {584, 170}, {930, 197}}}),
    [](const ::testing::TestParamInfo<Path>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(PrismPicture, AirBendsNothing)
{
    for (int alpha : {1, 13, 20})
        for (int P : {10, 45, 90}) {
            SCOPED_TRACE(::testing::Message() << "alpha=" << alpha << " P=" << P);
            const PrismTrace trace = TracePrism(alpha, P, 100);
            EXPECT_EQ(trace.outcome, PrismOutcome::Emerged);
            EXPECT_NEAR(double(*trace.deviation), 0, 1e-9);
            RecordingCanvas canvas{967, 362};
            DrawPrism(canvas, trace);
            const Picture picture(canvas.Ops(), OriginX, OriginY);
            const auto rays = picture.segments(PenOf(Yellow, 3));
            ASSERT_EQ(rays.size(), 3u);
            // Each piece runs at alpha, but for a pixel's rounding at either end.
            for (const DrawnSegment& ray : {rays[1], rays[2]})
                EXPECT_NEAR(DirectionOf(Model(ray.to - ray.from)), alpha, 1.2 * 45 / ray.length() / kDegree);
        }
}

TEST(PrismPicture, WidePrismHasItsCornersBeyondTheGridAndTakesTheRayInAtO)
{
    // P = 140: the corners lie at x = -+5 tan 70 = -+13.7, O on the base
    // between them: a ray that could meet the left face from outside
    // (alpha + 70 below 90) enters through the base at O, turned towards the
    // base's normal, sin r = cos alpha / n; a steeper one is no ray at all.
    EXPECT_EQ(TracePrism(45, 140, 133).outcome, PrismOutcome::Missed);
    EXPECT_EQ(TracePrism(45, 140, 133).incidentEnd.x, -10);
    for (int alpha : {5, 15}) {
        SCOPED_TRACE(alpha);
        const PrismTrace trace = TracePrism(alpha, 140, 133);
        RecordingCanvas canvas{967, 362};
        DrawPrism(canvas, trace);
        const Picture picture(canvas.Ops(), OriginX, OriginY);
        const auto sides = picture.segments(PenOf(Blue, 4));
        ASSERT_EQ(sides.size(), 3u);
        EXPECT_NEAR(Model(sides[0].to).x, -5 * std::tan(70 * kDegree), 0.02);
        EXPECT_NEAR(Model(sides[1].to).x, 5 * std::tan(70 * kDegree), 0.02);
        ASSERT_FALSE(trace.hits.empty());
        EXPECT_EQ(trace.hits[0].side, PrismSide::Base);
        const auto rays = picture.lines(PenOf(Yellow, 3));
        ASSERT_GE(rays.size(), 2u);
        const double r = std::asin(std::cos(alpha * kDegree) / 1.34) / kDegree;
        EXPECT_LE(Distance(rays[1].from, Px({-10, 0})), 0.5);
        EXPECT_NEAR(DirectionOf(Model(rays[1].to - rays[1].from)), 90 - r, 45 / rays[1].length() / kDegree);
    }
}

TEST(PrismPicture, RayInsideSteeperThanTheRightFaceGoesOnToTheBase)
{
    // Going on, the ray meets the base; the right face's line it meets only
    // behind E, above the apex.
    for (int alpha : {1, 13}) {
        SCOPED_TRACE(alpha);
        RecordingCanvas canvas{967, 362};
        const PrismTrace trace = TracePrism(alpha, 120, 200);
        DrawPrism(canvas, trace);
        ASSERT_GE(trace.hits.size(), 2u);
        EXPECT_EQ(trace.hits[1].side, PrismSide::Base);
        const auto ends = YellowLineEnds(canvas);
        ASSERT_GE(ends.size(), 2u);
        EXPECT_EQ(ends[1].y(), 210);
        EXPECT_GT(ends[1].x(), ends[0].x());
        const auto normal = PointsOf(canvas, CanvasOp::Kind::LineTo, Silver);
        ASSERT_GE(normal.size(), 2u);
        EXPECT_EQ(normal[1], QPoint(ends[1].x(), 170)) << "no vertical normal where the ray meets the base";
    }
}

TEST(PrismPicture, RayAngleMarkStaysSmallWhenTheEntryPointRoundsOntoTheAxis)
{
    // E = (-9.806, 0.003) lies on canvas row 210 with O: an arc aimed at E
    // itself would start and end on one ray and so be the whole ellipse.
    RecordingCanvas canvas{967, 362};
    DrawPrism(canvas, TracePrism(1, 126, 133));
    const Picture picture(canvas.Ops(), OriginX, OriginY);
    ASSERT_EQ(picture.arcs().size(), 3u);
    for (int i : {1, 2})
        EXPECT_NEAR(picture.arcs()[i].span(), 1, 0.3) << "arc " << i;
}

TEST(PrismPicture, NoSettingRaisesAnError)
{
    RecordingCanvas canvas{967, 362};
    canvas.SetLog(nullptr);
    for (int P = 1; P <= 160; ++P)
        for (int alpha = 1; alpha <= 45; alpha += 2)
            for (int s : {100, 101, 133, 200, 255, 300})
                EXPECT_NO_THROW(DrawPrism(canvas, TracePrism(alpha, P, s))) << "alpha=" << alpha << " P=" << P << " s=" << s;
}

} // namespace
