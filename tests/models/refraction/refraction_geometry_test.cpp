// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/checked_math.h"
#include "kit/float_error.h"
#include "models/refraction/refraction_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(RefractionGeometry, InputsComeFromThePositions)
{
    const RefractionInputs in = RefractionInputsOf(1, 100, 300);
    EXPECT_EQ(in.A, 0.5L);
    EXPECT_NEAR(double(in.n1), 1.01, 1e-15);
    EXPECT_NEAR(double(in.n2), 3.01, 1e-15);
}

TEST(RefractionGeometry, LimitingAngleOnlyFromTheDenserMedium)
{
    EXPECT_NEAR(double(*LimitingAngle(2.01L, 1.01L)), 30.1647, 1e-4);
    EXPECT_NEAR(double(*LimitingAngle(1.5L, 1.5L)), 90, 1e-12);
    EXPECT_FALSE(LimitingAngle(1.01L, 2.01L).has_value());
}

TEST(RefractionGeometry, RefractionFollowsSnellsLawUpToTotalReflection)
{
    EXPECT_NEAR(double(*RefractionAngle(45, 1.01L, 2.01L)), 20.8126, 1e-4);
    EXPECT_NEAR(double(RefractionSine(30, 2.01L, 1.01L)), 0.99505, 1e-5);
    EXPECT_NEAR(double(*RefractionAngle(30, 2.01L, 1.01L)), 84.30, 1e-2);
    EXPECT_NEAR(double(RefractionSine(31, 2.01L, 1.01L)), 1.02498, 1e-5);
    EXPECT_FALSE(RefractionAngle(31, 2.01L, 1.01L).has_value());
    EXPECT_NEAR(double(*RefractionAngle(37.5L, 1.5L, 1.5L)), 37.5, 1e-12);
}

TEST(RefractionGeometry, ArcSinThroughArcTan2)
{
    EXPECT_NEAR(double(ArcSin(0.5L)), M_PI / 6, 1e-15);
    EXPECT_EQ(ArcSin(1), Pi / 2);
    EXPECT_THROW(ArcSin(1.0001L), FloatError);
}

TEST(RefractionGeometry, LightIsSlowerInDenserMedia)
{
    EXPECT_NEAR(double(LightSpeedIn(1.01L)), 296824215.8416, 1e-3);
    EXPECT_NEAR(double(LightSpeedIn(2.01L)), 149150476.6169, 1e-3);
}

TEST(RefractionGeometry, Significant15CutsTheTail)
{
    EXPECT_EQ(double(Significant15(1.0L / 3)), 0.333333333333333);
    EXPECT_EQ(double(Significant15(290.812599999999999L)), 290.8126);
}

} // namespace
