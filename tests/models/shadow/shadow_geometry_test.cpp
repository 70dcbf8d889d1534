// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "models/shadow/shadow_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct OneSource {
    int s, h, d, L;
};

void PrintTo(const OneSource& c, std::ostream* os)
{
    *os << "s=" << c.s << " h=" << c.h << " d=" << c.d << " L=" << c.L;
}

class OneSourceEdges : public ::testing::TestWithParam<OneSource> {};

// The edges of the shadow on the screen lie on the straight lines from the
// source's edges past the obstacle's top; the umbra's cone ends where the
// rays from one edge of the source past the same edge of the obstacle cross,
// at L = d s / (s - h) by similar triangles, and there is no umbra beyond.
TEST_P(OneSourceEdges, LieOnTheRaysPastTheObstacleAndTheUmbraEndsAtItsConesTip)
{
    const OneSource c = GetParam();
    const OneSourceShadow shadow = OneSourceShadowEdges(c.s, c.h, c.d, c.L);
    const double umbraEdge = c.s + (c.h - c.s) * double(c.L) / c.d;    // from the top of the source
    const double penumbraEdge = -c.s + (c.h + c.s) * double(c.L) / c.d; // from its bottom
    EXPECT_NEAR(double(shadow.yU), umbraEdge, 1e-9);
    EXPECT_NEAR(double(shadow.yP), penumbraEdge, 1e-9);
    const bool beyondTheTip = c.s > c.h && c.L > double(c.d) * c.s / (c.s - c.h);
    EXPECT_EQ(shadow.hasUmbra(), !beyondTheTip);
    if (c.s > 0) {
        EXPECT_GT(double(shadow.yP), std::fabs(double(shadow.yU))) << "the penumbra lies round the umbra";
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, OneSourceEdges,
                         ::testing::Values(OneSource{40, 30, 361, 800}, OneSource{0, 30, 361, 800},
                                           OneSource{40, 40, 361, 800}, OneSource{60, 30, 100, 170},
                                           OneSource{60, 30, 100, 200}, OneSource{60, 30, 100, 201},
                                           OneSource{60, 30, 100, 300}, OneSource{100, 1, 101, 800},
                                           OneSource{1, 100, 101, 111}));

// The obstacle never overlaps the source, nor the screen the obstacle's
// centre and the source, nor a source the obstacle's rim.
TEST(ShadowDistances, NothingStandsInsideWhatIsBeforeIt)
{
    for (int s = 0; s <= 100; ++s) {
        for (int h = 0; h <= 100; ++h)
            EXPECT_GE(NearestObstacleDistance(s, h), std::max(1, s + h)) << s << " " << h;
        EXPECT_GT(NearestScreenDistance(s, 361), 361 + s);
    }
    for (int R = 1; R <= 50; ++R) {
        EXPECT_GE(NearestSourceDistance(R), R + 10);
        EXPECT_GE(NearestSourceDistance(R), 50);
    }
}

// Every angle and distance the controls reach, each source at least 10
// outside the obstacle's rim and 50 from its centre: both rays head for the
// screen and meet it where the lines through the source and the ends of the
// obstacle's diameter across the source's direction do.
TEST(TwoSourceRays, EveryReachableSourceCastsItsShadowOnTheScreen)
{
    const double degree = 3.14159265358979323846 / 180;
    const int L = 400; // the heights on any other screen scale with L + r cos(theta)
    int wrong = 0;
    for (int R = 1; R <= 50; ++R) {
        for (int r = NearestSourceDistance(R); r <= 400; ++r) {
            for (int theta = -50; theta <= 50; ++theta) {
                const double sx = r * std::cos((180 - theta) * degree), sy = r * std::sin((180 - theta) * degree);
                const double ex = R * std::cos((90 - theta) * degree), ey = R * std::sin((90 - theta) * degree);
                const auto onScreen = [&](double x, double y) { return sy + (y - sy) * (L - sx) / (x - sx); };
                const double top = onScreen(ex, ey), bottom = onScreen(-ex, -ey);
                const bool towardsTheScreen = ex > sx && -ex > sx;
                try {
                    const SourceRays rays = RaysPastObstacle(theta, r, R, L);
                    if (towardsTheScreen && std::fabs(double(rays.yPlus) - top) <= 1e-6 * (1 + std::fabs(top))
                        && std::fabs(double(rays.yMinus) - bottom) <= 1e-6 * (1 + std::fabs(bottom)))
                        continue;
                } catch (const FloatError& error) {
                    ADD_FAILURE() << error.text().toStdString();
                }
                if (++wrong <= 5)
                    ADD_FAILURE() << "theta " << theta << ", r " << r << ", R " << R << ": shadow from " << bottom
                                  << " to " << top;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
