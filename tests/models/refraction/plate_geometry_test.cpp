// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/checked_math.h"
#include "models/refraction/plate_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180;

class PlateGeometrySweep : public ::testing::TestWithParam<PlateSettings> {};

TEST_P(PlateGeometrySweep, RayObeysSnellsLawAtEveryFaceItCrosses)
{
    const PlateSettings s = GetParam();
    const PlateGeometry g = PlateGeometryOf(s);
    const double A = s.A * kDegree, B = g.B * kDegree, h = s.t + 1;
    EXPECT_NEAR(g.n2 * std::sin(B), std::sin(A), 1e-13) << "n1 sin A = n2 sin B with air's n1 = 1";
    EXPECT_LT(g.B, s.A) << "the ray bends towards the normal";

    if (h * std::tan(B) <= 200) {
        // X on the lower face, t + 1 pixels below O, at the angle B from the
        // normal; the ray leaves at A, parallel to the incident one.
        EXPECT_EQ(g.exit, PlateExit::LowerFace);
        EXPECT_NEAR(double(g.X.y), -h, 1e-9);
        EXPECT_NEAR(double(g.X.x), h * std::tan(B), 1e-9);
        EXPECT_EQ(g.emergence, s.A);
        EXPECT_EQ(g.reading, s.A + 90);
        ASSERT_TRUE(g.shift);
        EXPECT_NEAR(*g.shift, double(g.d) * std::sin(A - B) / std::cos(B), 1e-12);
    } else {
        // The ray reaches the plate's right end above the lower face and meets
        // the side face at 90 - B from its normal: n2 sin(90 - B) = sin A".
        EXPECT_EQ(g.exit, PlateExit::SideFace);
        EXPECT_EQ(double(g.X.x), 200);
        EXPECT_NEAR(double(g.X.y), -200 / std::tan(B), 1e-9);
        EXPECT_GT(g.X.y, -h);
        EXPECT_NEAR(std::sin(g.emergence * kDegree), g.n2 * std::sin(M_PI / 2 - B), 1e-13);
        EXPECT_NEAR(g.reading, 90 - g.emergence, 1e-12) << "read below the normal on the side face's protractor";
        EXPECT_FALSE(g.shift) << "no shift between rays that are not parallel";
    }
    // The emergent ray leaves into the air at A" from the face's outward normal.
    const double normal = g.exit == PlateExit::LowerFace ? 270 : 360;
    const ModelPoint away{g.emergentEnd.x - g.X.x, g.emergentEnd.y - g.X.y};
    EXPECT_NEAR(std::hypot(double(away.x), double(away.y)), 200, 1e-9);
    const double direction = std::atan2(double(away.y), double(away.x)) / kDegree;
    EXPECT_NEAR(std::remainder(direction - normal, 360), g.exit == PlateExit::LowerFace ? s.A : -g.emergence, 1e-9);
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

// A ray that reaches the side face is never totally reflected there: that
// would take n2 cos B > 1, and at no setting of the controls does such a ray
// get past x = 200 above the lower face.
TEST(PlateGeometry, NoSettingReflectsTheRayTotallyAtTheSideFace)
{
    int throughSide = 0;
    for (int A = 1; A <= 89; ++A) {
        for (int s = 100; s <= 300; ++s) {
            const double n2 = s / 100.0 + 0.01, B = std::asin(std::sin(A * kDegree) / n2);
            const int thinnest = int(std::floor(200 / std::tan(B))); // thicker plates, t + 1 > this, reach the side
            for (int t = std::max(0, thinnest - 1); t <= 200; ++t) {
                if ((t + 1) * std::tan(B) <= 200)
                    continue;
                ++throughSide;
                EXPECT_LT(n2 * std::cos(B), 1) << "A=" << A << " s=" << s << " t=" << t;
                EXPECT_EQ(PlateGeometryOf({A, s, t}).exit, PlateExit::SideFace);
            }
        }
    }
    EXPECT_GT(throughSide, 60000);
}

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
