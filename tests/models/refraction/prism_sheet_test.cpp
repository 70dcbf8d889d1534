// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/canvas_op.h"
#include "models/refraction/index_table_window.h"
#include "models/refraction/prism_sheet.h"
#include "ui/error_box.h"
#include "ui/rx_label.h"
#include "ui/vr_matrix.h"
#include "ui/vr_progress_bar.h"
#include "side_windows_by_name.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <gtest/gtest.h>

#include <array>

namespace {

class PrismSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.AttachSideWindows(sideWindows);
        sheet.modelCanvas()->Canvas().SetLog(&ops);
        SetErrorSink([this](const QString& text) { errors << text; });
    }
    void TearDown() override
    {
        SetErrorSink(nullptr);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    }

    QString text(const char* matrix) { return sheet.findChild<TVrMatrix*>(matrix)->text(); }
    bool shown(const char* name) { return !sheet.findChild<QWidget*>(name)->isHidden(); }
    QSlider* slider(const char* name) { return sheet.findChild<QSlider*>(name); }
    QScrollBar* indexBar() { return sheet.findChild<QScrollBar*>("sScrollBar6"); }

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
    void set(int alpha, int P, int s)
    {
        {
            const QSignalBlocker ray(slider("sTrackBar12")), prism(slider("sTrackBar13")), index(indexBar());
            slider("sTrackBar12")->setValue(alpha);
            slider("sTrackBar13")->setValue(P);
            indexBar()->setValue(s);
        }
        sheet.refreshButton()->click();
    }

    int yellowLines() const
    {
        int lines = 0;
        for (const CanvasOp& op : ops)
            lines += op.kind == CanvasOp::Kind::LineTo && op.pen.color == QColor(0xFF, 0xFF, 0x00);
        return lines;
    }

    TForm4 indexTable;
    SideWindowMap sideWindows{{"TForm4", &indexTable}};
    PrismSheet sheet;
    std::vector<CanvasOp> ops;
    QStringList errors;
};

TEST_F(PrismSheetTest, DefaultsShowTheRayAngleTheApexTheIndexAndTheDeviation)
{
    sheet.refreshButton()->click();
    EXPECT_EQ(text("VrMatrix23"), "13");
    EXPECT_EQ(text("VrMatrix24"), "45");
    EXPECT_EQ(text("VrMatrix27"), "1,34");
    EXPECT_EQ(text("VrMatrix28"), "16,82");
    EXPECT_EQ(text("VrMatrix25"), "1,00029");
    EXPECT_EQ(text("VrMatrix26"), "1,00029");
    EXPECT_EQ(sheet.findChild<TVrProgressBar*>("VrProgressBar4")->position(), 133);
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
        set(before[0], before[1], before[2]);
        set(r.alpha, r.P, r.s);
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
    set(2, 25, 300);
    EXPECT_TRUE(reflectionShown());
    EXPECT_EQ(yellowLines(), 6);
}

TEST_F(PrismSheetTest, DefaultButtonRestoresEveryPositionAndRedrawsOnlyOnChange)
{
    set(30, 120, 250);
    sheet.findChild<QAbstractButton*>("sBitBtn26")->click();
    EXPECT_EQ(slider("sTrackBar12")->value(), 13);
    EXPECT_EQ(slider("sTrackBar13")->value(), 45);
    EXPECT_EQ(indexBar()->value(), 133);
    EXPECT_EQ(text("VrMatrix28"), "16,82");
    EXPECT_EQ(yellowLines(), 3);

    ops.clear();
    sheet.findChild<QAbstractButton*>("sBitBtn26")->click();
    EXPECT_TRUE(ops.empty()) << "the defaults redrew although nothing changed";
}

TEST_F(PrismSheetTest, EveryControlRedraws)
{
    sheet.refreshButton()->click();
    ops.clear();
    slider("sTrackBar12")->setValue(20);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix23"), "20");
    ops.clear();
    slider("sTrackBar13")->setValue(61);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix24"), "61");
    ops.clear();
    indexBar()->setValue(150);
    EXPECT_FALSE(ops.empty());
    EXPECT_EQ(text("VrMatrix27"), "1,51");
}

TEST_F(PrismSheetTest, IndexTableButtonShowsTheOneTable)
{
    sheet.findChild<QAbstractButton*>("sBitBtn31")->click();
    EXPECT_TRUE(indexTable.isVisible());
    indexTable.hide();
}

} // namespace
