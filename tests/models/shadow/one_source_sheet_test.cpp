// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/one_source_sheet.h"
#include "models/shadow/shadow_screen_window.h"
#include "models/shadow/side_window_names.h"
#include "ui/rx_label.h"
#include "sheet_fixture.h"

#include <QApplication>

namespace {

class OneSourceSheetTest : public SheetTest<OneSourceShadowSheet> {
protected:
    OneSourceSheetTest() : SheetTest("sBitBtn12") {}
    void SetUp() override
    {
        // The model draws on its auxiliary screen only while it is open.
        screen.show();
        SheetTest::SetUp();
    }

    // Every redraw draws the screen's six edges once.
    int screensDrawn() const { return linesIn(QColor(0x80, 0x80, 0x80)) / 6; }

    ShadowScreenWindow& screen = addSideWindow<ShadowScreenWindow>(OneSourceScreenWindow, OneSourceScreenLayout);
};

TEST_F(OneSourceSheetTest, StartValuesReadOutSizesAndDistances)
{
    EXPECT_EQ(number("VrNum3"), 0); // until the first redraw
    redraw();
    EXPECT_EQ(number("VrNum1"), 40);
    EXPECT_EQ(number("VrNum2"), 30);
    EXPECT_EQ(number("VrNum3"), 361);
    EXPECT_EQ(number("VrNum5"), 800);
    EXPECT_EQ(number("VrNum4"), 439);
    EXPECT_EQ(dial("VrJogMeter2"), 361);
    EXPECT_EQ(dial("VrJogMeter1"), 800);
    EXPECT_EQ(dial("VrJogMeter3"), 439);
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 411);
    EXPECT_TRUE(slider("sTrackBar1")->isEnabled());
    EXPECT_TRUE(slider("sTrackBar2")->isEnabled());
    EXPECT_EQ(screensDrawn(), 1);
    // The auxiliary screen shows penumbra and umbra round its centre (144, 122).
    EXPECT_EQ(argsOf(sideOps, CanvasOp::Kind::Ellipse),
              (std::vector<std::vector<int>>{{259, 237, 29, 7}, {162, 140, 126, 104}}));
}

TEST_F(OneSourceSheetTest, PointSourceFreezesItsSizeAndCastsASharpShadow)
{
    check("sRadioButton1");
    EXPECT_FALSE(slider("sTrackBar1")->isEnabled());
    EXPECT_EQ(number("VrNum1"), 40); // the size control's position all the same
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 371);
    // The source has no extent: only its name marks it.
    EXPECT_TRUE(texts().contains("S"));
    const auto boxes = argsOf(ops, CanvasOp::Kind::Ellipse);
    EXPECT_EQ(boxes.back(), (std::vector<int>{60, 179, 60, 179}));
    // Umbra and penumbra coincide: yU = yP = 30 * 800 / 361 = 66.48.
    const std::vector<int> shadow{827, 113, 893, 245};
    EXPECT_EQ(boxes[1], shadow);
    EXPECT_EQ(boxes[2], shadow);

    check("sRadioButton2");
    EXPECT_TRUE(slider("sTrackBar1")->isEnabled());
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 411);
}

TEST_F(OneSourceSheetTest, RemovedObstacleLeavesScreenAndSourceAndEmptyAxes)
{
    check("sRadioButton3");
    EXPECT_FALSE(slider("sTrackBar2")->isEnabled());
    EXPECT_EQ(number("VrNum2"), 30);
    EXPECT_EQ(texts(), QStringList{"S"});
    EXPECT_TRUE(argsOf(sideOps, CanvasOp::Kind::Ellipse).empty());
    EXPECT_EQ(argsOf(sideOps, CanvasOp::Kind::LineTo).size(), 2u + 2 * 2 * 101);

    check("sRadioButton4");
    EXPECT_TRUE(slider("sTrackBar2")->isEnabled());
    EXPECT_TRUE(texts().contains("P"));
    EXPECT_EQ(argsOf(sideOps, CanvasOp::Kind::Ellipse).size(), 2u);
}

TEST_F(OneSourceSheetTest, ScreenIsPushedBackBehindObstacleAndSource)
{
    set("sTrackBar1", 100);
    set("sScrollBar2", 471);
    EXPECT_EQ(number("VrNum5"), 471);

    set("sScrollBar1", 500);
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 610);
    EXPECT_EQ(slider("sScrollBar2")->value(), 610);
    EXPECT_EQ(number("VrNum3"), 500);
    EXPECT_EQ(number("VrNum5"), 610);
    EXPECT_EQ(number("VrNum4"), 110);
    EXPECT_EQ(dial("VrJogMeter1"), 610);
    // The screen's move redrew the model before the obstacle's redraw went
    // on; that one refreshed the canvas and drew the same picture once more,
    // with the screen at 610: its near edge at x = 540.
    EXPECT_EQ(screensDrawn(), 1);
    const std::vector<std::vector<int>> lines = argsOf(ops, CanvasOp::Kind::LineTo);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::vector<int>& end) { return end[0] == 60 + 540; }));

    // A nearer obstacle lowers the minimum and leaves the screen where it is.
    set("sScrollBar1", 300);
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 410);
    EXPECT_EQ(number("VrNum5"), 610);
    EXPECT_EQ(screensDrawn(), 1);
}

