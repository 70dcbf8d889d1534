#include "kit/canvas_op.h"
#include "models/shadow/two_source_screen_window.h"
#include "models/shadow/two_source_sheet.h"
#include "ui/error_box.h"
#include "ui/rx_label.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_num.h"
#include "side_windows_by_name.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

using Ops = std::vector<CanvasOp>;

class TwoSourceSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The model draws on its auxiliary screen only while it is open.
        screen.show();
        sheet.AttachSideWindows(sideWindows);
        sheet.modelCanvas()->Canvas().SetLog(&ops);
        screen.screenLabel()->Canvas().SetLog(&screenOps);
        SetErrorSink([this](const QString& text) { boxes << text; });
    }
    void TearDown() override { SetErrorSink(nullptr); }

    int number(const char* name) const { return sheet.findChild<TVrNum*>(name)->value(); }
    double dial(const char* name) const { return sheet.findChild<TVrJogMeter*>(name)->value(); }
    bool shown(const char* name) const { return !sheet.findChild<QWidget*>(name)->isHidden(); }
    void set(const char* control, int value) { sheet.findChild<QAbstractSlider*>(control)->setValue(value); }
    void redraw() { sheet.refreshButton()->click(); }

    // Which arrow pictures show, Image1 to Image4.
    std::vector<bool> arrows() const
    {
        return {shown("Image1"), shown("Image2"), shown("Image3"), shown("Image4")};
    }

    TForm3 screen;
    SideWindowMap sideWindows{{"TForm3", &screen}};
    TwoSourceShadowSheet sheet;
    Ops ops;
    Ops screenOps;
    QStringList boxes;
};

TEST_F(TwoSourceSheetTest, StartValuesReadOutAnglesAndDistancesWithTheirArrows)
{
    EXPECT_EQ(arrows(), (std::vector<bool>{false, false, false, false})); // until the first redraw
    redraw();
    EXPECT_EQ(number("VrNum6"), 10);
    EXPECT_EQ(number("VrNum8"), -10);
    EXPECT_EQ(number("VrNum7"), 400);
    EXPECT_EQ(number("VrNum9"), 180);
    EXPECT_EQ(number("VrNum10"), 400);
    EXPECT_EQ(number("VrNum11"), 20);
    EXPECT_EQ(dial("VrJogMeter4"), 400);
    EXPECT_EQ(dial("VrJogMeter5"), 180);
    EXPECT_EQ(dial("VrJogMeter6"), 400);
    // S1 turned up, S2 down.
    EXPECT_EQ(arrows(), (std::vector<bool>{false, true, true, false}));
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(screenOps.front().kind, CanvasOp::Kind::Refresh);
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

TEST_F(TwoSourceSheetTest, RayAlongTheScreenShowsTheErrorAndKeepsReadoutsAndScreen)
{
    set("sTrackBar5", 50);
    set("sScrollBar3", 50);
    set("sTrackBar3", 44);
    ASSERT_TRUE(boxes.isEmpty());
    EXPECT_EQ(number("VrNum6"), 44);
    const Ops screenBefore = screenOps;
    const QImage screenPicture = screen.screenLabel()->Canvas().Image();

    set("sTrackBar3", 45);
    EXPECT_EQ(boxes, QStringList{"Invalid floating point operation."});
    EXPECT_EQ(number("VrNum6"), 44);
    EXPECT_EQ(arrows(), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(screenOps.size(), screenBefore.size());
    EXPECT_EQ(screen.screenLabel()->Canvas().Image(), screenPicture);
    // The picture stays as far as it got: S1 and its first ray.
    int texts = 0;
    for (const CanvasOp& op : ops)
        texts += op.kind == CanvasOp::Kind::TextOut;
    EXPECT_EQ(texts, 2); // "S1" and "P"

    // Past 45 degrees the rays miss the parallel and the model draws again,
    // its sources' paths dashed as ever.
    set("sTrackBar3", 46);
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_EQ(number("VrNum6"), 46);
    int dashed = 0;
    for (const CanvasOp& op : ops)
        dashed += op.kind == CanvasOp::Kind::Ellipse && op.pen.style == PenStyle::psDash && op.pen.width == 1;
    EXPECT_EQ(dashed, 2);
}

// Closed, the screen is not drawn on; opened where the redraw fails, it
// shows its empty white label, not the shadows of controls set otherwise.
TEST_F(TwoSourceSheetTest, ScreenOpenedWhereTheRedrawFailsStaysEmpty)
{
    redraw();
    screen.hide();
    set("sTrackBar5", 50);
    set("sScrollBar3", 50);
    set("sTrackBar3", 45);
    ASSERT_EQ(boxes, QStringList{"Invalid floating point operation."});

    sheet.findChild<QAbstractButton*>("sBitBtn13")->click();
    EXPECT_EQ(boxes.size(), 2);
    const QImage picture = screen.screenLabel()->Canvas().Image();
    EXPECT_EQ(picture.size(), QSize(285, 240));
    QImage white(picture.size(), picture.format());
    white.fill(Qt::white);
    EXPECT_EQ(picture, white);

    // Back where the rays meet the screen, the open screen shows both shadows.
    set("sTrackBar3", 10);
    EXPECT_EQ(screenOps.front().kind, CanvasOp::Kind::Refresh);
    int circles = 0;
    for (const CanvasOp& op : screenOps)
        circles += op.kind == CanvasOp::Kind::Ellipse;
    EXPECT_EQ(circles, 2);
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
    sheet.findChild<QAbstractButton*>("sBitBtn15")->click();
    EXPECT_EQ(number("VrNum6"), 10);
    EXPECT_EQ(number("VrNum8"), -10);
    EXPECT_EQ(number("VrNum7"), 400);
    EXPECT_EQ(number("VrNum9"), 180);
    EXPECT_EQ(number("VrNum10"), 400);
    EXPECT_EQ(number("VrNum11"), 20);
    EXPECT_EQ(arrows(), (std::vector<bool>{false, true, true, false}));

    ops.clear();
    sheet.findChild<QAbstractButton*>("sBitBtn15")->click();
    EXPECT_TRUE(ops.empty()) << "a default button with nothing to change redrew";
}

TEST_F(TwoSourceSheetTest, AuxiliaryScreenOpensOnItsButtonAndFollowsAResize)
{
    EXPECT_EQ(screen.screenLabel()->size(), QSize(285, 240));
    sheet.findChild<QAbstractButton*>("sBitBtn13")->click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(screenOps.empty());

    screen.resize(330, 201);
    QApplication::processEvents();
    redraw();
    std::vector<std::vector<int>> lines;
    for (const CanvasOp& op : screenOps)
        if (op.kind == CanvasOp::Kind::LineTo)
            lines.push_back(op.args);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<int>{165, 201}));
    EXPECT_EQ(lines[1], (std::vector<int>{330, 100}));
    screen.hide();
}

} // namespace
