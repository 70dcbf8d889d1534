// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include <ostream>
#include <string>

// A character of an LED font and its figure as a person reads it, written
// row by row in the test: which segments or dots are lit.
struct GlyphFigure {
    char16_t character;
    const char* figure; // the rows run together
};

inline void PrintTo(const GlyphFigure& glyph, std::ostream* os)
{
    *os << "'" << QString(QChar(glyph.character)).toStdString() << "'";
}

// A figure with its rows of `width` on lines of their own, for a readable failure.
inline std::string FigureRows(const std::string& figure, size_t width)
{
    std::string out;
    for (size_t i = 0; i < figure.size(); i += width)
        out += "\n" + figure.substr(i, width);
    return out;
}
