// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/refraction/refraction_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace ModelColour;

constexpr double kDegree = M_PI / 180;

struct Setting {
    int p, s1, s2;
};

void PrintTo(const Setting& s, std::ostream* os)
{
    *os << "p=" << s.p << " s1=" << s.s1 << " s2=" << s.s2;
}

// The optics of the setting, computed here from Snell's law.
struct Optics {
    explicit Optics(const Setting& s)
        : A(s.p / 2.0), n1(s.s1 / 100.0 + 0.01), n2(s.s2 / 100.0 + 0.01)
    {
        const double x = std::sin(A * kDegree) * n1 / n2;
        if (x <= 1)
            B = std::asin(x) / kDegree;
        if (n2 <= n1)
            Ao = std::asin(n2 / n1) / kDegree;
    }

    double A, n1, n2;
    std::optional<double> B;  // none: total internal reflection
    std::optional<double> Ao; // none: medium 1 is the less dense
};

class RefractionFigures : public ::testing::TestWithParam<Setting> {
protected:
    void SetUp() override
    {
        const Setting& s = GetParam();
        DrawRefraction(canvas, RefractionStateOf(s.p, s.s1, s.s2));
        picture.emplace(canvas);
    }

    std::vector<DrawnSegment> rays() const { return picture->lines(PenOf(Yellow, 3)); }

    RecordingCanvas canvas{607, 519};
    std::optional<Picture> picture;
};

TEST_P(RefractionFigures, LampShinesOnTheCentreAtTheAngleOfIncidence)
{
    const Optics o(GetParam());
    DrawnEllipse lamp;
    for (const DrawnEllipse& e : picture->ellipses())
        if (e.brush.style == BrushStyle::bsSolid && e.brush.color == Yellow)
            lamp = e;
    EXPECT_NEAR(lamp.rx, 7, 0.5);
    // In medium 1, above the boundary, A from the normal on its left.
    EXPECT_NEAR(Length(lamp.centre), 200, 1);
    EXPECT_NEAR(TurnBetween(DirectionOf(lamp.centre), 90 + o.A), 0, 0.5);
    EXPECT_TRUE(RayFrom(rays(), {0, 0}, 90 + o.A, 0.5)) << "no incident ray from the lamp";
}

TEST_P(RefractionFigures, ReflectedRayLeavesAtTheSameAngleOnTheOtherSideOfTheNormal)
{
    const Optics o(GetParam());
    const auto reflected = RayFrom(rays(), {0, 0}, 90 - o.A, 0.5);
    ASSERT_TRUE(reflected);
    EXPECT_NEAR(reflected->length(), 200, 1);
}

TEST_P(RefractionFigures, RefractedRayLeavesBeyondTheNormalAtSnellsAngle)
{
    const Optics o(GetParam());
    std::vector<DrawnSegment> below;
    for (const DrawnSegment& ray : rays())
        if (ray.to.y < -1 || ray.from.y < -1)
            below.push_back(ray);
    if (!o.B) {
        EXPECT_TRUE(below.empty()) << "a refracted ray is drawn during total internal reflection";
        return;
    }
    ASSERT_EQ(below.size(), 1u);
    const DrawnSegment refracted = *RayFrom(below, {0, 0}, 270 + *o.B, 180);
    // In medium 2, on the far side of the normal from the lamp.
    EXPECT_GT(refracted.to.x, 0);
    EXPECT_NEAR(TurnBetween(refracted.direction(), 270 + *o.B), 0, 0.5);
    EXPECT_NEAR(refracted.length(), 200, 1);
}

TEST_P(RefractionFigures, ContinuationGoesStraightOnThroughTheCentre)
{
    const Optics o(GetParam());
    const auto dotted = picture->lines(PenOf(Black, 1, PenStyle::psDot));
    ASSERT_EQ(dotted.size(), 1u);
    EXPECT_TRUE(RayFrom(dotted, {0, 0}, 270 + o.A, 0.5));
    EXPECT_EQ(picture->arcsBetween({0, 0}, 70, 270, 270 + o.A, 0.6, true), 1);
}

