// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/shadow_screen_window.h"
#include "models/shadow/side_window_names.h"
#include "models/shadow/two_source_sheet.h"
#include "ui/rx_label.h"
#include "sheet_fixture.h"

#include <QApplication>

#include <algorithm>

namespace {

class TwoSourceSheetTest : public SheetTest<TwoSourceShadowSheet> {
protected:
    TwoSourceSheetTest() : SheetTest("sBitBtn15") {}
    void SetUp() override
    {
        // The model draws on its auxiliary screen only while it is open.
        screen.show();
        SheetTest::SetUp();
    }

    // Which arrow pictures show, Image1 to Image4.
    std::vector<bool> arrows() const
    {
        return {shown("Image1"), shown("Image2"), shown("Image3"), shown("Image4")};
    }

    // The LED numbers at the default positions: θ1, θ2, r1, r2, L and R.
    void expectDefaultNumbers() const
    {
        const std::pair<const char*, int> defaults[] = {{"VrNum6", 10},  {"VrNum8", -10},  {"VrNum7", 400},
                                                        {"VrNum9", 180}, {"VrNum10", 400}, {"VrNum11", 20}};
        for (const auto& [name, value] : defaults)
            EXPECT_EQ(number(name), value) << name;
    }

    ShadowScreenWindow& screen = addSideWindow<ShadowScreenWindow>(TwoSourceScreenWindow, TwoSourceScreenLayout);
};

TEST_F(TwoSourceSheetTest, StartValuesReadOutAnglesAndDistancesWithTheirArrows)
{
    EXPECT_EQ(arrows(), (std::vector<bool>{false, false, false, false})); // until the first redraw
    redraw();
    expectDefaultNumbers();
    EXPECT_EQ(dial("VrJogMeter4"), 400);
    EXPECT_EQ(dial("VrJogMeter5"), 180);
    EXPECT_EQ(dial("VrJogMeter6"), 400);
    // S1 turned up, S2 down.
    EXPECT_EQ(arrows(), (std::vector<bool>{false, true, true, false}));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(sideOps.front().kind, CanvasOp::Kind::Refresh);
}

struct ArrowRow {
    int theta1;
    int theta2;
    std::vector<bool> arrows;
};

class TwoSourceArrows : public TwoSourceSheetTest, public ::testing::WithParamInterface<ArrowRow> {};

TEST_P(TwoSourceArrows, PointUpOnlyForASourceTurnedUp)
{
    set("sTrackBar3", GetParam().theta1);
    set("sTrackBar4", GetParam().theta2);
    redraw();
    EXPECT_EQ(number("VrNum6"), GetParam().theta1);
    EXPECT_EQ(number("VrNum8"), GetParam().theta2);
    EXPECT_EQ(arrows(), GetParam().arrows);
}

INSTANTIATE_TEST_SUITE_P(Angles, TwoSourceArrows,
                         ::testing::Values(ArrowRow{0, 0, {true, false, true, false}},
                                           ArrowRow{1, -1, {false, true, true, false}},
                                           ArrowRow{-50, 50, {true, false, false, true}},
                                           ArrowRow{50, 1, {false, true, false, true}}));

// A source keeps 10 outside the obstacle's rim, and 50 from its centre at
// least: at up to 50 degrees both its rays then still head for the screen.
TEST_F(TwoSourceSheetTest, SourcesKeepClearOfTheObstacleSoEveryAngleIsDrawn)
{
    set("sScrollBar3", 50);
    set("sScrollBar4", 50);
    for (const int R : {1, 20, 40, 41, 50}) {
        SCOPED_TRACE(R);
        set("sTrackBar5", R);
        const int nearest = std::max(50, R + 10);
        for (const char* distance : {"sScrollBar3", "sScrollBar4"})
            EXPECT_EQ(slider(distance)->minimum(), nearest) << distance;
    }
    // The sources were pushed back to 60 and stay there.
    EXPECT_EQ(number("VrNum7"), 60);
    EXPECT_EQ(number("VrNum9"), 60);
    EXPECT_EQ(dial("VrJogMeter4"), 60);
    EXPECT_EQ(number("VrNum11"), 50);

    // Where a source on the rim sent a ray along the screen, the picture is drawn.
    for (const int theta : {45, -45, 50, -50}) {
        SCOPED_TRACE(theta);
        set("sTrackBar3", theta);
        set("sTrackBar4", -theta);
        EXPECT_EQ(number("VrNum6"), theta);
        EXPECT_EQ(number("VrNum8"), -theta);
        int shadows = 0;
        for (const CanvasOp* op : opsOf(CanvasOp::Kind::Ellipse))
            shadows += op->brush.style == BrushStyle::bsBDiagonal || op->brush.style == BrushStyle::bsFDiagonal;
        EXPECT_EQ(shadows, 2);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
}

// Closed, the screen is cleared and not drawn on; opened, it shows both
// shadows as the controls cast them.
TEST_F(TwoSourceSheetTest, ClosedScreenIsClearedAndDrawnAgainAsItOpens)
{
    redraw();
    screen.hide();
    const QImage picture = screen.screenLabel()->Canvas().Image();
    EXPECT_EQ(picture.size(), QSize(285, 240));
    QImage white(picture.size(), picture.format());
    white.fill(Qt::white);
    EXPECT_EQ(picture, white);
    sideOps.clear();
    set("sTrackBar3", 20);
    EXPECT_TRUE(sideOps.empty()) << "the closed screen was drawn on";

    click("sBitBtn13");
    EXPECT_EQ(sideOps.front().kind, CanvasOp::Kind::Refresh);
    EXPECT_EQ(opsOf(sideOps, CanvasOp::Kind::Ellipse).size(), 2u);
    screen.hide();
}

TEST_F(TwoSourceSheetTest, DefaultButtonRestoresAllSixControls)
{
    set("sTrackBar3", -20);
    set("sTrackBar4", 30);
    set("sScrollBar4", 60);
    set("sScrollBar3", 70);
    set("sScrollBar5", 80);
    set("sTrackBar5", 9);
    EXPECT_EQ(arrows(), (std::vector<bool>{true, false, false, true}));
    restoreDefaults();
    expectDefaultNumbers();
    EXPECT_EQ(arrows(), (std::vector<bool>{false, true, true, false}));

    ops.clear();
    restoreDefaults();
    EXPECT_TRUE(ops.empty()) << "a default button with nothing to change redrew";
}

TEST_F(TwoSourceSheetTest, AuxiliaryScreenOpensOnItsButtonAndFollowsAResize)
{
    EXPECT_EQ(screen.screenLabel()->size(), QSize(285, 240));
    click("sBitBtn13");
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(sideOps.empty());

    screen.resize(330, 201);
    QApplication::processEvents();
    redraw();
    const auto lines = argsOf(sideOps, CanvasOp::Kind::LineTo);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<int>{165, 201}));
    EXPECT_EQ(lines[1], (std::vector<int>{330, 100}));
    screen.hide();
}

} // namespace
