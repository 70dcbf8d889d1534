// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyph_figure.h"
#include "ui/seven_segment.h"
#include "ui/vr_led_clock.h"
#include "ui/vr_num.h"

#include <QPainter>
#include <QTest>
#include <QTime>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// A seven-segment figure has three columns and five rows: '-' for a lit
// bar, '|' for a lit upright, 'o' for a dot of a colon.

// Every character the LED numbers and the LED clocks show.
const GlyphFigure kGlyphFigures[] = {
    {u'0', " - "
           "| |"
           "   "
           "| |"
           " - "},
    {u'1', "   "
           "  |"
           "   "
           "  |"
           "   "},
    {u'2', " - "
           "  |"
           " - "
           "|  "
           " - "},
    {u'3', " - "
           "  |"
           " - "
           "  |"
           " - "},
    {u'4', "   "
           "| |"
           " - "
           "  |"
           "   "},
    {u'5', " - "
           "|  "
           " - "
           "  |"
           " - "},
    {u'6', " - "
           "|  "
           " - "
           "| |"
           " - "},
    {u'7', " - "
           "  |"
           "   "
           "  |"
           "   "},
    {u'8', " - "
           "| |"
           " - "
           "| |"
           " - "},
    {u'9', " - "
           "| |"
           " - "
           "  |"
           " - "},
    {u'-', "   "
           "   "
           " - "
           "   "
           "   "},
    {u' ', "   "
           "   "
           "   "
           "   "
           "   "},
    {u':', "   "
           " o "
           "   "
           " o "
           "   "},
};

bool isLit(const QImage& image, int x, int y)
{
    return image.valid(x, y) && image.pixelColor(x, y).green() > 0x80;
}

// Whether any pixel within the area shows lit.
bool anyLit(const QImage& image, const QRectF& area)
{
    for (int y = int(std::ceil(area.top())); y <= int(area.bottom()); ++y)
        for (int x = int(std::ceil(area.left())); x <= int(area.right()); ++x)
            if (isLit(image, x, y))
                return true;
    return false;
}

// Reads the character painted in `cell` as a person does, whatever the
// thickness of its segments: the bars down the middle of the cell, the
// uprights at its sides half-way up each half, the dots of a colon in the
// middle of each half.
std::string figureIn(const QImage& image, const QRectF& cell)
{
    const qreal w = cell.width(), h = cell.height(), centre = cell.center().x();
    const auto across = [&](qreal y) { return QRectF(centre - 1, y - h / 12, 2, h / 6); };
    const auto bar = [&](const QRectF& area) { return anyLit(image, area) ? '-' : ' '; };
    const auto sides = [&](qreal y, std::string& row) {
        row[0] = anyLit(image, QRectF(cell.left(), y - 1, w / 4, 2)) ? '|' : ' ';
        row[1] = anyLit(image, across(y)) ? 'o' : ' ';
        row[2] = anyLit(image, QRectF(cell.right() - w / 4, y - 1, w / 4, 2)) ? '|' : ' ';
    };
    std::string upper(3, ' '), lower(3, ' ');
    sides(cell.top() + h / 4, upper);
    sides(cell.top() + 3 * h / 4, lower);
    return std::string{' ', bar(QRectF(centre - 1, cell.top(), 2, h / 6)), ' '} + upper
           + std::string{' ', bar(across(cell.center().y())), ' '} + lower
           + std::string{' ', bar(QRectF(centre - 1, cell.bottom() - h / 6, 2, h / 6)), ' '};
}

// The character whose figure this is, '?' for none.
QChar characterOf(const std::string& figure)
{
    for (const GlyphFigure& glyph : kGlyphFigures) {
        if (figure == glyph.figure)
            return QChar(glyph.character);
    }
    return QLatin1Char('?');
}

class SevenSegmentFont : public ::testing::TestWithParam<GlyphFigure> {};

