// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/shadow/shadow_geometry.h"
#include "models/shadow/two_source_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Names a scene in the test output; gtest finds it beside the type.
void PrintTo(const TwoSourceScene& s, std::ostream* os)
{
    *os << "S1 " << s.theta1 << "deg at " << s.r1 << ", S2 " << s.theta2 << "deg at " << s.r2 << ", L=" << s.L
        << " R=" << s.R;
}

namespace {

using namespace ModelColour;

// One source's light past the obstacle, from plain geometry: the source
// turned theta degrees up from the negative x axis, the rays through the
// ends of the obstacle's diameter across the source's direction, and where
// those rays meet the screen.
struct Light {
    Light(int theta, int r, int R, int L)
        : source(r * UnitAt(180 - theta)), upper(R * UnitAt(90 - theta)), lower(-1 * upper),
          toward(180 - theta), L(L)
    {
    }

    // Where the line from the source through `edge` crosses x = L.
    Pt onScreen(Pt edge) const { return {L, source.y + (edge.y - source.y) * (L - source.x) / (edge.x - source.x)}; }

    Pt source;
    Pt upper;
    Pt lower;
    double toward; // direction from the obstacle's centre to the source
    double L;
};

struct SourceView {
    const char* name;
    Light light;
    BrushStyle hatch;
};

class TwoSourceFigures : public ::testing::TestWithParam<TwoSourceScene> {
protected:
    void SetUp() override
    {
        DrawTwoSources(canvas, TwoSourceStateOf(GetParam()));
        picture.emplace(canvas);
        DrawTwoSourceScreen(screen, TwoSourceStateOf(GetParam()));
        faceOn.emplace(screen);
    }

    std::vector<SourceView> sources() const
    {
        const TwoSourceScene& s = GetParam();
        return {{"S1", Light(s.theta1, s.r1, s.R, s.L), BrushStyle::bsBDiagonal},
                {"S2", Light(s.theta2, s.r2, s.R, s.L), BrushStyle::bsFDiagonal}};
    }

