// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vr_num.h"

#include <gtest/gtest.h>

namespace {

struct ClampCase {
    int minimum;
    int maximum;
    int given;
    int shown;
};

void PrintTo(const ClampCase& c, std::ostream* os)
{
    *os << c.given << " in [" << c.minimum << ", " << c.maximum << "]";
}

class VrNumClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(VrNumClamp, ClampsIntoItsRange)
{
    TVrNum number;
    number.setMinimum(GetParam().minimum);
    number.setMaximum(GetParam().maximum);
    number.setValue(GetParam().given);
    EXPECT_EQ(number.value(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Ranges, VrNumClamp,
                         ::testing::Values(ClampCase{0, 999, 357, 357}, ClampCase{0, 999, 1200, 999},
                                           ClampCase{0, 90, -5, 0}, ClampCase{-9999, 9999, -5, -5},
                                           ClampCase{0, 9999, 10000, 9999}));

TEST(VrNum, DefaultsToTheRangeZeroTo9999)
{
    TVrNum number;
    EXPECT_EQ(number.minimum(), 0);
    EXPECT_EQ(number.maximum(), 9999);
    number.setValue(-1);
    EXPECT_EQ(number.value(), 0);
}

} // namespace
