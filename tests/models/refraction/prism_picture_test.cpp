#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "models/refraction/prism_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

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

// The ray through the prism, computed here from the geometry of the prism and
// Snell's law, in model units.
struct Optics {
    explicit Optics(const Setting& s)
        : F(s.P / 2.0), n(s.s == 100 ? 1 : s.s / 100.0 + 0.01)
    {
        const double t = std::tan(F * kDegree);
        L = {-5 * t, 0};
        R = {5 * t, 0};
        incident = UnitAt(s.alpha);
        // The angle of incidence on the left face is alpha + F.
        noRay = s.alpha + F >= 90;
        if (noRay)
            return;
        E = *Intersection(O, O + incident, L, V);
        // Above the apex by more than half a canvas row.
        missed = (5 - E.y) * 40 < -0.5;
        if (missed)
            return;

        const Pt leftOutward{-std::cos(F * kDegree), std::sin(F * kDegree)};
        const Pt rightOutward{std::cos(F * kDegree), std::sin(F * kDegree)};
        inside = *Refract(incident, leftOutward, 1 / n);
        // The light leaves by the first surface it meets going on from E.
        const std::optional<Pt> onFace = Intersection(E, E + inside, V, R);
        const bool faceAhead = onFace && Dot(*onFace - E, inside) > 0 && onFace->y <= 5;
        // Within a row and a half of the base the canvas cannot tell the face from the base.
        atCorner = faceAhead && std::fabs(onFace->y * 40) < 1.5;
        byBase = !faceAhead || onFace->y < 0;
        X = byBase ? *Intersection(E, E + inside, L, R) : *onFace;
        const Pt inward = byBase ? Pt{0, 1} : -1 * rightOutward;
        out = Refract(inside, inward, n, &margin);
        sensitivity = n * std::fabs(Dot(inside, inward)) / std::sqrt(std::fabs(margin));
    }

    double F, n;
    const Pt V{0, 5};
    const Pt O{-10, 0};
    Pt L, R;
    Pt incident;
    bool noRay = false;
    bool missed = false;
    Pt E;
    Pt inside;
    bool atCorner = false;
    bool byBase = false;
    Pt X;
    std::optional<Pt> out; // none: total internal reflection
    double margin = 1;     // 1 - sin^2 of the angle of the emergent ray to the normal
    double sensitivity = 0; // how much the emergent ray turns for a turn of the ray inside

    // Too close to the critical angle to say whether the ray leaves: the model
    // turns by 1.57 where pi / 2 is meant, 0.0008 rad.
    bool nearCritical() const { return std::fabs(margin) < 0.02; }

    PrismOutcome outcome() const
    {
        if (noRay)
            return PrismOutcome::NoRay;
        if (missed)
            return PrismOutcome::Missed;
        return out ? PrismOutcome::Emerged : PrismOutcome::TotallyReflected;
    }
};

