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

TEST_F(PrismSheetTest, DefaultsShowTheRayAngleHalfTheApexTheIndexAndTheDeviation)
{
    sheet.refreshButton()->click();
    EXPECT_EQ(text("VrMatrix23"), "13");
    EXPECT_EQ(text("VrMatrix24"), "22,5");
    EXPECT_EQ(text("VrMatrix27"), "1,34");
    EXPECT_EQ(text("VrMatrix28"), "7,65");
    EXPECT_EQ(text("VrMatrix25"), "1,00029");
    EXPECT_EQ(text("VrMatrix26"), "1,00029");
    EXPECT_EQ(sheet.findChild<TVrProgressBar*>("VrProgressBar4")->position(), 133);
    EXPECT_FALSE(reflectionShown());
    EXPECT_FALSE(missShown());
    EXPECT_EQ(yellowLines(), 3);
}

struct Readouts {
    int alpha, P, s;
    const char* F;
    const char* n;
    const char* deviation;
};

class PrismReadoutsTest : public PrismSheetTest, public ::testing::WithParamInterface<Readouts> {};

TEST_P(PrismReadoutsTest, DeviationDependsOnTheApexAndTheIndexOnly)
{
    const Readouts& r = GetParam();
    set(r.alpha, r.P, r.s);
    EXPECT_EQ(text("VrMatrix23"), QString::number(r.alpha));
    EXPECT_EQ(text("VrMatrix24"), r.F);
    EXPECT_EQ(text("VrMatrix27"), r.n);
    EXPECT_EQ(text("VrMatrix28"), r.deviation);
}

INSTANTIATE_TEST_SUITE_P(Prism, PrismReadoutsTest,
                         ::testing::Values(Readouts{13, 45, 100, "22,5", "1", "0,00"},
                                           Readouts{1, 45, 101, "22,5", "1,02", "0,45"},
                                           Readouts{1, 1, 300, "0,5", "3,01", "1,01"},
                                           Readouts{13, 160, 300, "80", "3,01", "39,20"},
                                           Readouts{5, 160, 300, "80", "3,01", "39,20"},
                                           Readouts{45, 90, 133, "45", "1,34", "15,30"}));

TEST_F(PrismSheetTest, MissedPrismReadsNoAndShowsItsIndicatorAlone)
{
    set(2, 25, 300);
    ASSERT_TRUE(reflectionShown());
    set(45, 45, 133);
    EXPECT_TRUE(missShown());
    EXPECT_FALSE(reflectionShown());
    EXPECT_EQ(text("VrMatrix28"), "NO");
    EXPECT_EQ(yellowLines(), 1);

    set(13, 45, 133);
    EXPECT_FALSE(missShown());
    EXPECT_EQ(text("VrMatrix28"), "7,65");
}

TEST_F(PrismSheetTest, TotalInternalReflectionAtTheFaceAndAtTheBase)
{
    set(2, 25, 300);
    EXPECT_TRUE(reflectionShown());
    EXPECT_FALSE(missShown());
    EXPECT_EQ(yellowLines(), 2);

    set(13, 45, 133);
    EXPECT_FALSE(reflectionShown());

    set(5, 60, 300);
    EXPECT_TRUE(reflectionShown());
    EXPECT_EQ(text("VrMatrix28"), "60,30");
}

TEST_F(PrismSheetTest, RayAlongTheFaceLeavesBothIndicatorsAsTheyWere)
{
    set(45, 45, 133);
    set(45, 90, 133);
    EXPECT_TRUE(missShown());
    EXPECT_FALSE(reflectionShown());
    EXPECT_EQ(text("VrMatrix28"), "15,30") << "the deviation does not depend on the ray";
    EXPECT_EQ(yellowLines(), 0);

    set(2, 25, 300);
    set(45, 90, 300);
    EXPECT_TRUE(reflectionShown());
    EXPECT_FALSE(missShown());

    set(13, 45, 133);
    set(45, 90, 133);
    EXPECT_FALSE(reflectionShown());
    EXPECT_FALSE(missShown());
}

TEST_F(PrismSheetTest, DefaultButtonRestoresEveryPositionAndRedrawsOnlyOnChange)
{
    set(30, 120, 250);
    sheet.findChild<QAbstractButton*>("sBitBtn26")->click();
    EXPECT_EQ(slider("sTrackBar12")->value(), 13);
    EXPECT_EQ(slider("sTrackBar13")->value(), 45);
    EXPECT_EQ(indexBar()->value(), 133);
    EXPECT_EQ(text("VrMatrix28"), "7,65");
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
    EXPECT_EQ(text("VrMatrix24"), "30,5");
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
