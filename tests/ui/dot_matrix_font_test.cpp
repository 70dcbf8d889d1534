// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyph_figure.h"
#include "ui/dot_matrix_font.h"
#include "ui/vr_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The dots of a matrix display are written as a person sees them, row by
// row: '#' a lit dot, '.' an unlit one, ' ' dark ground between the
// characters' dots.

constexpr int kPitch = 8;   // pixels from dot to dot, large enough to read each dot
constexpr int kColumns = 6; // a character's five dot columns and the gap after it
constexpr int kRows = 8;    // seven dot rows and the row the tail of a comma hangs in

// A display of `leds` cells showing `text`, its dots kPitch apart.
QImage displayed(const QString& text, int leds)
{
    TVrMatrix matrix;
    matrix.setLeds(leds);
    matrix.resize((leds * kColumns - 1) * kPitch + 4, kRows * kPitch + 4);
    matrix.setText(text);
    return matrix.grab().toImage();
}

// Reads the display's dot grid, centred in it, kPitch apart: the five dot
// columns of each cell, the gap column between cells and the tail row.
std::string dotsOf(const QImage& image, int leds)
{
    const int columns = leds * kColumns - 1;
    const QPointF origin((image.width() - columns * kPitch) / 2.0, (image.height() - kRows * kPitch) / 2.0);
    std::string picture;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QPointF centre = origin + QPointF((column + 0.5) * kPitch, (row + 0.5) * kPitch);
            const bool lit = image.pixelColor(int(centre.x()), int(centre.y())).green() > 0x80;
            const bool dot = column % kColumns != 5 && row < 7;
            picture += lit ? '#' : dot ? '.' : ' ';
        }
    }
    return picture;
}

struct DotPicture {
    char16_t character;
    const char* picture; // seven rows of five dots, run together
};

void PrintTo(const DotPicture& glyph, std::ostream* os)
{
    *os << "'" << QString(QChar(glyph.character)).toStdString() << "'";
}

// Every character the matrix readouts show: numbers with a minus, "NO" for
// a ray that does not come out, the lens's "-" for what is undefined.
const DotPicture kDotGlyphs[] = {
    {u'0', ".###."
           "#...#"
           "#..##"
           "#.#.#"
           "##..#"
           "#...#"
           ".###."},
    {u'1', "..#.."
           ".##.."
           "..#.."
           "..#.."
           "..#.."
           "..#.."
           ".###."},
    {u'2', ".###."
           "#...#"
           "....#"
           "...#."
           "..#.."
           ".#..."
           "#####"},
    {u'3', ".###."
           "#...#"
           "....#"
           "..##."
           "....#"
           "#...#"
           ".###."},
    {u'4', "...#."
           "..##."
           ".#.#."
           "#..#."
           "#####"
           "...#."
           "...#."},
    {u'5', "#####"
           "#...."
           "####."
           "....#"
           "....#"
           "#...#"
           ".###."},
    {u'6', "..##."
           ".#..."
           "#...."
           "####."
           "#...#"
           "#...#"
           ".###."},
    {u'7', "#####"
           "....#"
           "...#."
           "..#.."
           ".#..."
           ".#..."
           ".#..."},
    {u'8', ".###."
           "#...#"
           "#...#"
           ".###."
           "#...#"
           "#...#"
           ".###."},
    {u'9', ".###."
           "#...#"
           "#...#"
           ".####"
           "....#"
           "...#."
           ".##.."},
    {u'-', "....."
           "....."
           "....."
           "#####"
           "....."
           "....."
           "....."},
    {u'N', "#...#"
           "#...#"
           "##..#"
           "#.#.#"
           "#..##"
           "#...#"
           "#...#"},
    {u'O', ".###."
           "#...#"
           "#...#"
           "#...#"
           "#...#"
           "#...#"
           ".###."},
    {u' ', "....."
           "....."
           "....."
           "....."
           "....."
           "....."
           "....."},
};

class DotMatrixGlyphs : public ::testing::TestWithParam<DotPicture> {};

// Shown alone on a one-cell display, each character lights its own dots.
TEST_P(DotMatrixGlyphs, LightTheDotsOfTheirCharacter)
{
    const std::string dots = dotsOf(displayed(QString(QChar(GetParam().character)), 1), 1);
    EXPECT_EQ(FigureRows(dots.substr(0, 35), 5), FigureRows(GetParam().picture, 5));
    EXPECT_EQ(dots.substr(35), "     ") << "nothing lit below the character";
}

INSTANTIATE_TEST_SUITE_P(Characters, DotMatrixGlyphs, ::testing::ValuesIn(kDotGlyphs));

// A decimal mark stands in the gap between two characters, a comma hanging
// below the digits as a written one does.
TEST(DotMatrixFont, ShowsDecimalMarksBetweenTheCharacters)
{
    // "1" and "5" with the mark's dot between them on the bottom row of the
    // digits; a comma adds a tail in the row below.
    const std::string digits = "..#.. #####"
                               ".##.. #...."
                               "..#.. ####."
                               "..#.. ....#"
                               "..#.. ....#"
                               "..#.. #...#"
                               ".###.#.###.";
    EXPECT_EQ(FigureRows(dotsOf(displayed(QStringLiteral("1,5"), 2), 2), 11), FigureRows(digits + "     #     ", 11));
    EXPECT_EQ(FigureRows(dotsOf(displayed(QStringLiteral("1.5"), 2), 2), 11), FigureRows(digits + "           ", 11));
}

// Small letters show as capitals; a character the font lacks shows as a
// blank cell rather than as some other character.
TEST(DotMatrixFont, ShowsSmallLettersAsCapitalsAndUnknownOnesBlank)
{
    EXPECT_EQ(DotGlyphOf(QLatin1Char('n')), DotGlyphOf(QLatin1Char('N')));
    EXPECT_EQ(DotGlyphOf(QChar(u'ж')), DotGlyphOf(QChar(u'Ж')));
    EXPECT_EQ(DotGlyphOf(QChar(u'€')), DotGlyph{});
}

} // namespace