class PrismFigures : public ::testing::TestWithParam<Setting> {
protected:
    void SetUp() override
    {
        const Setting& s = GetParam();
        outcome = DrawPrism(canvas, s.alpha, s.P, s.s);
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
    PrismOutcome outcome{};
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
    if (o.atCorner || o.nearCritical())
        GTEST_SKIP() << "on the edge between two outcomes";
    EXPECT_EQ(outcome, o.outcome());
    const size_t drawn = o.noRay ? 0 : o.missed ? 1 : o.out ? 3 : 2;
    EXPECT_EQ(rays().size(), drawn);
    const size_t normalsDrawn = o.noRay || o.missed ? 0 : 2;
    EXPECT_EQ(normals().size(), normalsDrawn);
}

TEST_P(PrismFigures, IncidentRayRunsFromOAtItsAngleToTheLeftFace)
{
    const Optics o(GetParam());
    if (o.noRay) {
        EXPECT_TRUE(rays().empty());
        EXPECT_EQ(whiteArcs().size(), 1u) << "only the apex is marked";
        return;
    }
    ASSERT_FALSE(rays().empty());
    const DrawnSegment incident = rays().front();
    EXPECT_LE(Distance(incident.from, Px(o.O)), 0.5);
    EXPECT_LE(Distance(incident.to, Px(o.E)), 0.8);
    EXPECT_LE(DistanceFromLine(incident.to, Px(o.V), Px(o.L)), 1) << "E is off the left face";
    if (o.missed) {
        EXPECT_GT(Model(incident.to).y, 5) << "a missed ray passes above the apex";
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

TEST_P(PrismFigures, NormalsStandAtRightAnglesToTheSurfacesWhereTheRayMeetsThem)
{
    const Optics o(GetParam());
    if (o.noRay || o.missed || o.atCorner)
        return;
    const auto drawn = normals();
    ASSERT_EQ(drawn.size(), 2u);
    ASSERT_GE(rays().size(), 2u);

    // Each normal stands through its point at right angles to the surface, in
    // model units, and reaches one unit to either side.
    const auto expectNormal = [](const DrawnSegment& normal, Pt at, Pt surface, Pt reach, const char* where) {
        SCOPED_TRACE(where);
        EXPECT_LE(Distance(0.5 * (normal.from + normal.to), at), 1.2) << "the normal does not stand at the point";
        const Pt along = Model(normal.to) - Model(normal.from);
        EXPECT_NEAR(Dot(Unit(along), Unit(surface)), 0, 0.02) << "not at right angles to the surface";
        EXPECT_NEAR(std::fabs(Dot(along, reach)), 2, 0.05) << "not one unit to either side";
    };
    expectNormal(drawn[0], rays()[0].to, o.V - o.L, {1, 0}, "entry");
    if (o.byBase)
        expectNormal(drawn[1], rays()[1].to, o.R - o.L, {0, 1}, "base");
    else
        expectNormal(drawn[1], rays()[1].to, o.R - o.V, {1, 0}, "exit face");
}

TEST_P(PrismFigures, RayInsideFollowsSnellsLawTowardsTheBase)
{
    const Optics o(GetParam());
    if (o.noRay || o.missed || o.atCorner)
        return;
    ASSERT_GE(rays().size(), 2u);
    const DrawnSegment inside = rays()[1];
    EXPECT_LE(Distance(inside.from, rays()[0].to), 0.5) << "the ray inside does not start at E";
    // Rounding moves each end by up to half a pixel; 1.57 in place of pi / 2
    // turns the ray by 0.0008 rad.
    const double slack = 1.2 + inside.length() * 0.001;
    EXPECT_LE(DistanceFromLine(inside.to, inside.from, inside.from + Px(o.inside)), slack)
        << "the ray inside is not refracted as Snell's law says";
    if (inside.length() > 2) {
        EXPECT_GT(Dot(inside.to - inside.from, Px(o.inside)), 0) << "the ray inside runs against the light";
    }
    if (o.byBase)
        EXPECT_NEAR(inside.to.y, 0, 0.5) << "the ray does not end on the base";
    else
        EXPECT_LE(DistanceFromLine(inside.to, Px(o.V), Px(o.R)), 1) << "the ray does not end on the right face";
    // Into the glass the ray turns clockwise, towards the normal and so towards the base.
    if (o.n > 1 && inside.length() > 40) {
        EXPECT_LT(Cross(o.incident, Model(inside.to - inside.from)), 0) << "the ray does not bend towards the base";
    }
}

TEST_P(PrismFigures, EmergentRayLeavesBySnellsLawOrNotAtAll)
{
    const Optics o(GetParam());
    if (o.noRay || o.missed || o.atCorner || o.nearCritical())
        return;
    const auto drawn = rays();
    if (!o.out) {
        EXPECT_EQ(drawn.size(), 2u) << "a ray leaves a prism that reflects it totally";
        return;
    }
    ASSERT_EQ(drawn.size(), 3u);
    const DrawnSegment emergent = drawn[2];
    EXPECT_LE(Distance(emergent.from, drawn[1].to), 0.5) << "the emergent ray does not start where the ray inside ends";
    EXPECT_NEAR(emergent.to.x, Px({10, 0}).x, 0.5) << "the emergent ray does not run to the grid's right edge";
    EXPECT_GT(Dot(emergent.to - emergent.from, Px(*o.out)), 0) << "the emergent ray runs against the light";
    const double slack = 1.5 + emergent.length() * 0.0012 * (1 + o.sensitivity);
    EXPECT_LE(DistanceFromLine(emergent.to, emergent.from, emergent.from + Px(*o.out)), slack)
        << "the emergent ray is not refracted as Snell's law says";

    const Pt normal = o.byBase ? Pt{0, -1} : UnitAt(o.F);
    // A turn smaller than half a degree is lost in the pixels and the model's 1.57.
    const bool turnShows = TurnBetween(DirectionOf(*o.out), DirectionOf(o.inside)) > 0.5;
    if (o.n > 1 && emergent.length() > 40 && turnShows) {
        // Out of the glass the ray turns away from the normal ...
        const Pt out = Unit(Model(emergent.to - emergent.from));
        EXPECT_GT(std::fabs(Cross(normal, out)), std::fabs(Cross(normal, o.inside)))
            << "the ray does not turn away from the normal on leaving";
        // ... and leaves turned towards the base from where it came in, but
        // for the 0.0456 degrees the model's 1.57 turns it the other way.
        EXPECT_LT(Cross(o.incident, out), std::sin(0.1 * kDegree)) << "the prism does not deviate the ray towards its base";
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
    DrawPrism(canvas, 13, 45, 133);
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

TEST(PrismPicture, DefaultRayEntersLeavesByTheRightFaceAndRunsToTheEdge)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 13, 45, 133), PrismOutcome::Emerged);
    // From O to E, on from E to X, and from X out to the edge.
    const std::vector<QPoint> starts{{30, 210}, {533, 124}};
    EXPECT_EQ(PointsOf(canvas, CanvasOp::Kind::MoveTo, Yellow), starts);
    const std::vector<QPoint> ends{{425, 129}, {533, 124}, {930, 147}};
    EXPECT_EQ(YellowLineEnds(canvas), ends);
}

TEST(PrismPicture, SteepRayMissesAboveTheApexAndEndsOffTheCanvas)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 45, 45, 133), PrismOutcome::Missed);
    EXPECT_EQ(YellowLineEnds(canvas), std::vector<QPoint>{QPoint(639, -331)});
    EXPECT_TRUE(PointsOf(canvas, CanvasOp::Kind::LineTo, Silver).empty());
}

