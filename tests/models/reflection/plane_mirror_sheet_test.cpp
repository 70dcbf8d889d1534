// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/canvas_op.h"
#include "models/reflection/plane_mirror_sheet.h"
#include "ui/rx_label.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_num.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

class PlaneMirrorSheetTest : public ::testing::Test {
protected:
    void SetUp() override { sheet.modelCanvas()->Canvas().SetLog(&ops); }

    int number(const char* name) { return sheet.findChild<TVrNum*>(name)->value(); }
    double dial(const char* name) { return sheet.findChild<TVrJogMeter*>(name)->value(); }
    QAbstractSlider* control(const char* name) { return sheet.findChild<QAbstractSlider*>(name); }
    QCheckBox* ruler() { return sheet.findChild<QCheckBox*>("sCheckBox1"); }
    void check(const char* radio) { sheet.findChild<QRadioButton*>(radio)->setChecked(true); }
    bool checked(const char* radio) { return sheet.findChild<QRadioButton*>(radio)->isChecked(); }
    void redraw() { sheet.refreshButton()->click(); }
    void restoreDefaults() { sheet.findChild<QAbstractButton*>("sBitBtn22")->click(); }

    // The texts the last redraw wrote, such as the ruler's numbers.
    QStringList texts() const
    {
        QStringList found;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::TextOut)
                found << op.text;
        return found;
    }

    std::vector<CanvasOp> ops;
    PlaneMirrorSheet sheet;
};

TEST_F(PlaneMirrorSheetTest, StartsWithTheLayoutsPositions)
{
    EXPECT_EQ(control("sTrackBar8")->value(), 100);
    EXPECT_EQ(control("sScrollBar9")->value(), 200);
    EXPECT_EQ(control("sScrollBar10")->value(), 0);
    EXPECT_EQ(control("sScrollBar10")->minimum(), -100);
    EXPECT_TRUE(checked("sRadioButton5"));
    EXPECT_TRUE(checked("sRadioButton10"));
    EXPECT_FALSE(ruler()->isChecked());
    EXPECT_FALSE(ruler()->isEnabled()); // the point needs no ruler
}

TEST_F(PlaneMirrorSheetTest, RefreshWritesTheReadoutsAndDrawsThePoint)
{
    redraw();
    EXPECT_EQ(number("VrNum19"), 100);
    EXPECT_EQ(number("VrNum20"), 200);
    EXPECT_EQ(number("VrNum21"), 0);
    EXPECT_EQ(number("VrNum22"), 400);
    EXPECT_EQ(dial("VrJogMeter7"), 200);
    EXPECT_EQ(dial("VrJogMeter9"), 0);
    EXPECT_EQ(dial("VrJogMeter10"), 400);
    EXPECT_EQ(texts(), (QStringList{" S", " S*"}));
}

struct ControlRow {
    const char* name;
    const char* control;
    int value;
    int h, X, Y, distance;
};

void PrintTo(const ControlRow& row, std::ostream* os)
{
    *os << row.name;
}

class PlaneMirrorControls : public PlaneMirrorSheetTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(PlaneMirrorControls, EachRedrawsWithItsNewValue)
{
    const ControlRow& row = GetParam();
    control(row.control)->setValue(row.value);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(number("VrNum19"), row.h);
    EXPECT_EQ(number("VrNum20"), row.X);
    EXPECT_EQ(number("VrNum21"), row.Y);
    EXPECT_EQ(number("VrNum22"), row.distance);
    EXPECT_EQ(dial("VrJogMeter7"), row.X);
    EXPECT_EQ(dial("VrJogMeter9"), row.Y);
    EXPECT_EQ(dial("VrJogMeter10"), row.distance);
}

INSTANTIATE_TEST_SUITE_P(Sheet, PlaneMirrorControls,
                         ::testing::Values(ControlRow{"lowest", "sTrackBar8", 10, 10, 200, 0, 400},
                                           ControlRow{"farthest", "sScrollBar9", 300, 100, 300, 0, 600},
                                           ControlRow{"belowTheCentre", "sScrollBar10", -100, 100, 200, -100, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaneMirrorSheetTest, EveryHeightOfTheBaseFitsItsReadoutSignAndAll)
{
    const TVrNum* readout = sheet.findChild<TVrNum*>("VrNum21");
    for (int Y : {-100, -99, 0, 100}) {
        control("sScrollBar10")->setValue(Y);
        EXPECT_EQ(readout->value(), Y);
        EXPECT_LE(QString::number(Y).size(), readout->digits()) << "the display cuts " << Y;
    }
}

TEST_F(PlaneMirrorSheetTest, ObjectKindSwitchesTheRulerOnAndOffKeepingItsMark)
{
    check("sRadioButton6");
    EXPECT_TRUE(ruler()->isEnabled());
    EXPECT_EQ(texts(), (QStringList{" A", " B", " A*", " B*"}));
    ruler()->click();
    EXPECT_TRUE(ruler()->isChecked());
    EXPECT_TRUE(texts().contains("300"));

    check("sRadioButton5");
    EXPECT_FALSE(ruler()->isEnabled());
    EXPECT_TRUE(ruler()->isChecked());
    EXPECT_EQ(texts(), (QStringList{" S", " S*"})) << "the ruler is drawn beside the point";

    check("sRadioButton6");
    EXPECT_TRUE(texts().contains("300")) << "the ruler does not come back with the arrow";
}

TEST_F(PlaneMirrorSheetTest, ExtraRayButtonsRedraw)
{
    for (const char* radio : {"sRadioButton8", "sRadioButton7", "sRadioButton10"}) {
        ops.clear();
        check(radio);
        EXPECT_FALSE(ops.empty()) << radio;
    }
}

TEST_F(PlaneMirrorSheetTest, DefaultButtonRedrawsOncePerChangedPositionInItsOrder)
{
    restoreDefaults();
    EXPECT_TRUE(ops.empty()); // everything already at 200, 100, 0

    check("sRadioButton6");
    check("sRadioButton8");
    ruler()->click();
    control("sScrollBar9")->setValue(50);
    control("sTrackBar8")->setValue(30);
    control("sScrollBar10")->setValue(-60);

    // What each redraw showed of X, h and Y, in turn.
    std::vector<std::vector<int>> shown;
    for (const char* name : {"sScrollBar9", "sTrackBar8", "sScrollBar10"}) {
        QObject::connect(control(name), &QAbstractSlider::valueChanged, &sheet, [this, &shown] {
            shown.push_back({number("VrNum20"), number("VrNum19"), number("VrNum21")});
        });
    }
    restoreDefaults();
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{200, 30, -60}, {200, 100, -60}, {200, 100, 0}}));
    EXPECT_TRUE(checked("sRadioButton6"));
    EXPECT_TRUE(checked("sRadioButton8"));
    EXPECT_TRUE(ruler()->isChecked());

    shown.clear();
    control("sTrackBar8")->setValue(150);
    shown.clear();
    restoreDefaults();
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{200, 100, 0}})) << "unchanged positions redrew";
}

TEST_F(PlaneMirrorSheetTest, ReportsItsReadoutsInWritingOrderThenTheRuler)
{
    QStringList names;
    for (QWidget* readout : sheet.readouts())
        names << readout->objectName();
    EXPECT_EQ(names, (QStringList{"VrNum19", "VrNum20", "VrNum21", "VrNum22", "VrJogMeter7", "VrJogMeter9",
                                  "VrJogMeter10", "sCheckBox1"}));
}

} // namespace
