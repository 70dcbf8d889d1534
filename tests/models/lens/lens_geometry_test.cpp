// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lens/lens_geometry.h"

#include <gtest/gtest.h>

namespace {

struct Lens {
    LensKind kind;
    int F, d, h1;
};

void PrintTo(const Lens& l, std::ostream* os)
{
    *os << (l.kind == LensKind::Converging ? "converging" : "diverging") << " F=" << l.F << " d=" << l.d
        << " h1=" << l.h1;
}

class LensStates : public ::testing::TestWithParam<Lens> {};

// The thin-lens formula 1/d + 1/f = 1/F (converging) or -1/F (diverging)
// gives the image; Г = -f/d and h2 = Г h1 say by their sign how it stands:
// negative inverted (a real image), positive upright (a virtual one).
TEST_P(LensStates, FollowTheThinLensFormulaAndSayHowTheImageStands)
{
    const Lens l = GetParam();
    const LensState state = LensStateOf(l.kind, l.F, l.d, l.h1);
    const double power = l.kind == LensKind::Converging ? 1.0 / l.F : -1.0 / l.F;
    EXPECT_DOUBLE_EQ(state.D, 100 * power);
    ASSERT_FALSE(state.raysParallel);
    const double f = 1 / (power - 1.0 / l.d);
    EXPECT_NEAR(state.numbers.f, f, 1e-9 * std::fabs(f));
    EXPECT_NEAR(state.numbers.G, -f / l.d, 1e-9);
    EXPECT_NEAR(state.numbers.h2, -f / l.d * l.h1, 1e-9 * l.h1);
    EXPECT_EQ(state.numbers.G < 0, f > 0) << "a real image stands inverted, a virtual one upright";
}

INSTANTIATE_TEST_SUITE_P(Settings, LensStates,
                         ::testing::Values(Lens{LensKind::Converging, 97, 130, 54}, Lens{LensKind::Converging, 20, 60, 10},
                                           Lens{LensKind::Converging, 25, 50, 10}, Lens{LensKind::Converging, 150, 100, 54},
                                           Lens{LensKind::Diverging, 97, 130, 54}, Lens{LensKind::Diverging, 40, 60, 10}));

TEST(LensState, ObjectInTheFocusOfAConvergingLensHasNoImage)
{
    const LensState state = LensStateOf(LensKind::Converging, 130, 130, 54);
    EXPECT_TRUE(state.raysParallel);
    EXPECT_EQ(state.caseText, "d=F");
    EXPECT_FALSE(LensStateOf(LensKind::Diverging, 130, 130, 54).raysParallel);
}

TEST(LensState, CaseTextComparesTheObjectDistanceWithFAndTwiceF)
{
    EXPECT_EQ(LensCaseText(97, 130), "F<d<2F");
    EXPECT_EQ(LensCaseText(50, 100), "d=2F");
    EXPECT_EQ(LensCaseText(40, 100), "d>2F");
    EXPECT_EQ(LensCaseText(150, 100), "d<F");
}

} // namespace
