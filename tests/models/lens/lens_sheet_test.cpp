// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lens/lens_sheet.h"
#include "ui/language.h"
#include "ui/vr_matrix.h"
#include "sheet_fixture.h"

#include <map>
#include <optional>

namespace {

class LensSheetTest : public SheetTest<LensSheet> {
protected:
    LensSheetTest() : SheetTest("sBitBtn27") {}

    QString caseText() { return text("RzLEDDisplay1"); }
    bool captionShown() { return shown("sLabel67"); }
    void setF(int F) { set("sTrackBar14", F); }
    void setD(int d) { set("sScrollBar13", d); }

    // True when the log holds a segment from `from` to `to` drawn in `pen`.
    bool hasSegment(std::vector<int> from, std::vector<int> to, const QString& pen) const
    {
        for (size_t i = 0; i + 1 < ops.size(); ++i) {
            if (ops[i].kind == CanvasOp::Kind::MoveTo && ops[i].args == from && ops[i + 1].kind == CanvasOp::Kind::LineTo
                && ops[i + 1].args == to && ops[i + 1].toString().endsWith(pen))
                return true;
        }
        return false;
    }
};

TEST_F(LensSheetTest, ConvergingDefaultsMakeARealMagnifiedImage)
{
    EXPECT_EQ(text("VrMatrix30"), "0"); // until the first redraw
    redraw();
    EXPECT_EQ(caseText(), "F<d<2F");
    EXPECT_EQ(text("VrMatrix29"), "1,0309");
    EXPECT_EQ(text("VrMatrix30"), "382,121212121212");
    EXPECT_EQ(text("VrMatrix31"), "-2,94");
    EXPECT_EQ(text("VrMatrix32"), "-158,73");
    EXPECT_EQ(number("VrNum26"), 97);
    EXPECT_EQ(number("VrNum28"), 130);
    EXPECT_EQ(number("VrNum27"), 54);
    EXPECT_FALSE(captionShown());

    // The image at f = 382.12 from the axis to yi = -158.73, its arrowhead pointing down.
    const QString blue = "pen=#0000ff,3,dash";
    EXPECT_TRUE(hasSegment({865, 179}, {865, 338}, blue));
    EXPECT_TRUE(hasSegment({865, 338}, {875, 328}, blue));
    EXPECT_TRUE(hasSegment({865, 338}, {855, 328}, blue));
    // Arrowheads on the central rays at (-d/4, +-h1/4).
    EXPECT_TRUE(hasSegment({451, 165}, {429, 164}, "pen=#ffff00,1,solid"));
}

// The readouts write their numbers with the language's decimal separator.
TEST_F(LensSheetTest, NumbersFollowTheLanguage)
{
    const struct {
        const char* language;
        const char* D;
        const char* f;
        const char* G;
    } cases[] = {
        {"en", "1.0309", "382.121212121212", "-2.94"},
        {"ru", "1,0309", "382,121212121212", "-2,94"},
    };
    for (const auto& c : cases) {
        SetLanguage(QString::fromLatin1(c.language));
        redraw();
        EXPECT_EQ(text("VrMatrix29"), c.D) << c.language;
        EXPECT_EQ(text("VrMatrix30"), c.f) << c.language;
        EXPECT_EQ(text("VrMatrix31"), c.G) << c.language;
    }
}

TEST_F(LensSheetTest, DivergingDefaultsMakeAVirtualUprightImage)
{
    check("sRadioButton9");
    EXPECT_EQ(caseText(), "F<d<2F");
    EXPECT_EQ(text("VrMatrix29"), "-1,0309");
    EXPECT_EQ(text("VrMatrix30"), "-55,55");
    EXPECT_EQ(text("VrMatrix31"), "0,43");
    EXPECT_EQ(text("VrMatrix32"), "23,07");
    // The image at f = -55.55 from -23.07 to 23.07, its arrowhead up at the top.
    const QString blue = "pen=#0000ff,3,solid";
    EXPECT_TRUE(hasSegment({427, 179}, {427, 202}, blue));
    EXPECT_TRUE(hasSegment({427, 179}, {427, 156}, blue));
    EXPECT_TRUE(hasSegment({427, 156}, {417, 166}, blue));
    EXPECT_TRUE(hasSegment({427, 156}, {437, 166}, blue));
}

TEST_F(LensSheetTest, ObjectInTheFocusOfAConvergingLensSendsTheRaysToInfinity)
{
    redraw();
    setF(129);
    setF(130);
    EXPECT_EQ(caseText(), "d=F");
    EXPECT_TRUE(captionShown());
    EXPECT_EQ(ops.size(), 1u); // the refresh alone
    // The controls' numbers follow the controls; the image's are undefined.
    EXPECT_EQ(number("VrNum26"), 130);
    EXPECT_EQ(number("VrNum28"), 130);
    EXPECT_EQ(number("VrNum27"), 54);
    EXPECT_EQ(dial("VrJogMeter12"), 130);
    EXPECT_EQ(dial("VrJogMeter11"), 130);
    EXPECT_EQ(text("VrMatrix29"), "0,7692");
    EXPECT_EQ(text("VrMatrix30"), "-");
    EXPECT_EQ(text("VrMatrix31"), "-");
    EXPECT_EQ(text("VrMatrix32"), "-");

    setD(131);
    EXPECT_FALSE(captionShown());
    EXPECT_GT(ops.size(), 50u);
    EXPECT_EQ(caseText(), "F<d<2F");
    EXPECT_EQ(text("VrMatrix30"), "17030");
}

TEST_F(LensSheetTest, ObjectInTheFocusOfADivergingLensStillHasAVirtualImage)
{
    check("sRadioButton9");
    setF(130);
    EXPECT_EQ(caseText(), "d=F");
    EXPECT_FALSE(captionShown());
    EXPECT_GT(ops.size(), 50u);
    // f = -dF / (d + F) = -F / 2, so the image is half the object's height.
    EXPECT_EQ(text("VrMatrix30"), "-65,00");
    EXPECT_EQ(text("VrMatrix31"), "0,50");
    EXPECT_EQ(text("VrMatrix32"), "27,00");
}

struct Row {
    const char* name;
    bool diverging;
    int F, d, h1;
    const char* caseText;
    const char* D;
    const char* f;
    const char* G;
    const char* h2;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

class LensReadouts : public LensSheetTest, public ::testing::WithParamInterface<Row> {
protected:
    // The tip of the drawn image, in model coordinates: the blue point both
    // strokes of its arrowhead start from.
    std::optional<QPointF> imageTip() const
    {
        std::map<std::pair<int, int>, int> starts;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::MoveTo && op.pen.color == QColor(0, 0, 0xFF))
                ++starts[{op.args[0], op.args[1]}];
        for (const auto& [point, count] : starts)
            if (count == 2 && point.second != 179)
                return QPointF(point.first - 483, 179 - point.second);
        return std::nullopt;
    }
};

// The readouts state what the picture shows: Г = -f/d from the thin-lens
// formula 1/d + 1/f = 1/F (-1/F for a diverging lens), negative for an
// inverted image; h2 = Г h1 is the height of the image drawn, its sign the
// way the image's arrowhead points; D = 100/F is negative for a diverging
// lens. Each text fits its display's cells.
TEST_P(LensReadouts, FollowTheThinLensFormulaAndThePicture)
{
    const Row& r = GetParam();
    if (r.diverging)
        check("sRadioButton9");
    setD(r.d);
    setF(r.F);
    set("sTrackBar15", r.h1);
    ops.clear();
    redraw();
    EXPECT_EQ(caseText(), r.caseText);
    EXPECT_EQ(text("VrMatrix29"), r.D);
    EXPECT_EQ(text("VrMatrix30"), r.f);
    EXPECT_EQ(text("VrMatrix31"), r.G);
    EXPECT_EQ(text("VrMatrix32"), r.h2);
    for (const char* display : {"VrMatrix29", "VrMatrix31", "VrMatrix32"})
        EXPECT_FALSE(find<TVrMatrix>(display)->isScrolling()) << display;

    const double F = r.diverging ? -r.F : r.F;
    const double f = 1 / (1 / F - 1.0 / r.d);
    const double G = -f / r.d;
    EXPECT_NEAR(QString(r.G).replace(',', '.').toDouble(), G, 0.05);
    const std::optional<QPointF> tip = imageTip();
    ASSERT_TRUE(tip) << "no image drawn";
    EXPECT_NEAR(tip->x(), f, 1);
    EXPECT_NEAR(tip->y(), G * r.h1, 1) << "the image drawn is not Г h1 high";
    EXPECT_EQ(QString(r.h2).startsWith('-'), tip->y() < 0) << "the sign of h2 is not the way the image stands";
}

INSTANTIATE_TEST_SUITE_P(
    Lens, LensReadouts,
    ::testing::Values(Row{"defaults", false, 97, 130, 54, "F<d<2F", "1,0309", "382,121212121212", "-2,94", "-158,73"},
                      Row{"twiceTheFocus", false, 65, 130, 54, "d=2F", "1,5385", "130", "-1,00", "-54,00"},
                      Row{"beyondTwiceTheFocus", false, 50, 150, 54, "d>2F", "2,0000", "75", "-0,50", "-27,00"},
                      Row{"magnifier", false, 150, 100, 54, "d<F", "0,6667", "-300", "3,00", "162,00"},
                      Row{"divergingDefaults", true, 97, 130, 54, "F<d<2F", "-1,0309", "-55,55", "0,43", "23,07"},
                      Row{"divergingStrong", true, 10, 200, 150, "d>2F", "-10,0000", "-9,52", "0,05", "7,14"},
                      Row{"justBeyondTheFocus", false, 199, 200, 10, "F<d<2F", "0,5025", "39800", "-199,0", "-1990,0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LensSheetTest, VirtualImageOfTheConvergingLensPointsUpAndCentralRaysHaveNoArrowheads)
{
    setF(150);
    redraw();
    // yi = 405 at f = -975: tip (-492, -226), barbs 10 below it.
    const QString blue = "pen=#0000ff,3,dash";
    EXPECT_TRUE(hasSegment({-492, -226}, {-482, -216}, blue));
    EXPECT_TRUE(hasSegment({-492, -226}, {-502, -216}, blue));
    EXPECT_FALSE(hasSegment({451, 165}, {429, 164}, "pen=#ffff00,1,solid"));
    // The refracted rays go on through the rear focus to beyond the right edge.
    EXPECT_TRUE(hasSegment({483, 125}, {983, 305}, "pen=#ffff00,1,solid"));
}

TEST_F(LensSheetTest, OutlinesAreArcsOfTheirEllipses)
{
    redraw();
    EXPECT_EQ(printed(CanvasOp::Kind::Arc),
              (QStringList{"Arc(463,47,503,311,483,47,483,311) pen=#ffffff,3,solid",
                           "Arc(463,47,503,311,483,311,483,47) pen=#ffffff,3,solid"}));

    check("sRadioButton9");
    EXPECT_EQ(printed(CanvasOp::Kind::Arc),
              (QStringList{"Arc(363,47,473,311,433,311,433,47) pen=#ffffff,3,solid",
                           "Arc(493,47,603,311,533,47,533,311) pen=#ffffff,3,solid"}));
    EXPECT_TRUE(hasSegment({433, 52}, {533, 52}, "pen=#ffffff,3,solid"));
    EXPECT_TRUE(hasSegment({433, 306}, {533, 306}, "pen=#ffffff,3,solid"));
}

TEST_F(LensSheetTest, SchematicSymbolsPointOutwardsOrInwards)
{
    check("sRadioButton12");
    EXPECT_TRUE(printed(CanvasOp::Kind::Arc).isEmpty());
    EXPECT_TRUE(hasSegment({483, 20}, {483, 339}, "pen=#ffffff,3,solid"));
    EXPECT_TRUE(hasSegment({483, 20}, {488, 30}, "pen=#ffffff,3,solid"));
    EXPECT_TRUE(hasSegment({483, 339}, {478, 329}, "pen=#ffffff,3,solid"));
    const QString converging = text("VrMatrix30");

    check("sRadioButton9");
    EXPECT_TRUE(hasSegment({483, 20}, {488, 10}, "pen=#ffffff,3,solid"));
    EXPECT_TRUE(hasSegment({483, 339}, {478, 349}, "pen=#ffffff,3,solid"));
    EXPECT_NE(text("VrMatrix30"), converging);
    EXPECT_EQ(text("VrMatrix29"), "-1,0309"); // a diverging lens has a negative power
}

TEST_F(LensSheetTest, MarksAreLabelledOnTheAxis)
{
    redraw();
    EXPECT_EQ(printed(CanvasOp::Kind::TextOut),
              (QStringList{"TextOut(580,179) \"F\" font=#ffffff brush=clear",
                           "TextOut(386,179) \"F\" font=#ffffff brush=clear",
                           "TextOut(677,179) \"2F\" font=#ffffff brush=clear",
                           "TextOut(289,179) \"2F\" font=#ffffff brush=clear",
                           "TextOut(774,179) \"3F\" font=#ffffff brush=clear",
                           "TextOut(192,179) \"3F\" font=#ffffff brush=clear"}));
}

TEST_F(LensSheetTest, DefaultButtonRedrawsOnlyForChangedPositions)
{
    restoreDefaults();
    EXPECT_TRUE(ops.empty());
    setF(120);
    restoreDefaults();
    EXPECT_EQ(number("VrNum26"), 97);
    EXPECT_EQ(text("VrMatrix31"), "-2,94");
}

} // namespace