TEST(PrismPicture, RayAlongTheLeftFaceIsNotDrawn)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 45, 90, 133), PrismOutcome::NoRay);
    EXPECT_TRUE(YellowLineEnds(canvas).empty());
    int arcs = 0;
    for (const CanvasOp& op : canvas.Ops())
        arcs += op.kind == CanvasOp::Kind::Arc;
    EXPECT_EQ(arcs, 1) << "the ray's angle is marked without a ray";
}

TEST(PrismPicture, DenseNarrowPrismReflectsTheRayAtTheRightFace)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 2, 25, 300), PrismOutcome::TotallyReflected);
    EXPECT_EQ(YellowLineEnds(canvas).size(), 2u);
    EXPECT_EQ(PointsOf(canvas, CanvasOp::Kind::LineTo, Silver).size(), 2u) << "no normal at the exit point";
    // n sin i2 = 3.01 sin 20.2 degrees, about 1.04.
    const Optics o({2, 25, 300});
    EXPECT_FALSE(o.byBase);
    EXPECT_GT(o.margin, -0.1);
    EXPECT_LT(o.margin, -0.05);
}

TEST(PrismPicture, RayThatReachesTheBaseFirstGetsAVerticalNormalThere)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 5, 60, 300), PrismOutcome::TotallyReflected);
    const auto ends = YellowLineEnds(canvas);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[1], QPoint(453, 210));
    const auto normalFrom = PointsOf(canvas, CanvasOp::Kind::MoveTo, Silver);
    const auto normalTo = PointsOf(canvas, CanvasOp::Kind::LineTo, Silver);
    ASSERT_EQ(normalFrom.size(), 2u);
    ASSERT_EQ(normalTo.size(), 2u);
    EXPECT_EQ(normalFrom[1], QPoint(453, 250));
    EXPECT_EQ(normalTo[1], QPoint(453, 170));
}

