// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/shadow/one_source_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <cmath>

// Names a scene in the test output; gtest finds it beside the type.
void PrintTo(const OneSourceScene& s, std::ostream* os)
{
    *os << "s=" << s.s << " h=" << s.h << " d=" << s.d << " L=" << s.L << (s.obstacleShown ? "" : " removed");
}

namespace {

using namespace ModelColour;

// Where the straight line from the source's edge (0, ys) past the obstacle's
// edge (d, yh) arrives on the screen x = L.
double OnScreen(double ys, double yh, const OneSourceScene& s)
{
    return ys + (yh - ys) * s.L / s.d;
}

// Where the rays from one edge of the source past the same edge of the
// obstacle cross: the tip of the umbra's cone, by similar triangles
// (s - h) / d = s / L_tip. Only a source larger than the obstacle has one.
std::optional<double> UmbraTip(const OneSourceScene& s)
{
    if (s.s <= s.h)
        return std::nullopt;
    return double(s.d) * s.s / (s.s - s.h);
}

bool BeyondTheUmbrasTip(const OneSourceScene& s)
{
    const auto tip = UmbraTip(s);
    return tip && s.L > *tip;
}

// A light ray from one edge of the source past one edge of the obstacle.
struct Ray {
    const char* name;
    Pt start;
    Pt edge;
    Pt end;
};

std::vector<Ray> RaysOf(const OneSourceScene& sc)
{
    const double s = sc.s, h = sc.h, L = sc.L;
    return {
        {"top past top", {0, s}, {double(sc.d), h}, {L, OnScreen(s, h, sc)}},
        {"bottom past bottom", {0, -s}, {double(sc.d), -h}, {L, OnScreen(-s, -h, sc)}},
        {"bottom past top", {0, -s}, {double(sc.d), h}, {L, OnScreen(-s, h, sc)}},
        {"top past bottom", {0, s}, {double(sc.d), -h}, {L, OnScreen(s, -h, sc)}},
    };
}

class OneSourceFigures : public ::testing::TestWithParam<OneSourceScene> {
protected:
    void SetUp() override
    {
        canvas.Refresh();
        DrawOneSource(canvas, OneSourceStateOf(GetParam()));
        picture.emplace(canvas);
    }

    std::vector<DrawnEllipse> ellipsesFilled(const QColor& colour) const
    {
        std::vector<DrawnEllipse> found;
        for (const DrawnEllipse& e : picture->ellipses())
            if (e.brush.style == BrushStyle::bsSolid && e.brush.color == colour && e.pen.color == colour)
                found.push_back(e);
        return found;
    }

    RecordingCanvas canvas{965, 359};
    std::optional<Picture> picture;
};

// Scenes with the obstacle between source and screen, and without it.
class ObstacleShown : public OneSourceFigures {};
class ObstacleRemoved : public OneSourceFigures {};

TEST_P(OneSourceFigures, ScreenStandsObliquelyAtDistanceL)
{
    const double near = GetParam().L - 70, far = GetParam().L + 70;
    const auto lines = picture->lines(PenOf(Gray, 2));
    ASSERT_EQ(lines.size(), 6u);
    const std::vector<std::pair<Pt, Pt>> edges = {
        {{near, 0}, {near, 150}},    {{near, 0}, {near, -150}},    {{far, 0}, {far, 190}},
        {{far, 0}, {far, -190}},     {{near, 150}, {far, 190}},    {{near, -150}, {far, -190}},
    };
    for (const auto& [a, b] : edges) {
        bool drawn = false;
        for (const DrawnSegment& line : lines)
            drawn |= Distance(line.from, a) <= 1 && Distance(line.to, b) <= 1;
        EXPECT_TRUE(drawn) << "no screen edge from (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ")";
    }
}