TEST_P(SevenSegmentFont, LightsTheSegmentsOfItsCharacter)
{
    const QRectF cell(4, 4, 28, 50);
    const qreal thickness = 6;
    QImage image(36, 58, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintSevenSegment(painter, cell, QChar(GetParam().character), QColor(0x00, 0xFF, 0x00),
                      QColor(0x00, 0x3A, 0x00), thickness);
    painter.end();
    EXPECT_EQ(FigureRows(figureIn(image, cell), 3), FigureRows(GetParam().figure, 3));
}

INSTANTIATE_TEST_SUITE_P(Characters, SevenSegmentFont, ::testing::ValuesIn(kGlyphFigures));

// The horizontal runs of `image` whose columns hold a painted pixel, lit or
// unlit: the character cells of an LED number or clock, left to right.
std::vector<QRect> paintedCells(const QImage& image)
{
    std::vector<QRect> cells;
    for (int x = 0; x < image.width(); ++x) {
        QRect column;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y).green() > 8)
                column |= QRect(x, y, 1, 1);
        }
        if (column.isNull())
            continue;
        if (cells.empty() || cells.back().right() != x - 1)
            cells.push_back(column);
        else
            cells.back() |= column;
    }
    return cells;
}

// The runs of lit pixels down the middle column of a cell.
int litRunsDown(const QImage& image, const QRect& cell)
{
    int runs = 0;
    bool inRun = false;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        const bool lit = isLit(image, cell.center().x(), y);
        runs += lit && !inRun;
        inRun = lit;
    }
    return runs;
}

// What a row of seven-segment cells reads. A colon paints only its two dots,
// so its cell is a narrow one.
QString readCells(const QImage& image)
{
    QString text;
    for (const QRect& cell : paintedCells(image)) {
        if (cell.width() * 3 < cell.height())
            text += litRunsDown(image, cell) == 2 ? QLatin1Char(':') : QLatin1Char('?');
        else
            text += characterOf(figureIn(image, QRectF(cell).adjusted(0, 0, 1, 1)));
    }
    return text;
}

struct NumberCase {
    int digits;
    int value;
    const char* shown;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << c.value << " in " << c.digits << " digits";
}

class VrNumShows : public ::testing::TestWithParam<NumberCase> {};

// An LED number at a readout's size shows its value right-aligned, a minus
// before the digits of a negative one, blank cells before a short one.
TEST_P(VrNumShows, ItsValueInItsCells)
{
    TVrNum number;
    number.resize(16 * GetParam().digits, 28);
    number.setDigits(GetParam().digits);
    number.setMinimum(-9999);
    number.setValue(GetParam().value);
    EXPECT_EQ(readCells(number.grab().toImage()), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Values, VrNumShows,
                         ::testing::Values(NumberCase{3, 0, "  0"}, NumberCase{3, 7, "  7"},
                                           NumberCase{3, 45, " 45"}, NumberCase{3, 123, "123"},
                                           NumberCase{3, 456, "456"}, NumberCase{3, 789, "789"},
                                           NumberCase{3, -5, " -5"}, NumberCase{3, -50, "-50"},
                                           NumberCase{2, 90, "90"}, NumberCase{4, -100, "-100"},
                                           NumberCase{4, 2000, "2000"}));

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The LED clock shows the time of day as a person reads it off the clock,
// and repaints itself every second to keep it.
TEST(VrLedClock, ShowsTheTimeOfDayAndKeepsIt)
{
    QWidget ground; // the clock's ground is transparent: it stands on a black window
    ground.setStyleSheet(QStringLiteral("background: black"));
    ground.resize(248, 225);
    TVrLedClock clock(&ground);
    clock.setGeometry(ground.rect());
    clock.setLedSize(3);
    clock.setSpacing(8);
    ground.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ground));

    const QString before = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    const QString shown = readCells(ground.grab().toImage());
    const QString after = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    EXPECT_TRUE(shown == before || shown == after) << shown.toStdString() << " at " << after.toStdString();

    PaintCounter counter;
    clock.installEventFilter(&counter);
    QTest::qWait(1100);
    EXPECT_GE(counter.paints, 1) << "a clock left standing";
}

} // namespace
