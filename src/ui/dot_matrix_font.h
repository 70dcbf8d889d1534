// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

#include <array>
#include <cstdint>

// A 5 x 7 dot-matrix font: digits, Latin and Cyrillic capitals (small letters
// are shown as capitals) and the signs that readouts use. Each row holds five
// bits, the leftmost dot in bit 4.
using DotGlyph = std::array<std::uint8_t, 7>;

// The glyph of `c`; a blank glyph for a character the font lacks.
const DotGlyph& DotGlyphOf(QChar c);

// Commas and points stand between two cells rather than in one of their own.
bool IsDecimalMark(QChar c);