TEST_P(OneSourceFigures, SourceIsADiscOfItsRadiusAtTheOriginNamedAboveIt)
{
    const OneSourceScene& s = GetParam();
    const auto discs = ellipsesFilled(Yellow);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_LE(Length(discs[0].centre), 0.5);
    EXPECT_NEAR(discs[0].rx, s.s, 0.5);
    EXPECT_NEAR(discs[0].ry, s.s, 0.5);
    const DrawnText name = picture->text("S");
    EXPECT_NEAR(name.topLeft.x, 0, 1);
    EXPECT_NEAR(name.topLeft.y, s.s + 20, 1);
    // The source is drawn over the rays that leave it.
    for (const DrawnSegment& ray : picture->lines(PenOf(Yellow)))
        EXPECT_LT(ray.order, discs[0].order);
}

TEST_P(ObstacleShown, ObstacleIsABlueDiscLitOnTheSourcesSide)
{
    const OneSourceScene& s = GetParam();
    const auto discs = ellipsesFilled(Blue);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_LE(Distance(discs[0].centre, {double(s.d), 0}), 0.5);
    EXPECT_NEAR(discs[0].rx, s.h, 0.5);
    EXPECT_NEAR(discs[0].ry, s.h, 0.5);

    ASSERT_EQ(picture->arcs().size(), 1u);
    const DrawnArc& lit = picture->arcs()[0];
    EXPECT_TRUE(lit.pie);
    EXPECT_EQ(lit.brush.color, Yellow);
    EXPECT_EQ(lit.brush.style, BrushStyle::bsSolid);
    EXPECT_LE(Distance(lit.centre, {double(s.d), 0}), 0.5);
    EXPECT_NEAR(lit.rx, s.h, 0.5);
    EXPECT_NEAR(lit.span(), 180, 0.5);
    EXPECT_TRUE(lit.covers(180)) << "the lit half does not face the source";
    EXPECT_FALSE(lit.covers(0));

    const DrawnText name = picture->text("P");
    EXPECT_NEAR(name.topLeft.x, s.d, 1);
    EXPECT_NEAR(name.topLeft.y, s.h + 20, 1);
}

TEST_P(ObstacleShown, RaysRunFromTheSourcesEdgesPastTheObstaclesEdgesToTheScreen)
{
    const OneSourceScene& s = GetParam();
    const auto rays = picture->lines(PenOf(Yellow, 2));
    ASSERT_EQ(rays.size(), 4u);
    for (const Ray& expected : RaysOf(s)) {
        SCOPED_TRACE(expected.name);
        bool drawn = false;
        for (const DrawnSegment& ray : rays) {
            if (Distance(ray.from, expected.start) <= 0.5 && Distance(ray.to, expected.end) <= 1) {
                drawn = true;
                EXPECT_LE(DistanceFromLine(expected.edge, ray.from, ray.to), 1.5);
            }
        }
        EXPECT_TRUE(drawn) << "no ray to (" << expected.end.x << ", " << expected.end.y << ")";
    }
}

TEST_P(ObstacleShown, UmbraLiesInsideThePenumbraUpToTheTipOfItsCone)
{
    const OneSourceScene& s = GetParam();
    // The rays from one edge of the source past both edges of the obstacle
    // bound the full shadow; the crossed rays bound the half shadow.
    const double umbra = OnScreen(s.s, s.h, s);
    const double penumbra = OnScreen(-s.s, s.h, s);
    const auto gray = ellipsesFilled(Gray);
    std::vector<DrawnEllipse> black;
    for (const DrawnEllipse& e : picture->ellipses())
        if (e.brush.style == BrushStyle::bsSolid && e.brush.color == Black)
            black.push_back(e);
    ASSERT_EQ(gray.size(), 1u);
    EXPECT_LE(Distance(gray[0].centre, {double(s.L), 0}), 0.5);
    EXPECT_NEAR(gray[0].ry, penumbra, 0.5);
    EXPECT_NEAR(gray[0].rx, penumbra / 2, 0.5);
    if (BeyondTheUmbrasTip(s)) {
        // Every point of the screen sees part of the source: no full shadow.
        EXPECT_TRUE(black.empty()) << "a full shadow beyond the umbra's tip at " << *UmbraTip(s);
        return;
    }
    ASSERT_EQ(black.size(), 1u);
    // Its edge shows on the black canvas even where it covers the penumbra
    // exactly, as a point source's sharp shadow does.
    EXPECT_EQ(black[0].pen.color, Gray);
    EXPECT_LE(Distance(black[0].centre, {double(s.L), 0}), 0.5);
    EXPECT_NEAR(black[0].ry, umbra, 0.5);
    EXPECT_NEAR(black[0].rx, umbra / 2, 0.5);
    EXPECT_LT(gray[0].order, black[0].order) << "the penumbra covers the umbra";
    EXPECT_GE(gray[0].ry + 0.5, black[0].ry);
}