// The obstacle's disc never reaches into the source's: their centres stay
// at least the sum of the two radii apart, and the screen stays behind both.
TEST_F(OneSourceSheetTest, ObstacleIsPushedBackClearOfTheSourceAndTheScreenBehindIt)
{
    set("sScrollBar1", 1);
    set("sScrollBar2", 1);
    EXPECT_EQ(number("VrNum3"), 40 + 30);
    EXPECT_EQ(number("VrNum5"), 70 + 40 + 10);

    // A larger obstacle moves back, and the screen then behind it.
    set("sTrackBar2", 100);
    EXPECT_EQ(slider("sScrollBar1")->value(), 140);
    EXPECT_EQ(number("VrNum3"), 140);
    EXPECT_EQ(slider("sScrollBar2")->minimum(), 140 + 40 + 10);
    EXPECT_EQ(number("VrNum5"), 190);
    EXPECT_EQ(number("VrNum4"), 50);
    EXPECT_EQ(dial("VrJogMeter2"), 140);

    // Without extent (a point source, a removed obstacle) a radius counts 0;
    // the centres stay 1 apart at least.
    set("sTrackBar1", 100);
    const struct {
        const char* source;
        const char* obstacle;
        int nearest;
    } rows[] = {{"sRadioButton2", "sRadioButton4", 200},
                {"sRadioButton1", "sRadioButton4", 100},
                {"sRadioButton2", "sRadioButton3", 100},
                {"sRadioButton1", "sRadioButton3", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.source) + " " + row.obstacle);
        check(row.source);
        check(row.obstacle);
        EXPECT_EQ(slider("sScrollBar1")->minimum(), row.nearest);
        EXPECT_EQ(number("VrNum3"), 200) << "the obstacle stays where it was pushed";
    }
}

TEST_F(OneSourceSheetTest, DefaultButtonRestoresPositionsAndRedrawsOnlyForChanges)
{
    restoreDefaults();
    EXPECT_EQ(slider("sScrollBar1")->value(), 360); // one less than at the start
    EXPECT_EQ(number("VrNum3"), 360);
    EXPECT_EQ(number("VrNum4"), 440);

    ops.clear();
    restoreDefaults();
    EXPECT_TRUE(ops.empty()) << "a default button with nothing to change redrew";

    check("sRadioButton1");
    set("sTrackBar1", 77);
    set("sTrackBar2", 5);
    set("sScrollBar1", 480);
    set("sScrollBar2", 700);
    restoreDefaults();
    EXPECT_EQ(number("VrNum1"), 40);
    EXPECT_EQ(number("VrNum2"), 30);
    EXPECT_EQ(number("VrNum3"), 360);
    EXPECT_EQ(number("VrNum5"), 800);
    EXPECT_TRUE(checked("sRadioButton1")) << "the radio buttons are not reset";
}

TEST_F(OneSourceSheetTest, ClosedAuxiliaryScreenIsDrawnAsItOpensAndFollowsAResize)
{
    screen.hide();
    sideOps.clear(); // of its clearing as it closed
    redraw();
    EXPECT_EQ(screensDrawn(), 1);
    EXPECT_TRUE(sideOps.empty()) << "the closed screen was drawn on";
    set("sTrackBar1", 20);

    EXPECT_EQ(screen.screenLabel()->size(), QSize(289, 245));
    click("sBitBtn10");
    EXPECT_TRUE(screen.isVisible());
    // Opened, it shows the shadow as the controls now cast it, s = 20:
    // yU = (30 - 20) * 800 / 361 + 20 = 42.16, yP = (30 + 20) * 800 / 361 - 20 = 90.80.
    EXPECT_EQ(argsOf(sideOps, CanvasOp::Kind::Ellipse),
              (std::vector<std::vector<int>>{{235, 213, 53, 31}, {186, 164, 102, 80}}));

    screen.resize(401, 300);
    QApplication::processEvents();
    EXPECT_EQ(screen.screenLabel()->size(), QSize(401, 300));
    redraw();
    const auto lines = argsOf(sideOps, CanvasOp::Kind::LineTo);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<int>{200, 300})); // the vertical axis down the new middle
    EXPECT_EQ(lines[1], (std::vector<int>{401, 150}));
    EXPECT_EQ(argsOf(sideOps, CanvasOp::Kind::Ellipse)[0], (std::vector<int>{291, 241, 109, 59}));
    screen.hide();
}

} // namespace
