// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/index_table_window.h"
#include "models/refraction/light_speed_window.h"
#include "models/refraction/refraction_sheet.h"
#include "ui/rx_label.h"
#include "ui/rz_led_display.h"
#include "ui/vr_progress_bar.h"
#include "ui/vr_scroll_text.h"
#include "sheet_fixture.h"

#include <QLabel>

#include <cmath>

namespace {

class RefractionSheetTest : public SheetTest<RefractionSheet> {
protected:
    RefractionSheetTest() : SheetTest("sBitBtn30") { addSideWindow<TForm12>("TForm12"); }

    // One redraw with the angle of incidence and the two media's indices at these positions.
    void redrawAt(int p, int s1, int s2) { redrawWith({{"sTrackBar9", p}, {"sScrollBar7", s1}, {"sScrollBar8", s2}}); }
};

TEST_F(RefractionSheetTest, DefaultsShowTheReadoutsOfAirIntoGlass)
{
    EXPECT_EQ(text("TForm12.RzLEDDisplay1"), ""); // nothing before the first redraw
    redraw();
    EXPECT_EQ(text("VrMatrix13"), "45");
    EXPECT_EQ(text("VrMatrix14"), "135");
    EXPECT_EQ(text("VrMatrix11"), "45");
    EXPECT_EQ(text("VrMatrix12"), "45");
    EXPECT_EQ(text("VrMatrix1"), "1,01");
    EXPECT_EQ(text("VrMatrix2"), "2,01");
    EXPECT_EQ(text("VrMatrix3"), "NO");
    EXPECT_EQ(text("VrMatrix4"), "NO");
    EXPECT_EQ(text("VrMatrix9"), "20,81");
    EXPECT_EQ(text("VrMatrix10"), "290,81");
    EXPECT_EQ(text("VrMatrix5"), "1,99");
    EXPECT_EQ(find<TVrProgressBar>("VrProgressBar1")->position(), 100);
    EXPECT_EQ(find<TVrProgressBar>("VrProgressBar2")->position(), 200);
    EXPECT_EQ(text("TForm12.RzLEDDisplay1"), "296824216 м/с");
    EXPECT_EQ(text("TForm12.RzLEDDisplay2"), "149150477 м/с");
    EXPECT_FALSE(shown("Image7"));
    EXPECT_FALSE(shown("sLabelFX5"));
    EXPECT_FALSE(texts().contains("Ao"));
}

TEST_F(RefractionSheetTest, DenserMediumAboveHasALimitingAngle)
{
    redrawAt(90, 200, 100);
    EXPECT_EQ(text("VrMatrix3"), "30,16");
    EXPECT_EQ(text("VrMatrix4"), "120,2");
    EXPECT_TRUE(texts().contains("Ao"));
    // The critical line ends at 200 (cos 120.16, sin 120.16) = (-100.44, 172.95).
    bool critical = false;
    for (const CanvasOp* line : opsOf(CanvasOp::Kind::LineTo))
        critical |= line->args == std::vector<int>{203, 86} && line->pen.width == 1;
    EXPECT_TRUE(critical);

    redrawAt(60, 200, 100);
    EXPECT_EQ(text("VrMatrix9"), "84,30");
    EXPECT_FALSE(shown("Image7"));
}

TEST_F(RefractionSheetTest, TotalInternalReflectionDrawsNoRefractedRayAndReadsNoAngle)
{
    redrawAt(60, 200, 100);
    redrawAt(62, 200, 100);
    EXPECT_TRUE(shown("Image7"));
    EXPECT_TRUE(shown("sLabelFX5"));
    // No stale angle of refraction beside the indicator.
    EXPECT_EQ(text("VrMatrix9"), "NO");
    EXPECT_EQ(text("VrMatrix10"), "NO");
    EXPECT_EQ(text("VrMatrix13"), "31");
    EXPECT_FALSE(texts().contains("B"));

    redrawAt(40, 200, 100);
    EXPECT_FALSE(shown("Image7"));
    EXPECT_TRUE(texts().contains("B"));
    EXPECT_EQ(text("VrMatrix9"), "42,89");
    EXPECT_EQ(text("VrMatrix10"), "312,89");
}

TEST_F(RefractionSheetTest, EqualLowestIndicesGiveNinetyDegreesAndNoHatch)
{
    redrawAt(70, 100, 100);
    EXPECT_EQ(text("VrMatrix3"), "90,00");
    EXPECT_EQ(text("VrMatrix4"), "180,0");
    EXPECT_EQ(text("VrMatrix9"), "35,00");
    EXPECT_TRUE(opsOf(CanvasOp::Kind::Pie).empty());
}

TEST_F(RefractionSheetTest, HatchesTheHalfOfTheDenserMedium)
{
    redraw();
    auto pies = opsOf(CanvasOp::Kind::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0]->brush.style, BrushStyle::bsFDiagonal);
    EXPECT_EQ(pies[0]->brush.color, QColor(0, 0, 0xFF));
    EXPECT_EQ(pies[0]->args[0], 153); // radius 150 round (303, 259)
    EXPECT_LT(pies[0]->args[4], 303); // from the left, 180 degrees ...
    EXPECT_GT(pies[0]->args[6], 303); // ... round the lower side to 360

