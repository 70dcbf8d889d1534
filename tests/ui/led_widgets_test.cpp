// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/led_text.h"
#include "ui/rz_led_display.h"
#include "ui/segment_font.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_matrix.h"
#include "ui/vr_progress_bar.h"
#include "ui/vr_scroll_text.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Lit pixels (bright green or red) of a widget's picture within `area`.
int litPixels(QWidget& widget, const QRect& area)
{
    const QImage image = widget.grab().toImage();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.green() > 200 || c.red() > 200;
        }
    }
    return n;
}

TEST(LedCells, DecimalMarksShareTheCellOfTheCharacterBefore)
{
    const QVector<LedCell> cells = LedCells(QStringLiteral("290,81"));
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[2].character, QLatin1Char('0'));
    EXPECT_EQ(cells[2].mark, QLatin1Char(','));
    EXPECT_TRUE(cells[3].mark.isNull());

    EXPECT_EQ(LedCells(QStringLiteral(",5")).size(), 2);
    EXPECT_EQ(LedCells(QStringLiteral("1,,2")).size(), 3);
    EXPECT_EQ(LedCells(QStringLiteral("296824216 м/с")).size(), 13);
}

// The lit pixels of one fourteen-segment cell, 20 by 34, white on black.
std::vector<QPoint> litSegmentPixels(QChar c)
{
    QImage image(20, 34, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintFourteenSegments(painter, QRectF(0, 0, 20, 34), c, QChar(), Qt::white, Qt::black);
    painter.end();
    std::vector<QPoint> lit;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128)
                lit.push_back({x, y});
    return lit;
}

// "F<d<2F" must not read as "F\d\2F": each comparison sign spans the cell.
TEST(SegmentFont, ComparisonSignsPointTheWayTheyCompare)
{
    for (const QChar sign : {QLatin1Char('<'), QLatin1Char('>')}) {
        SCOPED_TRACE(sign.toLatin1());
        const std::vector<QPoint> lit = litSegmentPixels(sign);
        ASSERT_FALSE(lit.empty());
        const auto [leftmost, rightmost] = std::minmax_element(
            lit.begin(), lit.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        EXPECT_LE(leftmost->x(), 4);
        EXPECT_GE(rightmost->x(), 15);
        // The point of the sign lies at mid-height, its open ends above and below.
        const QPoint point = sign == QLatin1Char('<') ? *leftmost : *rightmost;
        EXPECT_NEAR(point.y(), 17, 3);
        int above = 0, below = 0;
        for (QPoint p : lit) {
            const bool openSide = sign == QLatin1Char('<') ? p.x() >= 15 : p.x() <= 4;
            above += openSide && p.y() < 12;
            below += openSide && p.y() > 22;
        }
        EXPECT_GT(above, 0);
        EXPECT_GT(below, 0);
    }

    // "=": two bars across the cell, nothing lit between them.
    std::map<int, int> rows;
    for (QPoint p : litSegmentPixels(QLatin1Char('=')))
        ++rows[p.y()];
    int bars = 0;
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        EXPECT_FALSE(std::abs(row->first - 17) <= 1) << "lit at mid-height";
        bars += row->second >= 14 && !rows.count(row->first - 1);
    }
    EXPECT_EQ(bars, 2);
}

struct FitCase {
    const char* text;
    int leds;
    bool scrolls;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.text << " in " << c.leds;
}

class MatrixFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(MatrixFit, MovesOnlyATextLongerThanItsCells)
{
    TVrMatrix matrix;
    matrix.setLeds(GetParam().leds);
    matrix.setText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(matrix.isScrolling(), GetParam().scrolls);
}

INSTANTIATE_TEST_SUITE_P(Texts, MatrixFit,
                         ::testing::Values(FitCase{"290,81", 5, false}, FitCase{"20,81", 5, false},
                                           FitCase{"NO", 5, false}, FitCase{"1,0309", 8, false},
                                           FitCase{"382,121212121212", 6, true},
                                           FitCase{"27,9228763880305", 8, true}, FitCase{"-0,43", 5, false},
                                           FitCase{"-55,55", 5, false}, FitCase{"-0,4300", 5, true}));