TEST_P(ObstacleShown, FaceOnThePenumbraAndTheUmbraUpToItsTipAreDiscsRoundTheCentre)
{
    const OneSourceScene& s = GetParam();
    RecordingCanvas screen(289, 245);
    DrawOneSourceScreen(screen, OneSourceStateOf(s));
    const Picture faceOn(screen);
    std::vector<std::pair<double, QColor>> expected{{OnScreen(-s.s, s.h, s), Gray}};
    if (!BeyondTheUmbrasTip(s))
        expected.push_back({OnScreen(s.s, s.h, s), Black});
    ASSERT_EQ(faceOn.ellipses().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DrawnEllipse& disc = faceOn.ellipses()[i];
        EXPECT_LE(Length(disc.centre), 0.5);
        EXPECT_NEAR(disc.rx, expected[i].first, 0.5);
        EXPECT_NEAR(disc.ry, expected[i].first, 0.5);
        EXPECT_EQ(disc.brush.color, expected[i].second);
    }
}

TEST_P(ObstacleShown, EveryRayIsMarkedHalfwayAlongTowardsTheScreen)
{
    const OneSourceScene& s = GetParam();
    const auto heads = picture->arrowHeads(PenOf(Yellow, 2));
    ASSERT_EQ(heads.size(), 4u);
    for (const Ray& ray : RaysOf(s)) {
        const Pt middle = 0.5 * (ray.start + ray.end);
        bool marked = false;
        for (const DrawnArrowHead& head : heads) {
            // With the screen at twice the obstacle's distance two rays cross
            // halfway, at the obstacle's edge: each head there marks its own.
            const double turn = TurnBetween(DirectionOf(head.pointing()), DirectionOf(ray.end - ray.start));
            if (Distance(head.tip, middle) <= 1 && turn < 10) {
                marked = true;
                ExpectHeadMarksRay(head, ray.start, ray.end, ray.end - ray.start, ray.name);
            }
        }
        EXPECT_TRUE(marked) << "no arrowhead halfway along " << ray.name;
    }
}

TEST_P(ObstacleRemoved, NothingButScreenAndSourceShows)
{
    for (const DrawnSegment& line : picture->segments())
        EXPECT_TRUE(line.pen.color == Gray || line.pen.color == Black) << "a line stands out on the black canvas";
    for (const DrawnArc& arc : picture->arcs())
        EXPECT_TRUE(arc.pen.color == Black && arc.brush.color == Black);
    EXPECT_TRUE(picture->arrowHeads(PenOf(Yellow)).empty());
    EXPECT_EQ(ellipsesFilled(Yellow).size(), 1u);
    EXPECT_EQ(picture->ellipses().size(), 2u); // the source and the black obstacle of radius 0
    ASSERT_EQ(picture->texts().size(), 1u);
    EXPECT_EQ(picture->texts()[0].text, "S");
}

const auto kShown =
    ::testing::Values(OneSourceScene{40, 30, 361, 800, true}, // start values
                      OneSourceScene{0, 30, 361, 800, true},  // point source: a sharp shadow
                      OneSourceScene{40, 40, 361, 800, true}, // level inner rays
                      OneSourceScene{60, 30, 100, 170, true}, // the umbra narrows towards its tip at 200,
                      OneSourceScene{60, 30, 100, 200, true}, // is a point there,
                      OneSourceScene{60, 30, 100, 201, true}, // and gone just beyond it
                      OneSourceScene{60, 30, 100, 300, true}, OneSourceScene{100, 10, 200, 790, true},
                      OneSourceScene{5, 100, 105, 400, true}, // obstacle and source touch
                      OneSourceScene{1, 1, 2, 200, true}, OneSourceScene{100, 100, 500, 610, true});
