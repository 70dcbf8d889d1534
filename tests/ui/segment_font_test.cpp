// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyph_figure.h"
#include "ui/segment_font.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// A fourteen-segment figure has five columns and five rows: the outer bars
// and uprights, the two halves of the middle bar, the centre uprights ('|')
// and the four diagonals ('\' and '/').

// Every character the LED segment displays show but the comparison signs,
// which are strokes across the cell rather than segments: the digits, the
// lens's cases ("F<d<2F", "d=2F"), the speeds of light ("296824216 м/с").
const GlyphFigure kGlyphFigures[] = {
    {u'0', " --- "
           "|   |"
           "     "
           "|   |"
           " --- "},
    {u'1', "     "
           "    |"
           "     "
           "    |"
           "     "},
    {u'2', " --- "
           "    |"
           " --- "
           "|    "
           " --- "},
    {u'3', " --- "
           "    |"
           "   - "
           "    |"
           " --- "},
    {u'4', "     "
           "|   |"
           " --- "
           "    |"
           "     "},
    {u'5', " --- "
           "|    "
           " --- "
           "    |"
           " --- "},
    {u'6', " --- "
           "|    "
           " --- "
           "|   |"
           " --- "},
    {u'7', " --- "
           "    |"
           "     "
           "    |"
           "     "},
    {u'8', " --- "
           "|   |"
           " --- "
           "|   |"
           " --- "},
    {u'9', " --- "
           "|   |"
           " --- "
           "    |"
           " --- "},
    {u'-', "     "
           "     "
           " --- "
           "     "
           "     "},
    {u' ', "     "
           "     "
           "     "
           "     "
           "     "},
    {u'F', " --- "
           "|    "
           " -   "
           "|    "
           "     "},
    {u'd', "     "
           "    |"
           " --- "
           "|   |"
           " --- "},
    {u'м', "     "
           "     "
           " --- "
           "| | |"
           "     "},
    {u'/', "     "
           "   / "
           "     "
           " /   "
           "     "},
    {u'с', "     "
           "     "
           " --- "
           "|    "
           " --- "},
};

bool isLit(const QImage& image, QPointF p)
{
    return qGray(image.pixel(int(std::floor(p.x())), int(std::floor(p.y())))) > 128;
}

// A character painted in a large cell, white on black, its unlit segments dark gray.
constexpr QRectF kCell(4, 4, 40, 68);
constexpr qreal kThickness = 40 * 0.14; // the segments of a cell this wide

QImage paintedCell(QChar c, QChar mark = QChar())
{
    QImage image(64, 90, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintFourteenSegments(painter, kCell, c, mark, Qt::white, QColor(0x30, 0x30, 0x30));
    return image;
}

// Reads the character of the cell: each segment is looked at in its middle,
// a diagonal in the middle of its quarter of the cell.
std::string figureOf(const QImage& image)
{
    const qreal h = kThickness / 2;
    const qreal left = kCell.left() + h, right = kCell.right() - h;
    const qreal top = kCell.top() + h, bottom = kCell.bottom() - h;
    const qreal middle = (top + bottom) / 2, centre = (left + right) / 2;
    const qreal upper = (top + middle) / 2, lower = (middle + bottom) / 2;
    const qreal leftHalf = (left + centre) / 2, rightHalf = (centre + right) / 2;
    const auto lit = [&](qreal x, qreal y) { return isLit(image, {x, y}); };
    const auto mark = [&](qreal x, qreal y, char c) { return lit(x, y) ? c : ' '; };
    const char bar = lit(centre, top) ? '-' : ' ', foot = lit(centre, bottom) ? '-' : ' ';
    const bool g1 = lit(leftHalf, middle), g2 = lit(rightHalf, middle);
    return std::string{' ', bar, bar, bar, ' ',
                       mark(left, upper, '|'), mark(leftHalf, upper, '\\'), mark(centre, upper, '|'),
                       mark(rightHalf, upper, '/'), mark(right, upper, '|'),
                       ' ', g1 ? '-' : ' ', g1 && g2 ? '-' : ' ', g2 ? '-' : ' ', ' ',
                       mark(left, lower, '|'), mark(leftHalf, lower, '/'), mark(centre, lower, '|'),
                       mark(rightHalf, lower, '\\'), mark(right, lower, '|'),
                       ' ', foot, foot, foot, ' '};
}

class SegmentFontGlyphs : public ::testing::TestWithParam<GlyphFigure> {};

TEST_P(SegmentFontGlyphs, LightTheSegmentsOfTheirCharacter)
{
    EXPECT_EQ(FigureRows(figureOf(paintedCell(QChar(GetParam().character))), 5), FigureRows(GetParam().figure, 5));
}

INSTANTIATE_TEST_SUITE_P(Characters, SegmentFontGlyphs, ::testing::ValuesIn(kGlyphFigures));

// Whether any pixel of the area is lit.
bool anyLit(const QImage& image, const QRectF& area)
{
    for (int y = int(area.top()); y < int(area.bottom()); ++y)
        for (int x = int(area.left()); x < int(area.right()); ++x)
            if (isLit(image, {qreal(x), qreal(y)}))
                return true;
    return false;
}

// The decimal mark after a cell as a person reads it: a point at the foot
// of the digits just right of the cell is '.', a point with a tail hanging
// below the digits is ',', nothing there is ' '.
char markOf(const QImage& image)
{
    const qreal right = kCell.right(), foot = kCell.bottom();
    const bool point = anyLit(image, QRectF(right, foot - kThickness, 2 * kThickness, kThickness));
    const bool tail = anyLit(image, QRectF(right, foot + 2, 2 * kThickness, 2 * kThickness));
    return point ? (tail ? ',' : '.') : (tail ? '?' : ' ');
}

TEST(SegmentFont, MarksTheDecimalPlaceAfterTheCell)
{
    for (const char mark : {',', '.'}) {
        const QImage image = paintedCell(QLatin1Char('1'), QLatin1Char(mark));
        EXPECT_EQ(markOf(image), mark);
        EXPECT_EQ(FigureRows(figureOf(image), 5), FigureRows(kGlyphFigures[1].figure, 5)) << "the digit keeps its figure";
    }
    EXPECT_EQ(markOf(paintedCell(QLatin1Char('1'))), ' ');
}

} // namespace
