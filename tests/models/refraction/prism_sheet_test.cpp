// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/index_table_window.h"
#include "models/refraction/prism_sheet.h"
#include "ui/vr_progress_bar.h"
#include "sheet_fixture.h"

#include <QSignalBlocker>

#include <array>

namespace {

class PrismSheetTest : public SheetTest<PrismSheet> {
protected:
    PrismSheetTest() : SheetTest("sBitBtn26") {}

    // The total-internal-reflection pair and the missed-prism pair, each shown as one.
    bool reflectionShown()
    {
        EXPECT_EQ(shown("Image5"), shown("sLabelFX4"));
        return shown("Image5");
    }
    bool missShown()
    {
        EXPECT_EQ(shown("Image6"), shown("sLabelFX6"));
        return shown("Image6");
    }

    // One redraw at these positions, with no redraws at the settings on the way.
    void redrawAt(int alpha, int P, int s)
    {
        {
            const QSignalBlocker ray(slider("sTrackBar12")), prism(slider("sTrackBar13")), index(slider("sScrollBar6"));
            set("sTrackBar12", alpha);
            set("sTrackBar13", P);
            set("sScrollBar6", s);
        }
        redraw();
    }

    int yellowLines() const { return linesIn(QColor(0xFF, 0xFF, 0x00)); }

    TForm4& indexTable = addSideWindow<TForm4>("TForm4");
};

TEST_F(PrismSheetTest, DefaultsShowTheRayAngleTheApexTheIndexAndTheDeviation)
{
    redraw();
    EXPECT_EQ(text("VrMatrix23"), "13");
    EXPECT_EQ(text("VrMatrix24"), "45");
    EXPECT_EQ(text("VrMatrix27"), "1,34");
    EXPECT_EQ(text("VrMatrix28"), "16,82");
    EXPECT_EQ(text("VrMatrix25"), "1,00029");
    EXPECT_EQ(text("VrMatrix26"), "1,00029");
    EXPECT_EQ(find<TVrProgressBar>("VrProgressBar4")->position(), 133);
    EXPECT_FALSE(reflectionShown());
    EXPECT_FALSE(missShown());
    EXPECT_EQ(yellowLines(), 3);
}

struct Readouts {
    int alpha, P, s;
    const char* n;
    const char* deviation;
    bool missed, reflected;
};

class PrismReadoutsTest : public PrismSheetTest, public ::testing::WithParamInterface<Readouts> {};

// Every redraw says what its own ray does, whatever the one before showed:
// each row comes after a miss, after a total reflection and after the defaults.
TEST_P(PrismReadoutsTest, DeviationOfTheTracedRayOrNoWithTheIndicatorsOfItsOutcome)
{
    const Readouts& r = GetParam();
    for (const std::array<int, 3>& before : {std::array{45, 45, 133}, std::array{2, 25, 300}, std::array{13, 45, 133}}) {
        SCOPED_TRACE(::testing::Message() << "after alpha=" << before[0] << " P=" << before[1] << " s=" << before[2]);
        redrawAt(before[0], before[1], before[2]);
        redrawAt(r.alpha, r.P, r.s);
        EXPECT_EQ(text("VrMatrix23"), QString::number(r.alpha));
        EXPECT_EQ(text("VrMatrix24"), QString::number(r.P)) << "the readout is not the apex angle its arc marks";
        EXPECT_EQ(text("VrMatrix27"), r.n);
        EXPECT_EQ(text("VrMatrix28"), r.deviation);
        EXPECT_EQ(missShown(), r.missed);
        EXPECT_EQ(reflectionShown(), r.reflected);
    }
}

INSTANTIATE_TEST_SUITE_P(Prism, PrismReadoutsTest,
                         ::testing::Values(Readouts{13, 45, 100, "1", "0,00", false, false},
                                           Readouts{1, 45, 101, "1,02", "0,95", false, false},
                                           Readouts{1, 1, 300, "3,01", "2,01", false, false},
                                           Readouts{20, 60, 150, "1,51", "38,06", false, false},
                                           Readouts{45, 45, 133, "1,34", "NO", true, false},
                                           Readouts{45, 90, 133, "1,34", "NO", true, false},
                                           Readouts{45, 160, 133, "1,34", "NO", true, false},
                                           Readouts{5, 160, 300, "3,01", "NO", false, true},
                                           Readouts{2, 25, 300, "3,01", "NO", false, true},
                                           Readouts{5, 60, 300, "3,01", "NO", false, true}));

TEST_F(PrismSheetTest, TotallyReflectedRayIsDrawnOnUntilItLeaves)
{
    // Reflected at the right face, at the base by the corner and at the left
    // face, it leaves by the right face.
    redrawAt(2, 25, 300);
    EXPECT_TRUE(reflectionShown());
    EXPECT_EQ(yellowLines(), 6);
}

TEST_F(PrismSheetTest, DefaultButtonRestoresEveryPositionAndRedrawsOnlyOnChange)
{
    redrawAt(30, 120, 250);
    restoreDefaults();
    EXPECT_EQ(slider("sTrackBar12")->value(), 13);
    EXPECT_EQ(slider("sTrackBar13")->value(), 45);
    EXPECT_EQ(slider("sScrollBar6")->value(), 133);
    EXPECT_EQ(text("VrMatrix28"), "16,82");
    EXPECT_EQ(yellowLines(), 3);

    ops.clear();
    restoreDefaults();
    EXPECT_TRUE(ops.empty()) << "the defaults redrew although nothing changed";
}

TEST_F(PrismSheetTest, EveryControlRedraws)
{
    redraw();
    ops.clear();
    set("sTrackBar12", 20);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix23"), "20");
    ops.clear();
    set("sTrackBar13", 61);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix24"), "61");
    ops.clear();
    set("sScrollBar6", 150);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix27"), "1,51");
}

TEST_F(PrismSheetTest, IndexTableButtonShowsTheOneTable)
{
    click("sBitBtn31");
    EXPECT_TRUE(indexTable.isVisible());
    indexTable.hide();
}

} // namespace
