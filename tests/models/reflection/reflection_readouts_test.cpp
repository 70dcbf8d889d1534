// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/reflection_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct ReadoutCase {
    const char* name;
    int A, F;
    int vrNum12, vrNum16, vrNum13, vrNum17, vrNum15, vrNum14;
};

void PrintTo(const ReadoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReflectionReadoutsTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReflectionReadoutsTest, ShowsAnglesAndProtractorReadings)
{
    const ReadoutCase& c = GetParam();
    const ReflectionReadouts r = ComputeReflectionReadouts(c.A, c.F);
    EXPECT_EQ(r.reflectedOnProtractor, c.vrNum12);
    EXPECT_EQ(r.rayOnProtractor, c.vrNum16);
    EXPECT_EQ(r.mirrorAngle, c.vrNum13);
    EXPECT_EQ(r.reflectedAngle, c.vrNum17);
    EXPECT_EQ(r.rayAngle, c.vrNum15);
    EXPECT_EQ(r.mirrorOnProtractor, c.vrNum14);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ReflectionReadoutsTest,
    ::testing::Values(ReadoutCase{"defaults", 45, 10, 155, 45, 10, 65, 45, 10},
                      ReadoutCase{"untiltedMirror", 30, 0, 120, 60, 0, 30, 30, 0},
                      ReadoutCase{"lampBehindMirrorLine", 60, 40, 230, 30, 40, 140, 60, 40},
                      ReadoutCase{"smallestAngles", 1, 0, 91, 89, 0, 1, 1, 0},
                      ReadoutCase{"largestAngles", 89, 89, 357, 1, 89, 267, 89, 89},
                      ReadoutCase{"reflectedStraightDown", 2, 89, 270, 88, 89, 180, 2, 89}),
    [](const auto& info) { return std::string(info.param.name); });

long double degreesOf(long double radians)
{
    return radians * 180 / 3.1415926535897932385L;
}

TEST(ReflectionGeometry, ReflectedRayTurnsByTwiceTheMirrorTilt)
{
    EXPECT_NEAR(double(degreesOf(ReflectedDirection(45, 10))), 155, 1e-12);
    EXPECT_NEAR(double(degreesOf(ReflectedDirection(45, 20))), 175, 1e-12);
    EXPECT_NEAR(double(degreesOf(ReflectedDirection(1, 0))), 91, 1e-12);
    EXPECT_NEAR(double(degreesOf(ReflectedDirection(89, 89))), 357, 1e-12);
}

TEST(ReflectionGeometry, ArcsGoRoundTheNormalOnTheLampsSide)
{
    // A + F < 90: incidence from the ray to 1 degree past the normal, reflection from there to R.
    EXPECT_EQ(IncidenceArc(45, 10).from, 45);
    EXPECT_EQ(IncidenceArc(45, 10).to, 101);
    EXPECT_EQ(ReflectionArc(45, 10).from, 101);
    EXPECT_EQ(ReflectionArc(45, 10).to, 155);

    // A + F > 90: both arcs take their other form.
    EXPECT_EQ(IncidenceArc(60, 40).from, -49);
    EXPECT_EQ(IncidenceArc(60, 40).to, 30);
    EXPECT_EQ(ReflectionArc(60, 40).from, 230);
    EXPECT_EQ(std::fmod(ReflectionArc(60, 40).to + 360, 360.0L), 311);
}

} // namespace
