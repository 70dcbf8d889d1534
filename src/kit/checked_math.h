// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Extended-precision arithmetic that raises FloatError instead of yielding
// silent infinities or NaNs, as the models' readouts must never show them.

// pi in extended precision; degrees turn into radians with Pi / 180.
constexpr long double Pi = 3.1415926535897932385L;

// Radians of an angle given in degrees.
long double Radians(long double degrees);

// Rounds to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// A NaN, an infinity or a value beyond the 64-bit range is an invalid operation.
std::int64_t Round(long double value);

// a / b; b == 0 is a division by zero (0 / 0 an invalid operation).
long double Divide(long double a, long double b);

// Passes a finite result through; NaN is an invalid operation, an infinity an overflow.
long double Checked(long double value);

// Arcsine as arctan2(x, sqrt(1 - x^2)), in radians; |x| > 1 is an invalid operation.
long double ArcSin(long double x);

// The value rounded to 15 significant decimal digits, as a readout is given it.
long double Significant15(long double value);