    redrawAt(90, 200, 100);
    pies = opsOf(CanvasOp::Kind::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_GT(pies[0]->args[4], 303); // from 0 degrees round the top
    EXPECT_TRUE(opsOf(CanvasOp::Kind::Ellipse).size() == 3u); // two protractor circles and the lamp

    redrawAt(90, 150, 150);
    EXPECT_EQ(opsOf(CanvasOp::Kind::Pie).size(), 1u);
    EXPECT_EQ(opsOf(CanvasOp::Kind::Ellipse).back()->brush.style, BrushStyle::bsFDiagonal);
    EXPECT_EQ(text("VrMatrix9"), "45,00");
}

TEST_F(RefractionSheetTest, ExtremeAnglesReadInHalfDegrees)
{
    redrawAt(1, 100, 200);
    EXPECT_EQ(text("VrMatrix13"), "0,5");
    EXPECT_EQ(text("VrMatrix14"), "90,5");
    EXPECT_EQ(text("VrMatrix12"), "89,5");
    redrawAt(179, 100, 200);
    EXPECT_EQ(text("VrMatrix13"), "89,5");
    EXPECT_EQ(text("VrMatrix14"), "179,5");
    EXPECT_EQ(text("VrMatrix12"), "0,5");
}

TEST_F(RefractionSheetTest, ContinuationIsDottedYellowOnBlack)
{
    redraw();
    const QImage& image = sheet.modelCanvas()->Canvas().Image();
    // Along the continuation at 315 degrees, between radius 80 and 140.
    int yellow = 0;
    for (int r = 80; r < 140; ++r) {
        const int x = 303 + int(std::lround(r * std::cos(-M_PI / 4)));
        const int y = 259 - int(std::lround(r * std::sin(-M_PI / 4)));
        yellow += image.pixel(x, y) == qRgb(0xFF, 0xFF, 0x00);
    }
    EXPECT_GT(yellow, 15);
    EXPECT_LT(yellow, 50);
}

TEST_F(RefractionSheetTest, DefaultButtonRestoresAllThreePositions)
{
    redrawAt(30, 250, 120);
    restoreDefaults();
    EXPECT_EQ(text("VrMatrix13"), "45");
    EXPECT_EQ(text("VrMatrix1"), "1,01");
    EXPECT_EQ(text("VrMatrix2"), "2,01");
    EXPECT_EQ(slider("sScrollBar8")->value(), 200);
}

// The index table's scrolling line shows its letters whole, descenders included.
TEST(IndexTable, ScrollingLineHasRoomForItsFont)
{
    TForm4 table;
    auto* line = table.findChild<TVrScrollText*>("VrScrollText1");
    ASSERT_NE(line, nullptr);
    const QFontMetrics metrics(line->font());
    EXPECT_GE(line->height(), metrics.ascent() + metrics.descent());
    EXPECT_EQ(line->font().pixelSize(), 19);
}

// The table agrees with the dictionary and the problems, which give diamond 2,42.
TEST(IndexTable, DiamondIsTwoPointFourTwo)
{
    TForm4 table;
    EXPECT_EQ(table.findChild<QLabel*>("sPanel9")->text(), "АЛМАЗ");
    EXPECT_EQ(table.findChild<TRzLEDDisplay*>("RzLEDDisplay9")->caption(), "2,42");
}

} // namespace
