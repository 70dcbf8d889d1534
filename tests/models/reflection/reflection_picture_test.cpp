// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/reflection/reflection_geometry.h"
#include "models/reflection/reflection_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace ModelColour;

struct Setting {
    int A, F;
};

void PrintTo(const Setting& s, std::ostream* os)
{
    *os << "A=" << s.A << " F=" << s.F;
}

// What a pupil must be able to read off the law-of-reflection picture, found
// in the recorded redraw.
struct ReflectionFigures {
    explicit ReflectionFigures(int A, int F)
    {
        DrawReflection(canvas, ReflectionStateOf(A, F));
        picture.emplace(canvas);
    }

    RecordingCanvas canvas{607, 519};
    std::optional<Picture> picture;

    std::vector<DrawnSegment> fromOrigin(const PenTest& pen) const
    {
        std::vector<DrawnSegment> found;
        for (const DrawnSegment& s : picture->lines(pen)) {
            if (Length(s.from) <= 0.5)
                found.push_back(s);
        }
        return found;
    }
    std::vector<DrawnSegment> normal() const { return fromOrigin(PenOf(Gray, 1)); }
    std::vector<DrawnSegment> mirror() const { return fromOrigin(PenOf(Blue, 8)); }
    std::vector<DrawnSegment> rays() const { return fromOrigin(PenOf(Yellow, 3)); }
    // The lamp: the one filled yellow disc.
    DrawnEllipse lamp() const
    {
        for (const DrawnEllipse& e : picture->ellipses()) {
            if (e.brush.color == Yellow && e.brush.style == BrushStyle::bsSolid)
                return e;
        }
        ADD_FAILURE() << "no lamp";
        return {};
    }
};

class ReflectionLaw : public ::testing::TestWithParam<Setting> {};

TEST_P(ReflectionLaw, MirrorLiesAcrossTheNormalAtItsTilt)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    const auto normal = figures.normal();
    const auto mirror = figures.mirror();
    ASSERT_EQ(normal.size(), 2u);
    ASSERT_EQ(mirror.size(), 2u);
    EXPECT_NEAR(TurnBetween(normal[0].direction(), normal[1].direction()), 180, 0.6);
    EXPECT_NEAR(TurnBetween(mirror[0].direction(), mirror[1].direction()), 180, 0.6);
    for (const DrawnSegment& half : mirror) {
        EXPECT_NEAR(AngleBetweenLines(half.direction(), normal[0].direction()), 90, 0.6);
        EXPECT_NEAR(half.length(), 150, 1);
    }
    // The tilt F is measured counterclockwise from the horizontal.
    EXPECT_NEAR(AngleBetweenLines(mirror[0].direction(), F), 0, 0.6);
    EXPECT_NEAR(AngleBetweenLines(normal[0].direction(), F + 90), 0, 0.6);
}

TEST_P(ReflectionLaw, LampFallsOnTheCentreAtAFromTheVertical)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    const DrawnEllipse lamp = figures.lamp();
    EXPECT_NEAR(lamp.rx, 7, 0.5);
    EXPECT_NEAR(Length(lamp.centre), 200, 1);
    // On the right of the protractor's vertical, A from it.
    EXPECT_NEAR(TurnBetween(DirectionOf(lamp.centre), 90 - A), 0, 0.5);
    EXPECT_TRUE(RayFrom(figures.rays(), {0, 0}, DirectionOf(lamp.centre)).has_value())
        << "no ray from the lamp to the centre";
}

TEST_P(ReflectionLaw, ReflectedRayMakesTheSameAngleWithTheNormalOnItsOtherSide)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    const double incident = DirectionOf(figures.lamp().centre);
    const double normal = figures.normal()[0].direction();
    const auto rays = figures.rays();
    ASSERT_EQ(rays.size(), 2u);
    const DrawnSegment reflected = TurnBetween(rays[0].direction(), incident) < 1 ? rays[1] : rays[0];

    EXPECT_NEAR(reflected.length(), 200, 1);
    EXPECT_NEAR(AngleBetweenLines(reflected.direction(), normal), AngleBetweenLines(incident, normal), 0.6);
    const Pt n = UnitAt(normal);
    EXPECT_LT(Cross(n, UnitAt(incident)) * Cross(n, UnitAt(reflected.direction())), 0)
        << "both rays lie on one side of the normal";
    // The mirror image of the incident ray in the normal.
    EXPECT_NEAR(TurnBetween(reflected.direction(), 2 * normal - incident), 0, 0.6);

    // The readouts of the two angles give what the picture shows: each ray's
    // angle with the normal on the lamp's side.
    const double lampSide = TurnBetween(incident, normal) <= 90 ? normal : normal + 180;
    const ReflectionReadouts readouts = ReflectionStateOf(A, F).readouts;
    EXPECT_NEAR(readouts.incidenceAngle, TurnBetween(incident, lampSide), 0.6);
    EXPECT_NEAR(readouts.reflectionAngle, TurnBetween(reflected.direction(), lampSide), 0.6);
}

// An angle arc runs from its ray round to the normal the short way; the arc
// of incidence ends one degree beyond the normal, that of reflection one degree short of it.
void ExpectArcBetween(const DrawnArc& arc, double ray, double normal, const char* what)
{
    SCOPED_TRACE(what);
    const double nearHalf = TurnBetween(ray, normal) <= 90 ? normal : normal + 180;
    const double angle = TurnBetween(ray, nearHalf);
    const bool rayFirst = TurnBetween(arc.from, ray) < 0.6;
    const double rayEnd = rayFirst ? arc.from : arc.to;
    const double normalEnd = rayFirst ? arc.to : arc.from;
    EXPECT_LT(TurnBetween(rayEnd, ray), 0.6) << "the arc does not start at its ray";
    EXPECT_NEAR(TurnBetween(normalEnd, nearHalf), 1, 0.6) << "the arc does not end at the normal";
    EXPECT_NEAR(arc.span(), angle, 1.6) << "the arc goes the long way round";
    const double between = ray + std::remainder(nearHalf - ray, 360.0) / 2;
    EXPECT_TRUE(arc.covers(between)) << "the arc misses the angle between its ray and the normal";
}

