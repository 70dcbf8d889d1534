// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// The decimal separator the number texts below are written with: the comma
// of the program's own language, or the point of another; the language
// chosen sets it for the whole program.
void SetDecimalSeparator(QChar separator);
QChar DecimalSeparator();

// The short decimal-comma text of the text readouts: the value rounded to
// four decimals, then written with exactly `decimals` digits after a comma
// (half away from zero), e.g. 1.005 -> "1,01", -0.004 -> "-0,00", 2 -> "2,0000".
// `decimals` is at least 1.
QString FormatDecimalComma(double value, int decimals);

// The general text of a number: at most 15 significant digits, no trailing
// zeros, a decimal comma as under Russian regional settings (13 -> "13",
// 22.5 -> "22,5"); an exponent only for magnitudes beyond 1e15 or below 1e-5.
QString PlainNumberText(long double value);