// The critical angle is an angle of incidence: its line stands in medium 1,
// on the lamp's side, Ao from the normal, its arcs between it and the normal.
TEST_P(RefractionFigures, CriticalLineOnlyInTheDenserMediumOneAtTheLimitingAngle)
{
    const Optics o(GetParam());
    const auto thin = picture->lines(PenOf(Yellow, 1));
    if (!o.Ao) {
        EXPECT_TRUE(thin.empty());
        return;
    }
    ASSERT_EQ(thin.size(), 1u);
    EXPECT_TRUE(RayFrom(thin, {0, 0}, 90 + *o.Ao, 0.5));
    EXPECT_GE(thin[0].to.y, -0.5);
    EXPECT_GE(thin[0].from.y, -0.5);
    int arcs = 0;
    for (const DrawnArc& arc : picture->arcs())
        arcs += arc.pen.width == 1 && arc.rx < 50 && std::fabs(arc.span() - *o.Ao) < 0.6 && arc.covers(90 + *o.Ao / 2);
    EXPECT_EQ(arcs, 3);
    // Its letter lies wholly inside the angle, clear of the line and the normal.
    const DrawnText letter = picture->text("Ao");
    const Pt size{double(canvas.TextWidth(letter.text)), double(canvas.TextHeight())};
    for (Pt corner : {letter.topLeft, letter.topLeft + Pt{size.x, 0}, letter.topLeft + Pt{0, -size.y},
                      letter.topLeft + Pt{size.x, -size.y}}) {
        EXPECT_LT(corner.x, 0);
        EXPECT_LT(DirectionOf(corner), 90 + *o.Ao);
    }
}

TEST_P(RefractionFigures, EveryArrowheadPointsAlongItsRay)
{
    const Optics o(GetParam());
    const auto heads = picture->arrowHeads();
    const auto headOn = [&heads](Pt a, Pt b) -> std::optional<DrawnArrowHead> {
        for (const DrawnArrowHead& head : heads)
            if (DistanceFromLine(head.tip, a, b) < 1.5 && Distance(head.tip, 0.5 * (a + b)) < 3)
                return head;
        return std::nullopt;
    };
    struct Ray {
        const char* name;
        Pt end;    // the ray runs between the centre and this point
        Pt travel; // the way the light goes
    };
    std::vector<Ray> marked = {
        {"incident", 200 * UnitAt(90 + o.A), -1 * UnitAt(90 + o.A)},
        {"reflected", 200 * UnitAt(90 - o.A), UnitAt(90 - o.A)},
    };
    if (o.B)
        marked.push_back({"refracted", 200 * UnitAt(270 + *o.B), UnitAt(270 + *o.B)});
    // Light that would leave along the boundary comes up the critical line.
    if (o.Ao)
        marked.push_back({"critical", 200 * UnitAt(90 + *o.Ao), -1 * UnitAt(90 + *o.Ao)});
    EXPECT_EQ(heads.size(), marked.size());
    for (const Ray& ray : marked) {
        const auto head = headOn({0, 0}, ray.end);
        ASSERT_TRUE(head) << "no arrowhead halfway along the " << ray.name << " ray";
        ExpectHeadMarksRay(*head, {0, 0}, ray.end, ray.travel, ray.name);
    }
}

TEST_P(RefractionFigures, ArcsAndLettersMarkTheirAngles)
{
    const Optics o(GetParam());
    EXPECT_EQ(picture->arcsBetween({0, 0}, 55, 90, 90 + o.A, 0.6, true), 1) << "arc of A";
    EXPECT_EQ(picture->arcsBetween({0, 0}, 65, 90 - o.A, 90, 0.6, true), 1) << "arc of Y";
    ExpectLabelInside(picture->text("A"), {0, 0}, 90, 90 + o.A);
    ExpectLabelInside(picture->text("Y"), {0, 0}, 90 - o.A, 90);
    if (o.B) {
        EXPECT_EQ(picture->arcsBetween({0, 0}, 30, 270, 270 + *o.B, 0.6, true), 1) << "arc of B";
        EXPECT_EQ(picture->arcsBetween({0, 0}, 35, 270, 270 + *o.B, 0.6, true), 1) << "arc of B";
        ExpectLabelInside(picture->text("B"), {0, 0}, 270, 270 + *o.B);
    }
    if (o.Ao)
        ExpectLabelInside(picture->text("Ao"), {0, 0}, 90, 90 + *o.Ao);
}