TEST(VrMatrix, ShowsEveryCellOfAFittingTextAndNothingForAnEmptyOne)
{
    TVrMatrix matrix;
    matrix.resize(96, 26);
    matrix.setLeds(5);
    matrix.setText(QStringLiteral("290,81"));
    EXPECT_GT(litPixels(matrix, QRect(76, 0, 20, 26)), 5); // the last cell holds the "1"

    matrix.setText(QString());
    EXPECT_EQ(litPixels(matrix, matrix.rect()), 0);
}

// The light a display gives off within `area`: the green above that of an unlit dot.
long lightOf(QWidget& widget, const QRect& area)
{
    const QImage image = widget.grab().toImage();
    long light = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            light += std::max(0, image.pixelColor(x, y).green() - 0x40);
    return light;
}

// "2,94" must never read as 294: its comma gives off as much light as three
// dots of a digit, and hangs below the digits like a written comma.
TEST(VrMatrix, DecimalCommaIsAsVisibleAsASegment)
{
    TVrMatrix matrix;
    matrix.resize(96, 26);
    matrix.setLeds(5);
    const auto light = [&matrix](const QString& text, const QRect& area) {
        matrix.setText(text);
        return lightOf(matrix, area);
    };
    const QRect all = matrix.rect();
    const long comma = light(QStringLiteral("2,94"), all) - light(QStringLiteral("294"), all);
    const long dot = (light(QStringLiteral("-"), all) - light(QString(), all)) / 5; // a dash lights five dots
    EXPECT_GE(comma, 3 * dot);

    // The rows below the digits light only for the comma.
    const QRect belowDigits(0, 22, 96, 4);
    EXPECT_EQ(light(QStringLiteral("294"), belowDigits), 0);
    EXPECT_GT(light(QStringLiteral("2,94"), belowDigits), 0);
}

TEST(VrMatrix, AnimatesOnlyWhileShownAndOverlong)
{
    TVrMatrix matrix;
    matrix.resize(96, 26);
    matrix.setLeds(5);
    matrix.setText(QStringLiteral("27,9228763880305"));
    EXPECT_FALSE(matrix.isAnimating());
    matrix.show();
    EXPECT_TRUE(matrix.isAnimating());
    const QImage before = matrix.grab().toImage();
    QTest::qWait(600); // longer than one step of the marquee
    EXPECT_NE(matrix.grab().toImage(), before);
    matrix.hide();
    EXPECT_FALSE(matrix.isAnimating());

    matrix.show();
    matrix.setText(QStringLiteral("NO"));
    EXPECT_FALSE(matrix.isAnimating());
}

// Moving texts started apart step at the same moments, so that one repaint
// serves them all.
TEST(LedMarquee, TextsStartedApartStepTogether)
{
    LedMarquee early(250), late(250);
    QSignalSpy earlySteps(&early, &LedMarquee::stepped), lateSteps(&late, &LedMarquee::stepped);
    early.setNeeded(true);
    early.setVisible(true);
    QTest::qWait(90);
    late.setNeeded(true);
    late.setVisible(true);
    // From the late one's first step on; a loaded machine may run the
    // early one's first step late, between the two starts.
    for (int wait = 0; wait < 100 && lateSteps.count() < 1; ++wait)
        QTest::qWait(20);
    ASSERT_GE(lateSteps.count(), 1);
    const qsizetype ahead = earlySteps.count() - lateSteps.count();
    for (int sample = 0; sample < 10; ++sample) {
        QTest::qWait(70);
        EXPECT_EQ(earlySteps.count() - lateSteps.count(), ahead) << "sample " << sample;
    }
    EXPECT_GE(lateSteps.count(), 2);
}