TEST_P(ReflectionLaw, ArcsMarkTheAnglesOfIncidenceAndReflection)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    const double incident = 90 - A;
    const double reflected = 90 + A + 2 * F;
    const auto incidence = figures.picture->arcsOfRadius(40);
    const auto reflection = figures.picture->arcsOfRadius(30);
    ASSERT_EQ(incidence.size(), 1u);
    ASSERT_EQ(reflection.size(), 1u);
    ExpectArcBetween(incidence[0], incident, F + 90, "incidence");
    ExpectArcBetween(reflection[0], reflected, F + 90, "reflection");
    EXPECT_EQ(incidence[0].pen.color, White);
    EXPECT_EQ(incidence[0].pen.width, 2);
}

TEST_P(ReflectionLaw, LabelsStandBesideWhatTheyName)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    const auto near = [](const DrawnText& label, double direction, double radius) {
        return TurnBetween(DirectionOf(label.topLeft), direction) <= 12 && std::fabs(Length(label.topLeft) - radius) <= 20;
    };
    // A is the angle between the ray and the vertical: the letter's box is
    // centred on its bisector, as near to it as the narrowest angle allows.
    const DrawnText letterA = figures.picture->text(" A");
    const TextArea boxA{letterA.topLeft, double(figures.canvas.TextWidth(letterA.text)),
                        double(figures.canvas.TextHeight())};
    EXPECT_LE(TurnBetween(DirectionOf(boxA.centre()), 90 - A / 2.0), 6) << "A stands off its angle's middle";
    EXPECT_NEAR(Length(boxA.centre()), 55, 5);
    // B stands at the reflected ray; F inside the mirror's tilt.
    EXPECT_TRUE(near(figures.picture->text("B"), 90 + A + 2 * F, 60));
    EXPECT_TRUE(near(figures.picture->text(" F"), std::max(F, 1) / 2.0, 70));
}

TEST_P(ReflectionLaw, TiltArcsSpanTheMirrorsTilt)
{
    const auto [A, F] = GetParam();
    const ReflectionFigures figures(A, F);
    for (int radius : {55, 60}) {
        const auto tilt = figures.picture->arcsOfRadius(radius);
        ASSERT_EQ(tilt.size(), 1u);
        EXPECT_LT(TurnBetween(tilt[0].from, 0), 0.6);
        EXPECT_NEAR(tilt[0].span(), std::max(F, 1), 0.6);
    }
}

std::vector<Setting> sweep()
{
    std::vector<Setting> settings;
    for (int A : {2, 15, 30, 45, 60, 75, 89})
        for (int F : {0, 10, 30, 44, 60, 89})
            settings.push_back({A, F});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Sweep, ReflectionLaw, ::testing::ValuesIn(sweep()));

class ReflectionPicture : public ::testing::Test {};

TEST_F(ReflectionPicture, CentresOnTheCanvasAndDrawsAxesAcrossIt)
{
    const ReflectionFigures figures(45, 10);
    EXPECT_EQ(figures.canvas.Mapping().centerX, 303);
    EXPECT_EQ(figures.canvas.Mapping().centerY, 259);
    const auto axes = figures.picture->lines(PenOf(White, 1));
    ASSERT_GE(axes.size(), 2u);
    EXPECT_EQ(figures.canvas.Ops()[0].kind, CanvasOp::Kind::Refresh);
    EXPECT_EQ(axes[0].length(), 519);
    EXPECT_EQ(axes[1].length(), 607);
}

TEST_F(ReflectionPicture, ProtractorIsNumberedAtItsOwnAngles)
{
    const ReflectionFigures figures(45, 10);
    // A tick every 5 degrees; every 10 a second one, of the numbered scale.
    ExpectProtractor(*figures.picture, [](int degrees) { return degrees % 10 == 0 ? 2 : 1; });
}

TEST_F(ReflectionPicture, LetterBStandsOnBlackAndLetterAOnNothing)
{
    const ReflectionFigures figures(45, 10);
    EXPECT_EQ(figures.picture->text(" A").brush.style, BrushStyle::bsClear);
    const DrawnText B = figures.picture->text("B");
    EXPECT_EQ(B.brush.style, BrushStyle::bsSolid);
    EXPECT_EQ(B.brush.color, Black);
}

TEST_F(ReflectionPicture, SmallestAnglesGiveAFullReflectionCircle)
{
    const ReflectionFigures figures(1, 0);
    const auto reflection = figures.picture->arcsOfRadius(30);
    ASSERT_EQ(reflection.size(), 1u);
    EXPECT_EQ(reflection[0].span(), 360);
}

TEST_F(ReflectionPicture, UntiltedMirrorStillGetsAOneDegreeMark)
{
    const ReflectionFigures figures(45, 0);
    // " F" at 70 (cos 0.5, sin 0.5) = (69.997, 0.611).
    const DrawnText F = figures.picture->text(" F");
    EXPECT_EQ(figures.canvas.Ops()[F.order].args, (std::vector<int>{373, 258}));
}

TEST_F(ReflectionPicture, LeavesAOnePixelPen)
{
    const ReflectionFigures figures(45, 10);
    EXPECT_EQ(figures.canvas.Pen().width, 1);
    EXPECT_EQ(figures.canvas.Pen().color, White);
}

} // namespace
