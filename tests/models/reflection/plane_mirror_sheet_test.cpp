// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/plane_mirror_sheet.h"
#include "ui/vr_num.h"
#include "sheet_fixture.h"

namespace {

class PlaneMirrorSheetTest : public SheetTest<PlaneMirrorSheet> {
protected:
    PlaneMirrorSheetTest() : SheetTest("sBitBtn22") {}

    QAbstractButton* ruler() { return button("sCheckBox1"); }
};

TEST_F(PlaneMirrorSheetTest, StartsWithTheLayoutsPositions)
{
    EXPECT_EQ(slider("sTrackBar8")->value(), 100);
    EXPECT_EQ(slider("sScrollBar9")->value(), 200);
    EXPECT_EQ(slider("sScrollBar10")->value(), 0);
    EXPECT_EQ(slider("sScrollBar10")->minimum(), -100);
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
    set(row.control, row.value);
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
    const TVrNum* readout = find<TVrNum>("VrNum21");
    for (int Y : {-100, -99, 0, 100}) {
        set("sScrollBar10", Y);
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
    set("sScrollBar9", 50);
    set("sTrackBar8", 30);
    set("sScrollBar10", -60);

    // What each redraw showed of X, h and Y, in turn.
    std::vector<std::vector<int>> shown;
    for (const char* name : {"sScrollBar9", "sTrackBar8", "sScrollBar10"}) {
        QObject::connect(slider(name), &QAbstractSlider::valueChanged, &sheet, [this, &shown] {
            shown.push_back({number("VrNum20"), number("VrNum19"), number("VrNum21")});
        });
    }
    restoreDefaults();
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{200, 30, -60}, {200, 100, -60}, {200, 100, 0}}));
    EXPECT_TRUE(checked("sRadioButton6"));
    EXPECT_TRUE(checked("sRadioButton8"));
    EXPECT_TRUE(ruler()->isChecked());

    shown.clear();
    set("sTrackBar8", 150);
    shown.clear();
    restoreDefaults();
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{200, 100, 0}})) << "unchanged positions redrew";
}

TEST_F(PlaneMirrorSheetTest, ReportsItsReadoutsInWritingOrderThenTheRuler)
{
    EXPECT_EQ(readoutNames(), (QStringList{"VrNum19", "VrNum20", "VrNum21", "VrNum22", "VrJogMeter7", "VrJogMeter9",
                                  "VrJogMeter10", "sCheckBox1"}));
}

} // namespace