TEST(RzLedDisplay, FitsAsManyCellsAsItsHeightAllows)
{
    TRzLEDDisplay display;
    display.resize(233, 41);
    const int cells = display.cellCount();
    EXPECT_GE(cells, 7);
    display.setCaption(QStringLiteral("1,00029"));
    EXPECT_FALSE(display.isScrolling());

    display.resize(481, 33);
    display.setCaption(QStringLiteral("296824216 м/с"));
    EXPECT_FALSE(display.isScrolling());

    display.resize(60, 41);
    EXPECT_TRUE(display.isScrolling());
    display.show();
    EXPECT_TRUE(display.isAnimating());
    display.hide();
    EXPECT_FALSE(display.isAnimating());
}

// The rightmost lit pixel column of a display's picture.
int rightmostLit(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).green() > 200)
                return x;
    return -1;
}

// Numbers in a column of right-aligned displays end at the same place, as in
// a table; left-aligned ones start at the same place.
TEST(RzLedDisplay, AlignsItsCaptionForAColumnOfNumbers)
{
    TRzLEDDisplay display;
    display.resize(80, 38);
    display.setAlignment(Qt::AlignRight);
    display.setCaption(QStringLiteral("100"));
    const int end = rightmostLit(display);
    for (const char* caption : {"0", "35", "76"}) {
        display.setCaption(QString::fromLatin1(caption));
        EXPECT_NEAR(rightmostLit(display), end, 1) << caption;
    }
    display.setAlignment(Qt::AlignLeft);
    display.setCaption(QStringLiteral("1"));
    EXPECT_LT(rightmostLit(display), end - 20);
}

TEST(RzLedDisplay, ShowsTheDecimalCommaBetweenItsCells)
{
    TRzLEDDisplay display;
    display.resize(233, 41);
    // Nine cells 16.5 wide, 23.9 apart, from x = 12.65: the gap after the first.
    const QRect gap(30, 0, 6, 41);
    display.setCaption(QStringLiteral("133"));
    EXPECT_EQ(lightOf(display, gap), 0);
    display.setCaption(QStringLiteral("1,33"));
    EXPECT_GT(lightOf(display, gap), 500);
}

TEST(RzLedDisplay, LightsItsSegmentsInItsOwnColour)
{
    TRzLEDDisplay display;
    display.resize(153, 41);
    display.setSegmentColor(QColor(0xFF, 0x00, 0x00));
    display.setCaption(QStringLiteral("=1,33"));
    const QImage image = display.grab().toImage();
    int red = 0, green = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80;
            green += c.green() > 200;
        }
    }
    EXPECT_GT(red, 50);
    EXPECT_EQ(green, 0);
}

TEST(VrProgressBar, ClampsItsPositionIntoItsRange)
{
    TVrProgressBar bar;
    bar.setMinValue(101);
    bar.setMaxValue(201);
    bar.setPosition(133);
    EXPECT_EQ(bar.position(), 133);
    EXPECT_DOUBLE_EQ(bar.fraction(), 0.32);
    bar.setPosition(500);
    EXPECT_EQ(bar.position(), 201);
    bar.setPosition(0);
    EXPECT_EQ(bar.position(), 101);
    EXPECT_DOUBLE_EQ(bar.fraction(), 0.0);
}

TEST(VrJogMeter, HoldsItsRealValueUnderARedPointer)
{
    TVrJogMeter meter;
    meter.resize(140, 80);
    meter.setValue(37.5);
    EXPECT_DOUBLE_EQ(meter.value(), 37.5);
    const QImage image = meter.grab().toImage();
    const QColor pointer = image.pixelColor(70, 30);
    EXPECT_GT(pointer.red(), 200);
    EXPECT_LT(pointer.green(), 100);
}

TEST(VrScrollText, MovesLeftOnlyWhileShown)
{
    TVrScrollText text;
    text.resize(300, 20);
    text.setText(QStringLiteral("Значения показателей преломления"));
    EXPECT_FALSE(text.isAnimating());
    const int start = text.textPosition();
    text.show();
    QTest::qWait(200);
    EXPECT_LT(text.textPosition(), start);
    text.hide();
    const int stopped = text.textPosition();
    QTest::qWait(100);
    EXPECT_EQ(text.textPosition(), stopped);
}

} // namespace
