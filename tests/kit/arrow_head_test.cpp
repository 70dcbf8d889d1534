// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/arrow_head.h"
#include "kit/float_error.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"

#include <gtest/gtest.h>

namespace {

struct Stroke {
    int x1, y1, x2, y2;
};

// The two strokes of an arrowhead, from tip to each barb, in canvas pixels.
std::vector<Stroke> strokesOf(const RecordingCanvas& canvas)
{
    std::vector<Stroke> strokes;
    const auto& ops = canvas.Ops();
    for (size_t i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == CanvasOp::Kind::MoveTo && ops[i + 1].kind == CanvasOp::Kind::LineTo)
            strokes.push_back({ops[i].args[0], ops[i].args[1], ops[i + 1].args[0], ops[i + 1].args[1]});
    }
    return strokes;
}

class ArrowHead : public ::testing::Test {
protected:
    void SetUp() override { canvas.SetMapping({60, 179}); }
    RecordingCanvas canvas{965, 359};
};

TEST_F(ArrowHead, RisingRayHasItsBarbsBehindTheTip)
{
    DrawArrowHead(canvas, 100, 0, 1);
    const auto strokes = strokesOf(canvas);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].x1, 160);
    EXPECT_EQ(strokes[0].y1, 179);
    EXPECT_EQ(strokes[0].x2, 151); // barb below the ray: model (90.572, -18.856)
    EXPECT_EQ(strokes[0].y2, 198);
    EXPECT_EQ(strokes[1].x2, 141); // barb above it: model (81.144, -9.428)
    EXPECT_EQ(strokes[1].y2, 188);
}

TEST_F(ArrowHead, FallingRayPointsToTheRightToo)
{
    DrawArrowHead(canvas, 100, 0, -1);
    const auto strokes = strokesOf(canvas);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].x2, 141); // base at model (85.858, 14.142)
    EXPECT_EQ(strokes[0].y2, 170);
    EXPECT_EQ(strokes[1].x2, 151);
    EXPECT_EQ(strokes[1].y2, 160);
}

TEST_F(ArrowHead, NearlyHorizontalRayGivesNearlyHorizontalHead)
{
    DrawArrowHead(canvas, 100, 0, 1e-9L);
    const auto strokes = strokesOf(canvas);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].x2, 140);
    EXPECT_EQ(strokes[0].y2, 186);
    EXPECT_EQ(strokes[1].x2, 140);
    EXPECT_EQ(strokes[1].y2, 172);
}

struct SteepCase {
    const char* name;
    long double k;
    int barb1x, barb1y, barb2x, barb2y; // canvas pixels, tip at model (100, 0)
};

class ArrowHeadAtExtremeSlopes : public ArrowHead, public ::testing::WithParamInterface<SteepCase> {};

// Slopes within rounding of 0 or of infinity still give two barbs, 20 back
// along the ray and 20/3 to either side.
TEST_P(ArrowHeadAtExtremeSlopes, KeepsBothBarbs)
{
    const SteepCase& c = GetParam();
    DrawArrowHead(canvas, 100, 0, c.k);
    const auto strokes = strokesOf(canvas);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].x2, c.barb1x);
    EXPECT_EQ(strokes[0].y2, c.barb1y);
    EXPECT_EQ(strokes[1].x2, c.barb2x);
    EXPECT_EQ(strokes[1].y2, c.barb2y);
}

INSTANTIATE_TEST_SUITE_P(
    Slopes, ArrowHeadAtExtremeSlopes,
    ::testing::Values(SteepCase{"tinyRising", 1e-19L, 140, 186, 140, 172},
                      // tan 180 degrees in extended precision: the critical line of equal media
                      SteepCase{"tanOfPi", -5.0165576126683320235e-20L, 140, 186, 140, 172},
                      SteepCase{"nearlyVerticalUp", 1e18L, 167, 199, 153, 199},
                      SteepCase{"nearlyVerticalDown", -1e18L, 153, 159, 167, 159}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArrowHead, ZeroSlopeFailsBeforeAnyStroke)
{
    try {
        DrawArrowHead(canvas, 100, 0, 0);
        FAIL() << "no error raised";
    } catch (const FloatError& error) {
        EXPECT_EQ(error.text(), "Floating point division by zero");
    }
    EXPECT_TRUE(canvas.Ops().empty());
}

TEST_F(ArrowHead, DrawsWithTheCanvasPenAsItIs)
{
    canvas.SetPenColor(QColor(0xFF, 0xFF, 0x00));
    canvas.SetPenWidth(2);
    DrawArrowHead(canvas, 100, 0, 1);
    for (const CanvasOp& op : canvas.Ops()) {
        if (op.kind == CanvasOp::Kind::LineTo) {
            EXPECT_EQ(op.pen.color, QColor(0xFF, 0xFF, 0x00));
            EXPECT_EQ(op.pen.width, 2);
        }
    }
}

} // namespace