const auto kRemoved = ::testing::Values(OneSourceScene{40, 0, 361, 800, false}, OneSourceScene{0, 0, 100, 200, false});

INSTANTIATE_TEST_SUITE_P(Shown, OneSourceFigures, kShown);
INSTANTIATE_TEST_SUITE_P(Removed, OneSourceFigures, kRemoved);
INSTANTIATE_TEST_SUITE_P(Scenes, ObstacleShown, kShown);
INSTANTIATE_TEST_SUITE_P(Scenes, ObstacleRemoved, kRemoved);

class OneSourceCanvas : public ::testing::Test {
protected:
    std::vector<CanvasOp> draw(const OneSourceScene& scene)
    {
        canvas.Refresh();
        DrawOneSource(canvas, OneSourceStateOf(scene));
        return canvas.Ops();
    }

    static std::vector<std::vector<int>> ellipses(const std::vector<CanvasOp>& ops, const QColor& fill)
    {
        std::vector<std::vector<int>> boxes;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Ellipse && op.brush.color == fill)
                boxes.push_back(op.args);
        return boxes;
    }

    RecordingCanvas canvas{965, 359};
};

TEST_F(OneSourceCanvas, StartValuesGiveANarrowUmbraInAWidePenumbra)
{
    // yU = 17.84 and yP = 115.12 round the screen's centre at canvas (860, 179).
    const auto ops = draw({40, 30, 361, 800, true});
    EXPECT_EQ(ellipses(ops, Gray), (std::vector<std::vector<int>>{{802, 64, 918, 294}}));
    EXPECT_EQ(ellipses(ops, Black), (std::vector<std::vector<int>>{{851, 161, 869, 197}}));
}

TEST_F(OneSourceCanvas, BeyondTheUmbrasTipOnlyThePenumbraReachesTheScreen)
{
    // s = 60, h = 30, d = 100, L = 300: the umbra's rays cross at 200, and
    // yP = 210 round the screen's centre at canvas (360, 179).
    const auto ops = draw({60, 30, 100, 300, true});
    EXPECT_TRUE(ellipses(ops, Black).empty());
    EXPECT_EQ(ellipses(ops, Gray), (std::vector<std::vector<int>>{{255, -31, 465, 389}}));
    const Picture picture(ops, 60, 179);
    const auto top = RayFrom(picture.lines(PenOf(Yellow, 2)), {0, 60}, DirectionOf({300, -90}));
    const auto bottom = RayFrom(picture.lines(PenOf(Yellow, 2)), {0, -60}, DirectionOf({300, 90}));
    ASSERT_TRUE(top && bottom);
    const auto crossing = Intersection(top->from, top->to, bottom->from, bottom->to);
    ASSERT_TRUE(crossing);
    EXPECT_NEAR(crossing->x, 200, 1);
    EXPECT_NEAR(crossing->y, 0, 1);
}

TEST_F(OneSourceCanvas, LevelRaysGetTwoStrokesEachInsteadOfAnArrowhead)
{
    const auto ops = draw({40, 40, 361, 800, true});
    // From (400, +-40) back to (380, +-40 +- 20/3), at canvas x 460 and 440.
    const std::vector<std::vector<int>> strokes = {
        {460, 139}, {440, 132}, {460, 139}, {440, 146}, {460, 219}, {440, 212}, {460, 219}, {440, 226}};
    std::vector<std::vector<int>> drawn;
    for (size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].kind == CanvasOp::Kind::MoveTo && ops[i].args[0] == 460 && ops[i + 1].kind == CanvasOp::Kind::LineTo
            && ops[i + 1].args[0] == 440 && ops[i + 1].pen.color == Yellow && ops[i + 1].pen.width == 2) {
            drawn.push_back(ops[i].args);
            drawn.push_back(ops[i + 1].args);
        }
    EXPECT_EQ(drawn, strokes);
}

class OneSourceScreen : public ::testing::Test {
protected:
    Picture draw(const OneSourceScene& scene, int width = 289, int height = 245)
    {
        screen.emplace(width, height);
        screen->SetLabelAppearance(White, QFont(), Black);
        DrawOneSourceScreen(*screen, OneSourceStateOf(scene));
        return Picture(*screen);
    }

