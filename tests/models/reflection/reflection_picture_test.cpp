#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/reflection/reflection_picture.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBlack(0, 0, 0);

class ReflectionPicture : public ::testing::Test {
protected:
    RecordingCanvas canvas{607, 519};

    std::vector<const CanvasOp*> opsOf(CanvasOp::Kind kind) const
    {
        std::vector<const CanvasOp*> found;
        for (const CanvasOp& op : canvas.Ops()) {
            if (op.kind == kind)
                found.push_back(&op);
        }
        return found;
    }

    // The screen direction, in degrees 0..360, of a radial point of an arc.
    static double directionOf(const CanvasOp& arc, int pointIndex)
    {
        const double cx = (arc.args[0] + arc.args[2]) / 2.0, cy = (arc.args[1] + arc.args[3]) / 2.0;
        const double x = arc.args[4 + 2 * pointIndex] - cx, y = cy - arc.args[5 + 2 * pointIndex];
        return std::fmod(std::atan2(y, x) * 180 / M_PI + 360, 360);
    }

    // The smallest turn between two directions, in degrees.
    static double turnBetween(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

    const CanvasOp* arcOfRadius(int radius) const
    {
        for (const CanvasOp* arc : opsOf(CanvasOp::Kind::Arc)) {
            if (arc->args[2] - arc->args[0] == 2 * radius)
                return arc;
        }
        return nullptr;
    }
};

TEST_F(ReflectionPicture, CentresOnTheCanvasAndDrawsAxesFirst)
{
    DrawReflection(canvas, 45, 10);
    EXPECT_EQ(CenterX, 303);
    EXPECT_EQ(CenterY, 259);
    const auto& ops = canvas.Ops();
    ASSERT_GE(ops.size(), 7u);
    EXPECT_EQ(ops[0].toString(), "Refresh()");
    EXPECT_EQ(ops[2].toString(), "LineTo(303,519) pen=#ffffff,1,solid");
    EXPECT_EQ(ops[4].toString(), "LineTo(607,259) pen=#ffffff,1,solid");
    EXPECT_EQ(ops[5].toString(), "Ellipse(103,459,503,59) pen=#ffffff,1,solid brush=clear");
    EXPECT_EQ(ops[6].toString(), "Ellipse(108,454,498,64) pen=#ffffff,1,solid brush=clear");
}

TEST_F(ReflectionPicture, LabelsTheProtractorEveryTenDegrees)
{
    DrawReflection(canvas, 45, 10);
    QStringList labels;
    for (const CanvasOp* text : opsOf(CanvasOp::Kind::TextOut))
        labels << text->text;
    ASSERT_EQ(labels.size(), 36 + 3);
    EXPECT_EQ(labels.first(), "10");
    EXPECT_EQ(labels[35], "360");
    EXPECT_EQ(labels.mid(36), (QStringList{" A", "B", " F"}));
    // The label of 90 degrees: tick end (0, 210), text at (-10, 215).
    EXPECT_EQ(opsOf(CanvasOp::Kind::TextOut)[8]->args, (std::vector<int>{293, 44}));
    // 72 minor and 36 major ticks.
    EXPECT_EQ(opsOf(CanvasOp::Kind::LineTo).size(), 2u + 36 + 72 + 6);
}

TEST_F(ReflectionPicture, DrawsTheReflectedRayAtNinetyPlusAPlusTwoF)
{
    DrawReflection(canvas, 45, 10);
    // R = 155 degrees: 200 (cos R, sin R) = (-181.26, 84.52).
    const std::string expected = "LineTo(122,174) pen=#ffff00,3,solid";
    bool found = false;
    for (const CanvasOp* line : opsOf(CanvasOp::Kind::LineTo))
        found |= line->toString().toStdString() == expected;
    EXPECT_TRUE(found);

    const CanvasOp* lamp = opsOf(CanvasOp::Kind::Ellipse).back();
    // Lamp centred on 200 (cos 45, sin 45) = (141.42, 141.42).
    EXPECT_EQ(lamp->toString(), "Ellipse(437,125,451,111) pen=#ffff00,3,solid brush=#ffff00,solid");
}

TEST_F(ReflectionPicture, LetterBStandsOnBlackAndLetterAOnNothing)
{
    DrawReflection(canvas, 45, 10);
    const auto texts = opsOf(CanvasOp::Kind::TextOut);
    EXPECT_EQ(texts[36]->brush.style, BrushStyle::bsClear);
    EXPECT_EQ(texts[37]->brush.style, BrushStyle::bsSolid);
    EXPECT_EQ(texts[37]->brush.color, kBlack);
}

struct ArcCase {
    const char* name;
    int A, F;
    double incidenceFrom, incidenceTo, reflectionFrom, reflectionTo;
};

void PrintTo(const ArcCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReflectionArcs : public ReflectionPicture, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ReflectionArcs, MarkTheAnglesOnTheLampsSideOfTheNormal)
{
    const ArcCase& c = GetParam();
    DrawReflection(canvas, c.A, c.F);
    const CanvasOp* incidence = arcOfRadius(40);
    const CanvasOp* reflection = arcOfRadius(30);
    ASSERT_TRUE(incidence && reflection);
    EXPECT_LT(turnBetween(directionOf(*incidence, 0), c.incidenceFrom), 0.1);
    EXPECT_LT(turnBetween(directionOf(*incidence, 1), c.incidenceTo), 0.1);
    EXPECT_LT(turnBetween(directionOf(*reflection, 0), c.reflectionFrom), 0.1);
    EXPECT_LT(turnBetween(directionOf(*reflection, 1), c.reflectionTo), 0.1);
    EXPECT_EQ(incidence->pen.width, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReflectionArcs,
    ::testing::Values(ArcCase{"belowNinety", 45, 10, 45, 101, 101, 155},
                      ArcCase{"aboveNinety", 60, 40, 311, 30, 230, 311},
                      ArcCase{"straightDown", 2, 89, 0, 88, 270, 0},
                      ArcCase{"largest", 89, 89, 0, 1, 357, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReflectionPicture, SmallestAnglesGiveAFullReflectionCircle)
{
    DrawReflection(canvas, 1, 0);
    const CanvasOp* reflection = arcOfRadius(30);
    ASSERT_TRUE(reflection);
    EXPECT_EQ(reflection->args[4], reflection->args[6]);
    EXPECT_EQ(reflection->args[5], reflection->args[7]);
}

TEST_F(ReflectionPicture, UntiltedMirrorStillGetsAOneDegreeMark)
{
    DrawReflection(canvas, 45, 0);
    const CanvasOp* tilt = arcOfRadius(60);
    ASSERT_TRUE(tilt);
    EXPECT_LT(turnBetween(directionOf(*tilt, 0), 0), 0.1);
    EXPECT_LT(turnBetween(directionOf(*tilt, 1), 1), 0.1);
    EXPECT_TRUE(arcOfRadius(55));
    // " F" at 70 (cos 0.5, sin 0.5) = (69.997, 0.611).
    EXPECT_EQ(opsOf(CanvasOp::Kind::TextOut).back()->args, (std::vector<int>{373, 258}));
}

TEST_F(ReflectionPicture, LeavesAOnePixelPen)
{
    DrawReflection(canvas, 45, 10);
    EXPECT_EQ(canvas.Pen().width, 1);
    EXPECT_EQ(canvas.Pen().color, QColor(0xFF, 0xFF, 0xFF));
}

} // namespace
