// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>

// Where the characters of a group go.
enum class RtfDestination { Text, Skip, FontTable, ColourTable, Picture };

// What a group changes and its closing brace restores: the character format
// (font, size, colour, bold, italic, underline, super- and subscript), the
// paragraph format, the code page of its bytes, the characters that follow
// a \uN, and whether its text lies in a table.
struct RtfGroupState {
    RtfDestination destination = RtfDestination::Text;
    QTextCharFormat charFormat;
    QTextBlockFormat blockFormat;
    int codePage = 1251;
    int unicodeSkip = 1;
    bool inTable = false;
};
