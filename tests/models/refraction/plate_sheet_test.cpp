// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/plate_sheet.h"
#include "ui/skin_manager.h"
#include "ui/vr_matrix.h"
#include "ui/vr_progress_bar.h"
#include "sheet_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>

namespace {

class PlateSheetTest : public SheetTest<PlateSheet> {
protected:
    PlateSheetTest() : SheetTest("sBitBtn23") {}

    // One redraw with the angle of incidence, the plate's index and its thickness at these positions.
    void redrawAt(int A, int s, int t) { redrawWith({{"sTrackBar10", A}, {"sScrollBar11", s}, {"sTrackBar11", t}}); }

    QWidget& indexTable = addSideWindow<QWidget>("TForm4");
};

TEST_F(PlateSheetTest, ReadoutsShowTheirLayoutTextsUntilTheFirstRedraw)
{
    EXPECT_EQ(text("VrMatrix18"), "0,566");
    for (const char* matrix : {"VrMatrix17", "VrMatrix19", "VrMatrix20", "VrMatrix21", "VrMatrix22"})
        EXPECT_EQ(text(matrix), "0") << matrix;
    // Air's index is only shown; the model never writes it.
    redraw();
    EXPECT_EQ(text("VrMatrix15"), "1,00029");
    EXPECT_EQ(text("VrMatrix16"), "1,00029");
}

struct Readouts {
    int A, s, t;
    const char* n2;
    const char* cm;
    const char* mm;
    const char* shift;
    const char* B;
    const char* onProtractor;
    const char* emergence = nullptr; // A" and its reading on the protractor about the exit point,
    const char* emergentReading = nullptr; // when the ray does not leave parallel through the lower face
};

void PrintTo(const Readouts& r, std::ostream* os)
{
    *os << "A=" << r.A << " s=" << r.s << " t=" << r.t;
}

class PlateReadouts : public PlateSheetTest, public ::testing::WithParamInterface<Readouts> {};

TEST_P(PlateReadouts, FollowEveryControl)
{
    const Readouts& r = GetParam();
    redrawAt(r.A, r.s, r.t);
    EXPECT_EQ(number("VrNum23"), r.A);
    EXPECT_EQ(number("VrNum24"), r.A + 90);
    EXPECT_EQ(text("VrMatrix19"), r.emergence ? r.emergence : QString::number(r.A));
    EXPECT_EQ(text("VrMatrix21"), r.emergentReading ? r.emergentReading : QString::number(r.A + 90));
    EXPECT_EQ(text("VrMatrix17"), r.n2);
    EXPECT_EQ(find<TVrProgressBar>("VrProgressBar3")->position(), r.s);
    EXPECT_EQ(text("VrMatrix6"), r.cm);
    EXPECT_EQ(text("VrMatrix7"), r.mm);
    EXPECT_EQ(text("VrMatrix18"), r.shift);
    EXPECT_EQ(text("VrMatrix20"), r.B); // unrounded: the display scrolls it
    EXPECT_TRUE(find<TVrMatrix>("VrMatrix20")->isScrolling());
    EXPECT_EQ(text("VrMatrix22"), r.onProtractor);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PlateReadouts,
    ::testing::Values(
        Readouts{45, 150, 50, "1,51", "5,1", "51", "1,695", "27,9228763880305", "297,923"}, // the defaults
        // The thinnest plate: one millimetre.
        Readouts{45, 150, 0, "1,51", "0,1", "1", "0,033", "27,9228763880305", "297,923"},
        // The lowest index is 1.01, never air's 1: the ray still bends a
        // little. B + 270 = 314.43549 is first cut to 314.4355, then to 314,436.
        Readouts{45, 100, 50, "1,01", "5,1", "51", "0,070", "44,4354868633254", "314,436"},
        // A grazing ray into the thickest plate of the lowest index meets the
        // side face at 90 - B and leaves it at A" = arcsin(n2 cos B), read
        // 90 - A" on the protractor along that face; not parallel to the
        // incident ray, it has no shift.
        Readouts{89, 100, 200, "1,01", "20,1", "201", "NO", "81,8693788228088", "351,869", "8,21248596824022",
                 "81,7875140317598"},
        // Nearly at the critical angle of the side face.
        Readouts{85, 140, 200, "1,41", "20,1", "201", "NO", "44,952559744548", "314,953", "86,2384698184586",
                 "3,76153018154136"},
        // Almost straight down: the shift all but vanishes.
        Readouts{1, 150, 50, "1,51", "5,1", "51", "0,030", "0,662232778496166", "270,662"},
        Readouts{60, 300, 123, "3,01", "12,4", "124", "8,876", "16,7212704211054", "286,721"}));

TEST_F(PlateSheetTest, EachControlRedraws)
{
    set("sTrackBar10", 30);
    EXPECT_EQ(number("VrNum23"), 30);
    set("sScrollBar11", 200);
    EXPECT_EQ(text("VrMatrix17"), "2,01");
    set("sTrackBar11", 9);
    EXPECT_EQ(text("VrMatrix7"), "10");
}

TEST_F(PlateSheetTest, DefaultButtonRedrawsOnlyForPositionsThatChange)
{
    restoreDefaults();
    EXPECT_TRUE(ops.empty()) << "all three already at their defaults";

    redrawAt(10, 280, 170);
    QSignalSpy angle(slider("sTrackBar10"), &QAbstractSlider::valueChanged);
    QSignalSpy thickness(slider("sTrackBar11"), &QAbstractSlider::valueChanged);
    QSignalSpy index(slider("sScrollBar11"), &QAbstractSlider::valueChanged);
    restoreDefaults();
    EXPECT_EQ(angle.count() + thickness.count() + index.count(), 3);
    EXPECT_EQ(text("VrMatrix18"), "1,695");
    EXPECT_EQ(text("VrMatrix22"), "297,923");
}

TEST_F(PlateSheetTest, IndexButtonShowsTheTableOfIndices)
{
    click("sBitBtn19");
    EXPECT_TRUE(indexTable.isVisible());
    indexTable.hide();
}

TEST_F(PlateSheetTest, CaptionsTakeTheSkinsCaptionColourAndReadoutCaptionsAreUnderlined)
{
    // Every skin's caption colour reads on its group ground (see the skins' tests).
    SkinManager skins;
    sheet.show();
    const QList<QLabel*> captions = sheet.findChildren<QLabel*>();
    ASSERT_GT(captions.size(), 20);
    for (const Skin& skin : BuiltInSkins()) {
        skins.setSkinName(skin.name);
        for (QLabel* caption : captions) {
            if (!qobject_cast<QGroupBox*>(caption->parentWidget()))
                continue;
            caption->ensurePolished();
            EXPECT_EQ(caption->palette().color(QPalette::WindowText), skin.caption)
                << caption->objectName().toStdString() << " in " << skin.name.toStdString();
        }
    }
    for (const char* name : {"thicknessCaption", "shiftCaption", "refractedCaption1"}) {
        auto* caption = find<QLabel>(name);
        EXPECT_TRUE(caption->font().underline()) << name;
        EXPECT_TRUE(caption->font().bold()) << name;
    }
    skins.setSkinName(StartSkinName());
}

} // namespace
