// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/number_text.h"

#include <gtest/gtest.h>

namespace {

struct DecimalCommaCase {
    const char* name;
    double value;
    int decimals;
    const char* expected;
};

void PrintTo(const DecimalCommaCase& c, std::ostream* os)
{
    *os << c.name;
}

class FormatDecimalCommaTest : public ::testing::TestWithParam<DecimalCommaCase> {};

TEST_P(FormatDecimalCommaTest, WritesTheShortCommaText)
{
    EXPECT_EQ(FormatDecimalComma(GetParam().value, GetParam().decimals), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDecimalCommaTest,
    ::testing::Values(
        DecimalCommaCase{"halfUpAfterFourDecimals", 1.005, 2, "1,01"},
        DecimalCommaCase{"truncatedDigits", 0.12345, 2, "0,12"},
        DecimalCommaCase{"negativeZeroKeepsItsSign", -0.004, 2, "-0,00"},
        DecimalCommaCase{"vanishingValueHasNoSign", 0.00004, 2, "0,00"},
        DecimalCommaCase{"wholeNumberPadded", 2, 4, "2,0000"},
        DecimalCommaCase{"thirds", 1.33333, 2, "1,33"},
        DecimalCommaCase{"negativeOneDecimal", -2, 1, "-2,0"},
        DecimalCommaCase{"noThousandsSeparator", 1234567.891, 3, "1234567,891"},
        DecimalCommaCase{"lightInIndex101", 299792458 / 1.01, 2, "296824215,84"},
        DecimalCommaCase{"lightInIndex201", 299792458 / 2.01, 2, "149150476,62"},
        DecimalCommaCase{"carryIntoIntegerPart", 9.99999, 2, "10,00"},
        DecimalCommaCase{"negativeHalf", -0.5, 4, "-0,5000"},
        DecimalCommaCase{"zero", 0, 1, "0,0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PlainCase {
    const char* name;
    long double value;
    const char* expected;
};

void PrintTo(const PlainCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlainNumberTextTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumberTextTest, WritesTheGeneralForm)
{
    EXPECT_EQ(PlainNumberText(GetParam().value), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PlainNumberTextTest,
    ::testing::Values(PlainCase{"whole", 13, "13"},
                      PlainCase{"half", 22.5L, "22,5"},
                      PlainCase{"fifteenDigits", 382.12121212121212121L, "382,121212121212"},
                      PlainCase{"binaryNoise", 0.1L + 0.2L, "0,3"},
                      PlainCase{"negative", -7.25L, "-7,25"},
                      PlainCase{"zero", 0, "0"},
                      PlainCase{"small", 0.00001L, "0,00001"},
                      PlainCase{"tooSmallForFixed", 0.0000015L, "1,5E-6"},
                      PlainCase{"tooLargeForFixed", 1e20L, "1E20"},
                      PlainCase{"largestFixed", 123456789012345.0L, "123456789012345"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The texts of numbers written lately are kept; a number coming again, with
// many others between, or with other decimals, is written as the first time.
TEST(NumberTextAgain, ANumberComingAgainIsWrittenAsBefore)
{
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < 40; ++k) {
            const double value = k * 0.125 - 2;
            EXPECT_EQ(FormatDecimalComma(value, 3), QString::number(value, 'f', 3).replace('.', ','));
            EXPECT_EQ(PlainNumberText(value), QString::number(value).replace('.', ','));
        }
        EXPECT_EQ(FormatDecimalComma(1.005, 2), QStringLiteral("1,01"));
        EXPECT_EQ(FormatDecimalComma(1.005, 4), QStringLiteral("1,0050"));
        EXPECT_EQ(FormatDecimalComma(-0.004, 2), QStringLiteral("-0,00"));
        EXPECT_EQ(PlainNumberText(22.5), QStringLiteral("22,5"));
        EXPECT_EQ(PlainNumberText(-22.5), QStringLiteral("-22,5"));
    }
}

} // namespace
