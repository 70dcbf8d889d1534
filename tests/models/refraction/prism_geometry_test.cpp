// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_geometry.h"
#include "models/refraction/prism_trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Mapped {
    double model;
    int screen;
};

class PrismMappingX : public ::testing::TestWithParam<Mapped> {};
class PrismMappingY : public ::testing::TestWithParam<Mapped> {};

TEST_P(PrismMappingX, FortyFivePixelsAUnitFromTheGridsLeftEdge)
{
    EXPECT_EQ(PrismMapping().ToScreenX(GetParam().model), GetParam().screen);
}

TEST_P(PrismMappingY, FortyPixelsAUnitDownFromTheGridsTop)
{
    EXPECT_EQ(PrismMapping().ToScreenY(GetParam().model), GetParam().screen);
}

// The grid's frame runs from canvas (30, 10) to (930, 410). Halves of a pixel
// round to the even neighbour: 45 x = -427.5, -382.5 and -472.5; 40 y = 197.5
// and 192.5.
INSTANTIATE_TEST_SUITE_P(Prism, PrismMappingX,
                         ::testing::Values(Mapped{-10, 30}, Mapped{0, 480}, Mapped{10, 930}, Mapped{-1.2326, 425},
                                           Mapped{-9.5, 52}, Mapped{-8.5, 98}, Mapped{-10.5, 8},
                                           Mapped{-13, -105}));
INSTANTIATE_TEST_SUITE_P(Prism, PrismMappingY,
                         ::testing::Values(Mapped{5, 10}, Mapped{0, 210}, Mapped{-5, 410}, Mapped{2.0241, 129},
                                           Mapped{4.9375, 12}, Mapped{4.8125, 18}, Mapped{6, -30}));

TEST(PrismMapping, FarPointsWrapToTheirLowThirtyTwoBits)
{
    // 2^32 / 45 units to the right lands back on the same column.
    const double turn = 4294967296.0 / 45;
    EXPECT_EQ(PrismMapping().ToScreenX(turn), 480);
    EXPECT_THROW(PrismMapping().ToScreenX(1e30), std::exception);
}

TEST(PrismIndex, LowestSettingIsAirThenHundredthsFromOneAndTwo)
{
    EXPECT_EQ(PrismIndex(100), 1.0L);
    EXPECT_NEAR(double(PrismIndex(101)), 1.02, 1e-15);
    EXPECT_NEAR(double(PrismIndex(133)), 1.34, 1e-15);
    EXPECT_NEAR(double(PrismIndex(300)), 3.01, 1e-15);
    for (int s = 101; s <= 300; ++s)
        EXPECT_GT(PrismIndex(s), 1.01L) << s;
}

// A ray that crosses both faces is turned by delta = i + e - P, where i is its
// angle of incidence on the left face (alpha + P / 2), e its angle of
// emergence from the right face, sin e = n sin(P - r) and sin r = sin i / n:
// the textbook formula, independent of how the picture traces the ray.
double TextbookDeviation(int alpha, int P, double n)
{
    const double i = (alpha + P / 2.0) * M_PI / 180;
    const double r = std::asin(std::sin(i) / n);
    const double e = std::asin(n * std::sin(P * M_PI / 180 - r));
    return (i + e) * 180 / M_PI - P;
}

struct Deviation {
    int alpha, P, s;
    double degrees;
};

class PrismDeviationTest : public ::testing::TestWithParam<Deviation> {};

TEST_P(PrismDeviationTest, IsTheTurnFromTheIncidentToTheEmergentRay)
{
    const Deviation& d = GetParam();
    const PrismTrace trace = TracePrism(d.alpha, d.P, d.s);
    ASSERT_EQ(trace.outcome, PrismOutcome::Emerged);
    ASSERT_EQ(trace.hits.size(), 2u);
    EXPECT_EQ(trace.hits[1].side, PrismSide::RightFace);
    ASSERT_TRUE(trace.deviation);
    EXPECT_NEAR(double(*trace.deviation), TextbookDeviation(d.alpha, d.P, double(PrismIndex(d.s))), 1e-9);
    EXPECT_NEAR(double(*trace.deviation), d.degrees, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Prism, PrismDeviationTest,
                         ::testing::Values(Deviation{13, 45, 133, 16.815}, // the defaults
                                           Deviation{20, 45, 133, 17.412},
                                           Deviation{13, 45, 100, 0},      // air bends nothing
                                           Deviation{10, 60, 150, 39.531},
                                           Deviation{20, 10, 300, 20.814},
                                           Deviation{5, 30, 250, 61.280}));

// Whatever the ray does, the deviation is the angle between its first and its
// last direction when it leaves refracted twice, and there is none otherwise.
TEST(PrismTrace, DeviationOnlyForARayThatLeavesRefractedTwice)
{
    for (int alpha = 1; alpha <= 45; alpha += 4)
        for (int P = 1; P <= 160; P += 9)
            for (int s : {100, 133, 200, 300}) {
                SCOPED_TRACE(::testing::Message() << "alpha=" << alpha << " P=" << P << " s=" << s);
                const PrismTrace trace = TracePrism(alpha, P, s);
                EXPECT_EQ(trace.deviation.has_value(), trace.outcome == PrismOutcome::Emerged);
                if (trace.outcome == PrismOutcome::Emerged && trace.hits.front().side == PrismSide::LeftFace &&
                    trace.hits.back().side == PrismSide::RightFace) {
                    EXPECT_NEAR(double(*trace.deviation), TextbookDeviation(alpha, P, double(PrismIndex(s))), 1e-9);
                }
            }
}

} // namespace