TEST_P(RefractionFigures, BoundaryAndNormalCrossTheProtractorAtTheCentre)
{
    std::vector<DrawnSegment> diameters;
    for (const DrawnSegment& line : picture->lines(PenOf(White, 1)))
        if (line.length() > 300)
            diameters.push_back(line);
    ASSERT_EQ(diameters.size(), 2u);
    const auto spans = [](const DrawnSegment& line, Pt a, Pt b) {
        return (Distance(line.from, a) <= 0.5 && Distance(line.to, b) <= 0.5)
               || (Distance(line.from, b) <= 0.5 && Distance(line.to, a) <= 0.5);
    };
    EXPECT_TRUE(spans(diameters[0], {-200, 0}, {200, 0})) << "the boundary is not the horizontal diameter";
    EXPECT_TRUE(spans(diameters[1], {0, 200}, {0, -200})) << "the normal is not the vertical diameter";
    ExpectProtractor(*picture, [](int degrees) { return degrees % 10 == 0 ? 1 : 0; });
}

// The names stand in one column in the margin left of the protractor.
TEST_P(RefractionFigures, MediaAreNamedOnTheirSidesOfTheBoundary)
{
    const DrawnText n1 = picture->text(" n1");
    const DrawnText n2 = picture->text(" n2");
    // The text hangs down from its top left corner, 13 pixels high.
    EXPECT_GT(n1.topLeft.y - 13, 0) << "n1 does not stand in the upper medium";
    EXPECT_LT(n2.topLeft.y, 0) << "n2 does not stand in the lower medium";
    EXPECT_EQ(n1.topLeft.x, n2.topLeft.x) << "the names do not stand one under the other";
    for (const DrawnText& name : {n1, n2}) {
        EXPECT_GE(name.topLeft.x, -canvas.Mapping().centerX) << "off the canvas";
        EXPECT_LT(name.topLeft.x + canvas.TextWidth(name.text), -200) << "over the protractor";
    }
}

TEST_P(RefractionFigures, HatchCoversTheDenserMedium)
{
    const Optics o(GetParam());
    const Setting& s = GetParam();
    std::vector<DrawnArc> pies;
    for (const DrawnArc& arc : picture->arcsOfRadius(150))
        if (arc.pie)
            pies.push_back(arc);
    if (s.s1 == 100 && s.s2 == 100) {
        EXPECT_TRUE(pies.empty());
        return;
    }
    ASSERT_EQ(pies.size(), 1u);
    const DrawnArc& hatch = pies[0];
    EXPECT_EQ(hatch.brush.style, BrushStyle::bsFDiagonal);
    EXPECT_EQ(hatch.brush.color, Blue);
    EXPECT_NEAR(hatch.span(), 180, 0.6);
    const bool lowerHatched = hatch.covers(270) && !hatch.covers(90);
    const bool upperHatched = hatch.covers(90) && !hatch.covers(270);
    if (o.n2 > o.n1)
        EXPECT_TRUE(lowerHatched);
    else
        EXPECT_TRUE(upperHatched);
    int discs = 0;
    for (const DrawnEllipse& e : picture->ellipses())
        discs += e.brush.style == BrushStyle::bsFDiagonal && std::fabs(e.rx - 150) <= 1;
    EXPECT_EQ(discs, s.s1 == s.s2 ? 1 : 0) << "equal media are hatched whole";
}

std::vector<Setting> sweep()
{
    std::vector<Setting> settings;
    const Setting media[] = {{0, 100, 200}, {0, 200, 100}, {0, 150, 150}, {0, 100, 100},
                             {0, 300, 101}, {0, 120, 300}, {0, 133, 100}};
    for (int p : {1, 30, 60, 62, 90, 120, 150, 179})
        for (const Setting& m : media)
            settings.push_back({p, m.s1, m.s2});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Sweep, RefractionFigures, ::testing::ValuesIn(sweep()));

TEST(RefractionPicture, DefaultsPutTheRefractedRayAtTheEdgeCasesCoordinates)
{
    RecordingCanvas canvas{607, 519};
    DrawRefraction(canvas, RefractionStateOf(90, 200, 100));
    EXPECT_EQ(canvas.Mapping().centerX, 303);
    EXPECT_EQ(canvas.Mapping().centerY, 259);
    // The critical line ends at 200 (cos 120.16, sin 120.16) = (-100.44, 172.95).
    bool critical = false;
    for (const CanvasOp& op : canvas.Ops())
        critical |= op.kind == CanvasOp::Kind::LineTo && op.args == std::vector<int>{203, 86} && op.pen.width == 1;
    EXPECT_TRUE(critical);
}

} // namespace