    std::optional<RecordingCanvas> screen;
};

TEST_F(OneSourceScreen, ShowsTheShadowFaceOnAsTwoDiscsUnderTheAxes)
{
    const OneSourceScene scene{40, 30, 361, 800, true};
    const Picture picture = draw(scene);
    EXPECT_EQ(screen->Mapping().centerX, 144);
    EXPECT_EQ(screen->Mapping().centerY, 122);
    ASSERT_EQ(picture.ellipses().size(), 2u);
    const DrawnEllipse& penumbra = picture.ellipses()[0];
    const DrawnEllipse& umbra = picture.ellipses()[1];
    EXPECT_EQ(penumbra.brush.color, Gray);
    EXPECT_EQ(umbra.brush.color, Black);
    EXPECT_NEAR(penumbra.rx, std::fabs(OnScreen(-40, 30, scene)), 0.5);
    EXPECT_NEAR(penumbra.ry, penumbra.rx, 0.01);
    EXPECT_NEAR(umbra.rx, std::fabs(OnScreen(40, 30, scene)), 0.5);
    EXPECT_NEAR(umbra.ry, umbra.rx, 0.01);
    for (const DrawnEllipse* disc : {&penumbra, &umbra})
        EXPECT_LE(Length(disc->centre), 0.5);
    EXPECT_EQ(screen->Ops()[0].kind, CanvasOp::Kind::Refresh);
    std::vector<std::vector<int>> boxes;
    for (const CanvasOp& op : screen->Ops())
        if (op.kind == CanvasOp::Kind::Ellipse)
            boxes.push_back(op.args);
    EXPECT_EQ(boxes, (std::vector<std::vector<int>>{{259, 237, 29, 7}, {162, 140, 126, 104}}));

    // The axes and ticks are drawn over the discs, in black.
    for (const DrawnSegment& line : picture.segments()) {
        EXPECT_GT(line.order, umbra.order);
        EXPECT_EQ(line.pen.color, Black);
        EXPECT_EQ(line.pen.width, 1);
    }
}

TEST_F(OneSourceScreen, AxesCrossAtTheCentreWithATickEveryTenPixels)
{
    for (const QSize size : {QSize(289, 245), QSize(400, 300), QSize(120, 81)}) {
        SCOPED_TRACE(size.width());
        const Picture picture = draw({40, 30, 361, 800, true}, size.width(), size.height());
        const ScreenMapping& mapping = screen->Mapping();
        EXPECT_EQ(mapping.centerX, size.width() / 2);
        EXPECT_EQ(mapping.centerY, size.height() / 2);
        const double left = -mapping.centerX, right = size.width() - mapping.centerX;
        const double top = mapping.centerY, bottom = mapping.centerY - size.height();
        int axes = 0, horizontalTicks = 0, verticalTicks = 0;
        for (const DrawnSegment& line : picture.segments()) {
            if (line.from.x == 0 && line.to.x == 0 && line.length() > 10) {
                axes += line.from.y == top && line.to.y == bottom;
            } else if (line.from.y == 0 && line.to.y == 0 && line.length() > 10) {
                axes += line.from.x == left && line.to.x == right;
            } else if (line.from.x == line.to.x) {
                // Across the horizontal axis: from it up 2, then down to -2.
                EXPECT_EQ(std::fmod(line.from.x, 10), 0);
                horizontalTicks += line.from.y == 2 && line.to.y == -2;
            } else {
                EXPECT_EQ(line.from.y, line.to.y);
                EXPECT_EQ(std::fmod(line.from.y, 10), 0);
                verticalTicks += line.from.x == 2 && line.to.x == -2;
            }
        }
        EXPECT_EQ(axes, 2);
        EXPECT_EQ(horizontalTicks, 101);
        EXPECT_EQ(verticalTicks, 101);
    }
}

TEST_F(OneSourceScreen, WithoutTheObstacleOnlyTheAxesShow)
{
    const Picture picture = draw({40, 0, 361, 800, false});
    EXPECT_TRUE(picture.ellipses().empty());
    EXPECT_EQ(picture.segments().size(), 2u + 4 * 101);
}

} // namespace