TEST(PrismPicture, AirBendsTheRayOnlyByTheModelsQuarterTurn)
{
    for (int alpha : {1, 13, 20})
        for (int P : {10, 45, 90}) {
            SCOPED_TRACE(::testing::Message() << "alpha=" << alpha << " P=" << P);
            RecordingCanvas canvas{967, 362};
            EXPECT_EQ(DrawPrism(canvas, alpha, P, 100), PrismOutcome::Emerged);
            const Picture picture(canvas.Ops(), OriginX, OriginY);
            const auto rays = picture.segments(PenOf(Yellow, 3));
            ASSERT_EQ(rays.size(), 3u);
            // alpha + 0.0456 degrees, which a pixel's rounding hides.
            for (const DrawnSegment& ray : {rays[1], rays[2]})
                EXPECT_NEAR(DirectionOf(Model(ray.to - ray.from)), alpha + 0.0456, 0.6 * 45 / ray.length() / kDegree);
        }
}

TEST(PrismPicture, WidePrismHasItsCornersBeyondTheGridAndTheSameRayLines)
{
    // P = 140: the corners lie at x = -+5 tan 70 = -+13.7, O on the base between them,
    // and the ray's line meets the left face's line behind O.
    RecordingCanvas canvas{967, 362};
    DrawPrism(canvas, 5, 140, 133);
    const Picture picture(canvas.Ops(), OriginX, OriginY);
    const auto sides = picture.segments(PenOf(Blue, 4));
    ASSERT_EQ(sides.size(), 3u);
    EXPECT_NEAR(Model(sides[0].to).x, -5 * std::tan(70 * kDegree), 0.02);
    EXPECT_NEAR(Model(sides[1].to).x, 5 * std::tan(70 * kDegree), 0.02);
    const auto rays = picture.segments(PenOf(Yellow, 3));
    ASSERT_FALSE(rays.empty());
    const Pt E = Model(rays[0].to);
    EXPECT_LT(E.x, -10);
    EXPECT_NEAR(E.y, std::tan(5 * kDegree) * (E.x + 10), 0.02);
    EXPECT_LE(DistanceFromLine(rays[0].to, sides[0].from, sides[0].to), 1);
}

TEST(PrismPicture, RayThroughTheBaseCornerRunsStraightOnWithNoExitTraced)
{
    RecordingCanvas canvas{967, 362};
    EXPECT_EQ(DrawPrism(canvas, 7, 56, 201), PrismOutcome::ThroughCorner);
    const Picture picture(canvas.Ops(), OriginX, OriginY);
    const auto rays = picture.segments(PenOf(Yellow, 3));
    ASSERT_EQ(rays.size(), 2u);
    const Pt R = Px({5 * std::tan(28 * kDegree), 0});
    EXPECT_LE(DistanceFromLine(R, rays[1].from, rays[1].to), 1) << "the ray does not pass through the corner";
    EXPECT_EQ(rays[1].to.x, 450);
    EXPECT_EQ(picture.segments(PenOf(Silver, 1)).size(), 1u) << "a normal stands at the corner";
}

TEST(PrismPicture, RayInsideSteeperThanTheRightFaceGoesOnToTheBase)
{
    // Going on, the ray meets the base; the right face's line it meets only
    // behind E, above the apex.
    for (int alpha : {1, 13}) {
        SCOPED_TRACE(alpha);
        RecordingCanvas canvas{967, 362};
        EXPECT_EQ(DrawPrism(canvas, alpha, 120, 200), PrismOutcome::TotallyReflected);
        const auto ends = YellowLineEnds(canvas);
        ASSERT_EQ(ends.size(), 2u);
        EXPECT_EQ(ends[1].y(), 210);
        EXPECT_GT(ends[1].x(), ends[0].x());
        const auto normal = PointsOf(canvas, CanvasOp::Kind::LineTo, Silver);
        ASSERT_EQ(normal.size(), 2u);
        EXPECT_EQ(normal[1], QPoint(ends[1].x(), 170)) << "no vertical normal where the ray meets the base";
    }
}

TEST(PrismPicture, RayAngleMarkStaysSmallWhenTheEntryPointRoundsOntoTheAxis)
{
    // E = (-9.806, 0.003) lies on canvas row 210 with O: an arc aimed at E
    // itself would start and end on one ray and so be the whole ellipse.
    RecordingCanvas canvas{967, 362};
    DrawPrism(canvas, 1, 126, 133);
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
                EXPECT_NO_THROW(DrawPrism(canvas, alpha, P, s)) << "alpha=" << alpha << " P=" << P << " s=" << s;
}

} // namespace
