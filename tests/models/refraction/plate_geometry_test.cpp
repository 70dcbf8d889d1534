#include "kit/checked_math.h"
#include "models/refraction/plate_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180;

class PlateGeometrySweep : public ::testing::TestWithParam<PlateSettings> {};

TEST_P(PlateGeometrySweep, RayObeysSnellsLawAndLeavesParallel)
{
    const PlateSettings s = GetParam();
    const PlateGeometry g = PlateGeometryOf(s);
    const double A = s.A * kDegree, B = g.B * kDegree;
    EXPECT_NEAR(g.n2 * std::sin(B), std::sin(A), 1e-13) << "n1 sin A = n2 sin B with air's n1 = 1";
    EXPECT_LT(g.B, s.A) << "the ray bends towards the normal";
    EXPECT_NEAR(g.shift, double(g.d) * std::sin(A - B) / std::cos(B), 1e-12);

    // X on the lower face, t + 1 pixels below O, at the angle B from the normal.
    EXPECT_NEAR(double(g.X.y), -(s.t + 1), 1e-9);
    EXPECT_NEAR(double(g.X.x), (s.t + 1) * std::tan(B), 1e-9);
}

std::vector<PlateSettings> sweep()
{
    std::vector<PlateSettings> settings;
    for (int A : {1, 2, 30, 45, 60, 88, 89})
        for (int s : {100, 101, 150, 300})
            for (int t : {0, 1, 50, 200})
                settings.push_back({A, s, t});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Settings, PlateGeometrySweep, ::testing::ValuesIn(sweep()));

TEST(PlateGeometry, IndexAndThicknessRunOverTheirRanges)
{
    EXPECT_EQ(PlateIndex(100), 1.01) << "never exactly 1";
    EXPECT_EQ(PlateIndex(150), 1.51);
    EXPECT_EQ(PlateIndex(300), 3.01);
    for (int t = 0; t <= 200; ++t)
        EXPECT_EQ(Round(10 * PlateThickness(t)), t + 1) << "the plate is t + 1 pixels thick";
    EXPECT_NEAR(double(PlateThickness(0)), 0.1, 1e-15);
    EXPECT_NEAR(double(PlateThickness(200)), 20.1, 1e-15);
}

} // namespace
