// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/checked_math.h"
#include "kit/float_error.h"
#include "kit/screen_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct RoundCase {
    long double value;
    long long expected;
};

void PrintTo(const RoundCase& c, std::ostream* os)
{
    *os << double(c.value);
}

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, RoundsToNearestWithTiesToEven)
{
    EXPECT_EQ(Round(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundTest,
                         ::testing::Values(RoundCase{2.5L, 2}, RoundCase{3.5L, 4}, RoundCase{-2.5L, -2},
                                           RoundCase{-3.5L, -4}, RoundCase{0.5L, 0}, RoundCase{1.5L, 2},
                                           RoundCase{2.4999L, 2}, RoundCase{-0.6L, -1},
                                           RoundCase{181.26L, 181}, RoundCase{-84.52L, -85},
                                           // the ends of the 64-bit range and ties beyond double precision
                                           RoundCase{9223372036854775807.0L, 9223372036854775807LL},
                                           RoundCase{-9223372036854775807.0L - 1, -9223372036854775807LL - 1},
                                           RoundCase{4503599627370497.5L, 4503599627370498LL},
                                           RoundCase{9007199254740993.5L, 9007199254740994LL}));

QString errorTextOf(void (*operation)())
{
    try {
        operation();
    } catch (const FloatError& error) {
        return error.text();
    }
    return QStringLiteral("no error");
}

TEST(CheckedMath, RaisesTheRuntimeTexts)
{
    EXPECT_EQ(errorTextOf([] { Round(std::numeric_limits<long double>::quiet_NaN()); }),
              "Invalid floating point operation");
    EXPECT_EQ(errorTextOf([] { Round(std::numeric_limits<long double>::infinity()); }),
              "Invalid floating point operation");
    EXPECT_EQ(errorTextOf([] { Round(1e19L); }), "Invalid floating point operation");
    // Just below 2^63, but it rounds (to even) up to 2^63, which is beyond the range.
    EXPECT_EQ(errorTextOf([] { Round(9223372036854775807.5L); }), "Invalid floating point operation");
    EXPECT_EQ(errorTextOf([] { Round(-9223372036854775809.0L); }), "Invalid floating point operation");
    EXPECT_EQ(errorTextOf([] { Divide(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(errorTextOf([] { Divide(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(errorTextOf([] { Checked(std::numeric_limits<long double>::infinity()); }),
              "Floating point overflow");
    EXPECT_EQ(errorTextOf([] { Checked(std::numeric_limits<long double>::max() * 2); }),
              "Floating point overflow");
}

TEST(CheckedMath, PassesOrdinaryResults)
{
    EXPECT_EQ(Divide(1, 4), 0.25L);
    EXPECT_EQ(Round(-9223372036854775807.0L), -9223372036854775807LL);
    EXPECT_NEAR(double(Radians(180)), M_PI, 1e-15);
}

TEST(ScreenMapping, RoundsEachCoordinateAroundTheOrigin)
{
    const ScreenMapping mapping{60, 179};
    EXPECT_EQ(mapping.ToScreenX(2.5), 62);
    EXPECT_EQ(mapping.ToScreenX(3.5), 64);
    EXPECT_EQ(mapping.ToScreenY(2.5), 177);
    EXPECT_EQ(mapping.ToScreenY(-10.2), 189);
    EXPECT_EQ(mapping.ToScreenX(-60), 0);
}

TEST(ScreenMapping, KeepsOnlyTheLow32BitsOfAHugeCoordinate)
{
    const ScreenMapping mapping;
    EXPECT_EQ(mapping.ToScreenX(4294967296.0 + 5), 5);
    EXPECT_EQ(mapping.ToScreenY(4294967296.0 + 5), -5);
    EXPECT_EQ(mapping.ToScreenX(2147483648.0), -2147483648LL);
}

} // namespace
