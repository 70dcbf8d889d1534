// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/reflection_sheet.h"
#include "ui/rx_label.h"
#include "sheet_fixture.h"

namespace {

class ReflectionSheetTest : public SheetTest<ReflectionSheet> {
protected:
    ReflectionSheetTest() : SheetTest("sBitBtn17") {}

    // Pixels of the canvas that are not the black background.
    int drawnPixels()
    {
        const QImage& image = sheet.modelCanvas()->Canvas().Image();
        int n = 0;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3)
                n += image.pixel(x, y) != qRgb(0, 0, 0);
        }
        return n;
    }
};

TEST_F(ReflectionSheetTest, StartsWithTheLayoutsPositionsAndAnEmptyCanvas)
{
    EXPECT_EQ(slider("sTrackBar7")->value(), 45);
    EXPECT_EQ(slider("sTrackBar6")->value(), 10);
    EXPECT_EQ(slider("sTrackBar7")->minimum(), 1);
    EXPECT_EQ(slider("sTrackBar7")->maximum(), 89);
    EXPECT_EQ(slider("sTrackBar6")->minimum(), 0);
    EXPECT_EQ(sheet.modelCanvas()->Canvas().Width(), 607);
    EXPECT_EQ(sheet.modelCanvas()->Canvas().Height(), 519);
    EXPECT_EQ(drawnPixels(), 0);
}

TEST_F(ReflectionSheetTest, RefreshButtonDrawsAndWritesTheReadouts)
{
    click("sBitBtn16");
    EXPECT_GT(drawnPixels(), 1000);
    EXPECT_EQ(number("VrNum12"), 155);
    EXPECT_EQ(number("VrNum16"), 45);
    EXPECT_EQ(number("VrNum13"), 10);
    EXPECT_EQ(number("VrNum17"), 65);
    EXPECT_EQ(number("VrNum15"), 45);
    EXPECT_EQ(number("VrNum14"), 10);
    EXPECT_EQ(number("VrNum29"), 55);
    EXPECT_EQ(number("VrNum30"), 55);
}

TEST_F(ReflectionSheetTest, EachTrackBarRedraws)
{
    set("sTrackBar7", 89);
    EXPECT_EQ(number("VrNum15"), 89);
    set("sTrackBar6", 89);
    EXPECT_EQ(number("VrNum17"), 267);
    EXPECT_EQ(number("VrNum12"), 357);
    EXPECT_EQ(number("VrNum29"), 2); // 178 from the normal F + 90: the lamp lights the other face
}

TEST_F(ReflectionSheetTest, DefaultButtonRedrawsOnlyForPositionsThatChange)
{
    restoreDefaults();
    EXPECT_EQ(drawnPixels(), 0); // both already at 45 and 10

    slider("sTrackBar6")->blockSignals(true);
    slider("sTrackBar6")->setValue(30);
    slider("sTrackBar6")->blockSignals(false);
    restoreDefaults();
    EXPECT_EQ(slider("sTrackBar6")->value(), 10);
    EXPECT_EQ(number("VrNum13"), 10);
    EXPECT_GT(drawnPixels(), 1000);
}

TEST_F(ReflectionSheetTest, PictureSurvivesARepaintOfTheLabel)
{
    sheet.show();
    click("sBitBtn16");
    const QImage before = sheet.modelCanvas()->grab().toImage();
    sheet.modelCanvas()->repaint();
    EXPECT_EQ(sheet.modelCanvas()->grab().toImage(), before);
    EXPECT_NE(before.pixel(303, 10), qRgb(0, 0, 0)); // the vertical axis
}

TEST_F(ReflectionSheetTest, ReportsItsReadoutsInWritingOrder)
{
    EXPECT_EQ(readoutNames(), (QStringList{"VrNum12", "VrNum16", "VrNum13", "VrNum17", "VrNum15", "VrNum14", "VrNum29", "VrNum30"}));
}

} // namespace
