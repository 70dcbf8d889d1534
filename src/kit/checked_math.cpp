// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/checked_math.h"

#include "kit/float_error.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

long double Radians(long double degrees)
{
    return degrees * Pi / 180;
}

std::int64_t Round(long double value)
{
    constexpr long double limit = 9223372036854775808.0L; // 2^63
    if (!std::isfinite(value) || value >= limit || value < -limit)
        throw FloatError(FloatError::Kind::InvalidOperation);
    // The default floating-point environment rounds to nearest, ties to even;
    // llrintl rounds in it directly (x87 fistp) without saving the environment.
    // Only a value that rounds up to 2^63 lies beyond the range.
    if (value >= limit - 0.5L)
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<std::int64_t>(std::llrintl(value));
}

long double Divide(long double a, long double b)
{
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw FloatError(FloatError::Kind::InvalidOperation);
        throw FloatError(FloatError::Kind::DivisionByZero);
    }
    return Checked(a / b);
}

long double Checked(long double value)
{
    if (std::isnan(value))
        throw FloatError(FloatError::Kind::InvalidOperation);
    if (std::isinf(value))
        throw FloatError(FloatError::Kind::Overflow);
    return value;
}

long double ArcSin(long double x)
{
    if (std::isnan(x) || x > 1 || x < -1)
        throw FloatError(FloatError::Kind::InvalidOperation);
    return std::atan2(x, std::sqrt(1 - x * x));
}

long double Significant15(long double value)
{
    Checked(value);
    char text[64];
    std::snprintf(text, sizeof text, "%.14Le", value);
    return std::strtold(text, nullptr);
}