    RecordingCanvas canvas{965, 351};
    std::optional<Picture> picture;
    RecordingCanvas screen{285, 240};
    std::optional<Picture> faceOn;
};

TEST_P(TwoSourceFigures, SourcesSitOnTheirDashedPathsNamedBesideThem)
{
    const TwoSourceScene& s = GetParam();
    std::vector<double> paths;
    for (const DrawnEllipse& e : picture->ellipses()) {
        if (e.pen.color == White) {
            EXPECT_EQ(e.pen.style, PenStyle::psDash);
            EXPECT_EQ(e.pen.width, 1) << "a wider pen would not dash";
            EXPECT_EQ(e.brush.style, BrushStyle::bsClear) << "a path hides what lies inside it";
            EXPECT_LE(Length(e.centre), 0.5);
            EXPECT_NEAR(e.rx, e.ry, 0.01);
            paths.push_back(e.rx);
        }
    }
    EXPECT_EQ(paths, (std::vector<double>{double(s.r1), double(s.r2)}));

    const auto views = sources();
    for (const SourceView& view : views) {
        SCOPED_TRACE(view.name);
        // Two sources at one place show as one disc drawn twice.
        int sharing = 0;
        for (const SourceView& other : views)
            sharing += Distance(other.light.source, view.light.source) <= 1;
        int discs = 0;
        for (const DrawnEllipse& e : picture->ellipses())
            if (e.brush.color == Yellow && e.brush.style == BrushStyle::bsSolid
                && Distance(e.centre, view.light.source) <= 1) {
                ++discs;
                EXPECT_NEAR(e.rx, 6, 0.5);
                EXPECT_NEAR(e.ry, 6, 0.5);
            }
        EXPECT_EQ(discs, sharing);
        // The name hangs from the disc's lower left corner.
        const DrawnText name = picture->text(view.name);
        EXPECT_LE(Distance(name.topLeft, view.light.source + Pt{-6, -6}), 1);
    }
}

TEST_P(TwoSourceFigures, ObstacleIsABlueDiscAtTheCentreNamedP)
{
    const TwoSourceScene& s = GetParam();
    int discs = 0;
    for (const DrawnEllipse& e : picture->ellipses())
        if (e.brush.color == Blue && e.brush.style == BrushStyle::bsSolid) {
            ++discs;
            EXPECT_LE(Length(e.centre), 0.5);
            EXPECT_NEAR(e.rx, s.R, 0.5);
            EXPECT_NEAR(e.ry, s.R, 0.5);
        }
    EXPECT_EQ(discs, 1);
    const DrawnText name = picture->text("P");
    EXPECT_LE(Distance(name.topLeft, {-s.R + 10.0, s.R + 20.0}), 1);
}

TEST_P(TwoSourceFigures, EachSourcesRaysPassTheObstaclesEdgesToTheScreen)
{
    const auto rays = picture->lines(PenOf(Yellow, 2));
    ASSERT_EQ(rays.size(), 4u);
    for (const SourceView& view : sources()) {
        for (Pt edge : {view.light.upper, view.light.lower}) {
            const Pt end = view.light.onScreen(edge);
            bool drawn = false;
            for (const DrawnSegment& ray : rays)
                drawn |= Distance(ray.from, view.light.source) <= 1 && Distance(ray.to, end) <= 1;
            EXPECT_TRUE(drawn) << view.name << ": no ray past (" << edge.x << ", " << edge.y << ") to y = " << end.y;
        }
    }
}

TEST_P(TwoSourceFigures, EachShadowIsHatchedOnTheScreenBetweenItsRays)
{
    const TwoSourceScene& s = GetParam();
    for (const SourceView& view : sources()) {
        SCOPED_TRACE(view.name);
        const double top = view.light.onScreen(view.light.upper).y;
        const double bottom = view.light.onScreen(view.light.lower).y;
        int shadows = 0;
        for (const DrawnEllipse& e : picture->ellipses())
            if (e.brush.style == view.hatch) {
                ++shadows;
                EXPECT_EQ(e.brush.color, Yellow);
                EXPECT_EQ(e.pen.color, Yellow);
                EXPECT_NEAR(e.centre.x, s.L, 0.5);
                EXPECT_NEAR(e.centre.y, (top + bottom) / 2, 1);
                EXPECT_NEAR(e.ry, std::fabs(top - bottom) / 2, 1);
                EXPECT_NEAR(e.rx, std::fabs(top - bottom) / 4, 1);
            }
        EXPECT_EQ(shadows, 1);
    }
}

// Looking at the screen, each shadow is the disc whose diameter is the
// shadow's span in the side view, at the same heights: one above the axis
// in the side view lies above the centre face-on.
TEST_P(TwoSourceFigures, FaceOnEachShadowIsACircleOnTheVerticalAxisAtItsHeight)
{
    const auto views = sources();
    ASSERT_EQ(faceOn->ellipses().size(), views.size());
    for (size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(views[i].name);
        const double top = views[i].light.onScreen(views[i].light.upper).y;
        const double bottom = views[i].light.onScreen(views[i].light.lower).y;
        const DrawnEllipse& disc = faceOn->ellipses()[i];
        EXPECT_NEAR(disc.centre.x, 0, 0.5);
        EXPECT_NEAR(disc.centre.y, (top + bottom) / 2, 1);
        EXPECT_NEAR(disc.ry, (top - bottom) / 2, 1);
        EXPECT_NEAR(disc.rx, disc.ry, 1);
    }
    // Face-on S1 is hatched '/' and S2 '\', the other way round from the side view.
    EXPECT_EQ(faceOn->ellipses()[0].brush.style, BrushStyle::bsFDiagonal);
    EXPECT_EQ(faceOn->ellipses()[1].brush.style, BrushStyle::bsBDiagonal);
}

TEST_P(TwoSourceFigures, EachSourceLightsTheHalfOfTheObstacleFacingIt)
{
    const TwoSourceScene& s = GetParam();
    ASSERT_EQ(picture->arcs().size(), 2u);
    const auto views = sources();
    for (size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(views[i].name);
        const DrawnArc& lit = picture->arcs()[i];
        EXPECT_TRUE(lit.pie);
        EXPECT_EQ(lit.brush.style, views[i].hatch);
        EXPECT_EQ(lit.brush.color, Yellow);
        EXPECT_LE(Length(lit.centre), 0.5);
        EXPECT_NEAR(lit.rx, s.R, 0.5);
        EXPECT_NEAR(lit.span(), 180, 4);
        EXPECT_TRUE(lit.covers(views[i].light.toward, 0)) << "the lit half turns away from its source";
        EXPECT_FALSE(lit.covers(views[i].light.toward + 180, 0));
    }
}

TEST_P(TwoSourceFigures, ArrowheadsPointFromEachSourceTowardsTheScreen)
{
    const auto heads = picture->arrowHeads(PenOf(Yellow, 2));
    ASSERT_EQ(heads.size(), 4u);
    for (const SourceView& view : sources()) {
        for (Pt edge : {view.light.upper, view.light.lower}) {
            const Pt end = view.light.onScreen(edge);
            const Pt middle = 0.5 * (edge + end);
            bool marked = false;
            // Rays of sources mirrored in the axis may cross there halfway:
            // each head at that spot marks its own ray.
            for (const DrawnArrowHead& head : heads)
                if (Distance(head.tip, middle) <= 1.5
                    && TurnBetween(DirectionOf(head.pointing()), DirectionOf(end - view.light.source)) < 10) {
                    marked = true;
                    ExpectHeadMarksRay(head, view.light.source, end, end - view.light.source, view.name);
                }
            EXPECT_TRUE(marked) << view.name << ": no arrowhead between the edge and the screen";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, TwoSourceFigures,
    ::testing::Values(TwoSourceScene{10, 400, -10, 180, 400, 20}, // start values
                      TwoSourceScene{0, 400, 0, 400, 400, 20},    // shadows coincide
                      TwoSourceScene{0, 300, 30, 120, 250, 35}, TwoSourceScene{-50, 50, 50, 60, 50, 1},
                      TwoSourceScene{50, 400, -50, 400, 400, 50}, TwoSourceScene{25, 80, -35, 100, 150, 45},
                      TwoSourceScene{50, 60, -50, 60, 400, 50})); // as near and steep as the controls allow

// Canvas boxes of the start values: S1 at (-393.9, 69.5) shadows the screen
// from -111.8 to -30.0, S2 at (-177.3, -31.3) from 5.7 to 138.0.
TEST(TwoSourceCanvas, StartShadowsLieApartOnTheScreen)
{
    RecordingCanvas canvas(965, 351);
    DrawTwoSources(canvas, TwoSourceStateOf({10, 400, -10, 180, 400, 20}));
    std::vector<std::vector<int>> hatched;
    for (const CanvasOp& op : canvas.Ops())
        if (op.kind == CanvasOp::Kind::Ellipse && op.brush.color == Yellow && op.brush.style != BrushStyle::bsSolid)
            hatched.push_back(op.args);
    // x: 400 -+ (y+ - y-) / 4; y: 175 - y+ and 175 - y-.
    EXPECT_EQ(hatched, (std::vector<std::vector<int>>{{862, 205, 902, 287}, {849, 37, 915, 169}}));
}

TEST(TwoSourceScreen, StartShadowsAreCirclesBelowAndAboveTheCentreUnderNoAxis)
{
    RecordingCanvas screen(285, 240);
    DrawTwoSourceScreen(screen, TwoSourceStateOf({10, 400, -10, 180, 400, 20}));
    EXPECT_EQ(screen.Mapping().centerX, 142);
    EXPECT_EQ(screen.Mapping().centerY, 120);
    std::vector<std::vector<int>> circles;
    std::vector<BrushStyle> hatches;
    size_t lastLine = 0;
    for (size_t i = 0; i < screen.Ops().size(); ++i) {
        const CanvasOp& op = screen.Ops()[i];
        if (op.kind == CanvasOp::Kind::Ellipse) {
            circles.push_back(op.args);
            hatches.push_back(op.brush.style);
            EXPECT_EQ(op.brush.color, Black);
            EXPECT_EQ(op.pen.color, Black);
        } else if (op.kind == CanvasOp::Kind::LineTo) {
            lastLine = i;
        }
    }
    // The screen's heights -111.8 .. -30.0 and 5.7 .. 138.0 run up it.
    EXPECT_EQ(circles, (std::vector<std::vector<int>>{{101, 150, 183, 232}, {76, -18, 208, 114}}));
    EXPECT_EQ(hatches, (std::vector<BrushStyle>{BrushStyle::bsFDiagonal, BrushStyle::bsBDiagonal}));
    EXPECT_LT(lastLine, screen.Ops().size() - 2) << "the axes are drawn over the circles";
}

TEST(TwoSourceScreen, AxesCrossAtTheCentreWithTicksReachingTwoOneWayAndFourTheOther)
{
    RecordingCanvas screen(285, 240);
    DrawTwoSourceScreen(screen, TwoSourceStateOf({10, 400, -10, 180, 400, 20}));
    const Picture picture(screen.Ops(), 142, 120);
    int axes = 0, horizontalTicks = 0, verticalTicks = 0;
    for (const DrawnSegment& line : picture.segments()) {
        EXPECT_EQ(line.pen.color, Black);
        EXPECT_EQ(line.pen.width, 1);
        if (line.length() > 100) {
            axes += (line.from.x == 0 && line.to.x == 0 && line.from.y == 120 && line.to.y == -120)
                    || (line.from.y == 0 && line.to.y == 0 && line.from.x == -142 && line.to.x == 143);
        } else if (line.from.x == line.to.x && line.from.y == -2) {
            horizontalTicks += line.to.y == 4 && std::fmod(line.from.x, 10) == 0;
        } else if (line.from.y == line.to.y && line.from.x == 2) {
            verticalTicks += line.to.x == -4 && std::fmod(line.from.y, 10) == 0;
        }
    }
    EXPECT_EQ(axes, 2);
    EXPECT_EQ(horizontalTicks, 101);
    EXPECT_EQ(verticalTicks, 101);
}

struct FailingScene {
    const char* name;
    TwoSourceScene scene;
    int raysDrawn;    // before the failing one
    int sourcesDrawn; // with their shadows and lit halves
};

void PrintTo(const FailingScene& f, std::ostream* os)
{
    *os << f.name;
}

class TwoSourceFailures : public ::testing::TestWithParam<FailingScene> {};

// A source on the edge of an obstacle as large as its distance, at 45
// degrees, sends one ray along the screen: the height where it would arrive
// is beyond any number, and the drawing stops at that ray. The sheet keeps
// its sources farther out; the drawing itself still refuses such a scene.
TEST_P(TwoSourceFailures, RayAlongTheScreenStopsTheDrawingThere)
{
    RecordingCanvas canvas(965, 351);
    try {
        DrawTwoSources(canvas, TwoSourceStateOf(GetParam().scene));
        FAIL() << "no error";
    } catch (const FloatError& error) {
        EXPECT_EQ(error.text(), "Invalid floating point operation");
    }
    const Picture picture(canvas.Ops(), 482, 175);
    EXPECT_EQ(int(picture.lines(PenOf(Yellow, 2)).size()), GetParam().raysDrawn);
    int shadows = 0;
    for (const DrawnEllipse& e : picture.ellipses())
        shadows += e.brush.style == BrushStyle::bsBDiagonal || e.brush.style == BrushStyle::bsFDiagonal;
    EXPECT_EQ(shadows, GetParam().sourcesDrawn);
    EXPECT_EQ(int(picture.arcs().size()), GetParam().sourcesDrawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoSourceFailures,
                         ::testing::Values(FailingScene{"S1 up", {45, 50, -10, 180, 400, 50}, 1, 0},
                                           FailingScene{"S1 down", {-45, 50, -10, 180, 400, 50}, 0, 0},
                                           FailingScene{"S2 up", {10, 400, 45, 50, 400, 50}, 3, 1},
                                           FailingScene{"S2 down", {10, 400, -45, 50, 400, 50}, 2, 1}));

} // namespace
