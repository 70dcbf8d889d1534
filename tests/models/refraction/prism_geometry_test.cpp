#include "models/refraction/prism_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Mapped {
    double model;
    int screen;
};

class PrismToScreenXTest : public ::testing::TestWithParam<Mapped> {};
class PrismToScreenYTest : public ::testing::TestWithParam<Mapped> {};

TEST_P(PrismToScreenXTest, FortyFivePixelsAUnitFromTheLeftEdge)
{
    EXPECT_EQ(PrismToScreenX(GetParam().model), GetParam().screen);
}

TEST_P(PrismToScreenYTest, FortyPixelsAUnitDownFromTheTop)
{
    EXPECT_EQ(PrismToScreenY(GetParam().model), GetParam().screen);
}

// Halves of a pixel round to the even neighbour: (x + 10) * 45 = 22.5, 67.5
// and -22.5; (5 - y) * 40 = 2.5 and 7.5.
INSTANTIATE_TEST_SUITE_P(Prism, PrismToScreenXTest,
                         ::testing::Values(Mapped{-10, 0}, Mapped{0, 450}, Mapped{10, 900}, Mapped{-1.2326, 395},
                                           Mapped{-9.5, 22}, Mapped{-8.5, 68}, Mapped{-10.5, -22},
                                           Mapped{-13, -135}));
INSTANTIATE_TEST_SUITE_P(Prism, PrismToScreenYTest,
                         ::testing::Values(Mapped{5, 0}, Mapped{0, 200}, Mapped{-5, 400}, Mapped{2.0241, 119},
                                           Mapped{4.9375, 2}, Mapped{4.8125, 8}, Mapped{6, -40}));

TEST(PrismToCanvas, GridCornersApexAndRayStart)
{
    EXPECT_EQ(PrismToCanvas(-10, 5), QPoint(30, 10));
    EXPECT_EQ(PrismToCanvas(10, -5), QPoint(930, 410));
    EXPECT_EQ(PrismToCanvas(0, 5), QPoint(480, 10));   // the apex
    EXPECT_EQ(PrismToCanvas(-10, 0), QPoint(30, 210)); // where the ray starts
    EXPECT_EQ(PrismToCanvas(-13, 3), QPoint(-105, 90));
}

TEST(PrismToCanvas, FarPointsWrapToTheirLowThirtyTwoBits)
{
    // 2^32 / 45 units to the right lands back on the same column.
    const double turn = 4294967296.0 / 45;
    EXPECT_EQ(PrismToCanvas(turn, 0).x(), 480);
    EXPECT_THROW(PrismToScreenX(1e30), std::exception);
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

struct Deviation {
    int P;
    int s;
    double degrees;
};

class PrismDeviationTest : public ::testing::TestWithParam<Deviation> {};

TEST_P(PrismDeviationTest, FromTheApexAngleAndTheIndexAlone)
{
    const Deviation& d = GetParam();
    EXPECT_NEAR(double(PrismDeviation(d.P / 2.0L, PrismIndex(d.s))), d.degrees, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Prism, PrismDeviationTest,
                         ::testing::Values(Deviation{45, 133, 7.65},   // the defaults
                                           Deviation{45, 100, 0},      // air bends nothing
                                           Deviation{90, 133, 15.30},  // 0.34 * 45
                                           Deviation{160, 300, 39.20}, // 360 - 4.01 * 80
                                           Deviation{1, 300, 1.005}));

TEST(PrismDeviation, IsNMinusOneTimesFUpToANinetyDegreeHalfAngleThenFoldsBack)
{
    for (int P = 1; P <= 160; P += 3) {
        for (int s = 100; s <= 300; s += 7) {
            const double F = P / 2.0, n = double(PrismIndex(s));
            const double expected = n * F / 2 <= 90 ? (n - 1) * F : 360 - (n + 1) * F;
            EXPECT_NEAR(double(PrismDeviation(F, n)), expected, 1e-9) << "P=" << P << " s=" << s;
        }
    }
}

} // namespace
