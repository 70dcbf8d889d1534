// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/reflection/plane_mirror_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using namespace ModelColour;

struct Setting {
    MirrorObject object;
    ExtraRays extra;
    bool ruler;
    int X, h, Y;
};

void PrintTo(const Setting& s, std::ostream* os)
{
    static const char* const extras[] = {"none", "one", "two"};
    *os << (s.object == MirrorObject::Arrow ? "arrow" : "point") << " extra=" << extras[int(s.extra)]
        << (s.ruler ? " ruler" : "") << " X=" << s.X << " h=" << s.h << " Y=" << s.Y;
}

bool near(Pt a, Pt b)
{
    return Distance(a, b) <= 0.5;
}

bool onMirror(Pt p)
{
    return std::fabs(p.x) <= 0.5;
}

// A segment with one end on the mirror, turned to start there.
struct AtMirror {
    Pt mirror;
    Pt other;
};

std::vector<AtMirror> touchingTheMirror(const std::vector<DrawnSegment>& lines)
{
    std::vector<AtMirror> found;
    for (const DrawnSegment& s : lines) {
        if (onMirror(s.from) && !onMirror(s.to))
            found.push_back({s.from, s.to});
        else if (onMirror(s.to) && !onMirror(s.from))
            found.push_back({s.to, s.from});
    }
    return found;
}

// What a physics teacher reads off the plane-mirror picture, found in the
// recorded redraw; the object's points come from the setting.
class MirrorFigures {
public:
    explicit MirrorFigures(const Setting& s) : setting(s)
    {
        DrawPlaneMirror(canvas, MirrorScene{{s.X, s.h, s.Y}, s.object, s.extra, s.ruler});
        picture.emplace(canvas);
    }

    bool arrow() const { return setting.object == MirrorObject::Arrow; }
    Pt tip() const { return {double(-setting.X), double(setting.Y + setting.h)}; }
    Pt foot() const { return {double(-setting.X), double(setting.Y)}; }
    static Pt imageOf(Pt p) { return {-p.x, p.y}; }
    // The points light leaves: S, or the arrow's tip A and foot B.
    std::vector<Pt> sources() const
    {
        if (arrow())
            return {tip(), foot()};
        return {tip()};
    }
    bool isSource(Pt p) const
    {
        const auto all = sources();
        return std::any_of(all.begin(), all.end(), [p](Pt s) { return near(s, p); });
    }

    std::vector<DrawnSegment> solid() const { return picture->lines(PenOf(Yellow, 1, PenStyle::psSolid)); }
    std::vector<DrawnSegment> dashed() const { return picture->lines(PenOf(Yellow, 1, PenStyle::psDash)); }
    // Rays from a source to the mirror (incident), or from the mirror away from the object (reflected).
    std::vector<AtMirror> incident() const { return atMirror(true); }
    std::vector<AtMirror> reflected() const { return atMirror(false); }
    std::vector<AtMirror> atMirror(bool fromSource) const
    {
        std::vector<AtMirror> found;
        for (const AtMirror& ray : touchingTheMirror(solid()))
            if (isSource(ray.other) == fromSource)
                found.push_back(ray);
        return found;
    }
    const CanvasOp& opOf(size_t order) const { return canvas.Ops()[order]; }

    Setting setting;
    RecordingCanvas canvas{607, 519};
    std::optional<Picture> picture;
};

class PlaneMirror : public ::testing::TestWithParam<Setting> {
protected:
    MirrorFigures figures{GetParam()};
};

TEST_P(PlaneMirror, MirrorStandsOnTheCentreLineWithItsHatchedBackOnTheRight)
{
    const auto white = figures.picture->segments(PenOf(White, 2));
    ASSERT_FALSE(white.empty());
    EXPECT_TRUE(near(white[0].from, {0, 259}) && near(white[0].to, {0, -260})) << "the mirror does not cross the canvas";
    std::set<int> strokeHeights;
    for (size_t i = 1; i < white.size(); ++i) {
        const DrawnSegment& stroke = white[i];
        EXPECT_NEAR(stroke.from.x, 0, 0.5) << "a stroke does not start on the mirror";
        EXPECT_NEAR(stroke.to.x, 10, 0.5) << "a stroke lies in front of the mirror";
        EXPECT_NEAR(stroke.to.y - stroke.from.y, 10, 0.5) << "a stroke is not at 45 degrees";
        strokeHeights.insert(int(std::lround(stroke.from.y)));
    }
    for (int y = -250; y <= 250; y += 10)
        EXPECT_EQ(strokeHeights.count(y), 1u) << "no stroke from height " << y;
}

TEST_P(PlaneMirror, ImageStandsAsFarBehindTheMirrorAsTheObjectBeforeIt)
{
    if (!figures.arrow()) {
        std::vector<DrawnEllipse> discs;
        for (const DrawnEllipse& e : figures.picture->ellipses())
            if (e.brush.style == BrushStyle::bsSolid && e.brush.color == Yellow && e.pen.color == Yellow)
                discs.push_back(e);
        ASSERT_EQ(discs.size(), 2u);
        EXPECT_TRUE(near(discs[0].centre, figures.tip())) << "S is not where the controls put it";
        EXPECT_TRUE(near(discs[1].centre, MirrorFigures::imageOf(figures.tip()))) << "S* is not the mirror image of S";
        for (const DrawnEllipse& disc : discs) {
            EXPECT_NEAR(disc.rx, 10, 0.5);
            EXPECT_NEAR(disc.ry, 10, 0.5);
        }
        return;
    }
    const auto expectUpright = [this](const QColor& colour, Pt foot, Pt tip, const char* what) {
        SCOPED_TRACE(what);
        const auto bar = figures.picture->lines(PenOf(colour, 9));
        ASSERT_EQ(bar.size(), 1u);
        EXPECT_TRUE((near(bar[0].from, foot) && near(bar[0].to, tip)) || (near(bar[0].from, tip) && near(bar[0].to, foot)));
        const auto heads = figures.picture->arrowHeads(PenOf(colour, 9));
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_TRUE(near(heads[0].tip, tip));
        // Upright: the head points straight up, its strokes one on either side.
        EXPECT_GT(heads[0].pointing().y, 0);
        EXPECT_NEAR(heads[0].pointing().x, 0, 0.5);
        EXPECT_LT((heads[0].barb1.x - tip.x) * (heads[0].barb2.x - tip.x), 0);
    };
    expectUpright(Red, figures.foot(), figures.tip(), "object AB");
    expectUpright(Blue, MirrorFigures::imageOf(figures.foot()), MirrorFigures::imageOf(figures.tip()), "image A*B*");
}

TEST_P(PlaneMirror, LabelsStandBesideWhatTheyName)
{
    const auto expectAbove = [this](const QString& name, Pt p, double clearance) {
        const DrawnText label = figures.picture->text(name);
        EXPECT_NEAR(label.topLeft.x, p.x - 10, 5) << name.toStdString() << " stands aside of its point";
        // The 16-pixel letters clear the point and stand close over it.
        EXPECT_GE(label.topLeft.y - 16, p.y + clearance) << name.toStdString() << " covers its point";
        EXPECT_LE(label.topLeft.y - 16, p.y + clearance + 20) << name.toStdString() << " stands far above its point";
    };
    const auto expectBelow = [this](const QString& name, Pt p) {
        const DrawnText label = figures.picture->text(name);
        EXPECT_NEAR(label.topLeft.x, p.x - 10, 5) << name.toStdString() << " stands aside of its point";
        EXPECT_LE(label.topLeft.y, p.y) << name.toStdString() << " is not below its point";
        EXPECT_GE(label.topLeft.y, p.y - 10) << name.toStdString() << " stands far below its point";
    };
    const Pt S = figures.tip(), B = figures.foot();
    if (!figures.arrow()) {
        expectAbove(" S", S, 10); // over the disc of radius 10
        expectAbove(" S*", MirrorFigures::imageOf(S), 10);
        EXPECT_EQ(figures.picture->text(" S").brush.color, Black);
        return;
    }
    expectAbove(" A", S, 5);
    expectAbove(" A*", MirrorFigures::imageOf(S), 5);
    expectBelow(" B", B);
    expectBelow(" B*", MirrorFigures::imageOf(B));
}

TEST_P(PlaneMirror, RaysFromTheObjectMeetTheMirrorWhereTheConstructionNeedsThem)
{
    const int Y = figures.setting.Y, h = figures.setting.h;
    std::multiset<int> fromTip = {Y + h, Y, Y - 100};
    if (figures.setting.extra != ExtraRays::None)
        fromTip.insert(Y - 150);
    if (figures.setting.extra == ExtraRays::Two)
        fromTip.insert(Y + 150);
    const std::multiset<int> fromFoot = figures.arrow() ? std::multiset<int>{Y, Y + h, Y + h + 100} : std::multiset<int>{};

    std::multiset<int> tipHeights, footHeights;
    for (const AtMirror& ray : figures.incident())
        (near(ray.other, figures.tip()) ? tipHeights : footHeights).insert(int(std::lround(ray.mirror.y)));
    EXPECT_EQ(tipHeights, fromTip);
    EXPECT_EQ(footHeights, fromFoot);
}

TEST_P(PlaneMirror, ReflectedRaysObeyTheLawOfReflection)
{
    const auto incident = figures.incident();
    const auto reflected = figures.reflected();
    // The mirror image of the incoming direction in the mirror's line x = 0.
    const auto mirrored = [](const AtMirror& in) { return DirectionOf({in.other.x - in.mirror.x, in.mirror.y - in.other.y}); };
    for (const AtMirror& in : incident) {
        if (std::fabs(in.mirror.y - in.other.y) <= 0.5)
            continue; // along the normal: reflected into itself
        bool found = false;
        for (const AtMirror& out : reflected) {
            if (near(out.mirror, in.mirror) && TurnBetween(DirectionOf(out.other - out.mirror), mirrored(in)) <= 0.1) {
                found = true;
                EXPECT_LE(out.other.x, in.other.x + 0.5) << "the reflected ray stops short of the object";
            }
        }
        EXPECT_TRUE(found) << "no reflected ray at (0, " << in.mirror.y << ") from (" << in.other.x << ", "
                           << in.other.y << ")";
    }
    for (const AtMirror& out : reflected) {
        const bool explained = std::any_of(incident.begin(), incident.end(), [&](const AtMirror& in) {
            return near(out.mirror, in.mirror) && TurnBetween(DirectionOf(out.other - out.mirror), mirrored(in)) <= 0.1;
        });
        EXPECT_TRUE(explained) << "a ray leaves the mirror at (0, " << out.mirror.y << ") towards (" << out.other.x
                               << ", " << out.other.y << ") with no ray coming in to explain it";
    }
    for (const DrawnSegment& ray : figures.solid()) {
        EXPECT_LE(ray.from.x, 0.5) << "a solid ray runs behind the mirror";
        EXPECT_LE(ray.to.x, 0.5) << "a solid ray runs behind the mirror";
    }
}

TEST_P(PlaneMirror, ContinuationsBehindTheMirrorMeetInTheImage)
{
    const auto incident = figures.incident();
    const auto reflected = figures.reflected();
    const auto continuations = touchingTheMirror(figures.dashed());
    EXPECT_EQ(continuations.size(), figures.dashed().size()) << "a dashed line does not start on the mirror";
    // Each ray that meets the mirror goes on behind it, as the eye sees it,
    // to the image of the point it came from.
    for (const AtMirror& in : incident) {
        const Pt image = MirrorFigures::imageOf(in.other);
        EXPECT_TRUE(std::any_of(continuations.begin(), continuations.end(), [&](const AtMirror& c) {
            return near(c.mirror, in.mirror) && near(c.other, image);
        })) << "no dashed continuation from (0, " << in.mirror.y << ") to the image at (" << image.x << ", "
            << image.y << ")";
    }
    // And the continuation lies on the line of the reflected ray.
    for (const AtMirror& out : reflected) {
        EXPECT_TRUE(std::any_of(continuations.begin(), continuations.end(), [&](const AtMirror& c) {
            return near(c.mirror, out.mirror) && DistanceFromLine(c.other, out.mirror, out.other) <= 0.5;
        })) << "the ray leaving (0, " << out.mirror.y << ") does not go on behind the mirror";
    }
    for (const AtMirror& c : continuations) {
        EXPECT_GE(c.other.x, 0) << "a dashed line runs in front of the mirror";
        bool ofAnImage = false;
        for (Pt source : figures.sources())
            ofAnImage |= near(c.other, MirrorFigures::imageOf(source));
        EXPECT_TRUE(ofAnImage) << "a dashed line ends at (" << c.other.x << ", " << c.other.y << "), not in an image";
    }
}

TEST_P(PlaneMirror, DashGapsAreBlackBesideThePointAndClearBesideTheArrow)
{
    for (const DrawnSegment& c : figures.dashed()) {
        const CanvasBrush& brush = figures.opOf(c.order).brush;
        if (figures.arrow()) {
            EXPECT_EQ(brush.style, BrushStyle::bsClear);
        } else {
            EXPECT_EQ(brush.style, BrushStyle::bsSolid);
            EXPECT_EQ(brush.color, Black);
        }
    }
}

TEST_P(PlaneMirror, RemovedExtraRaysAreDrawnInBlack)
{
    const auto black = figures.picture->lines(PenOf(Black, 1, PenStyle::psSolid));
    if (figures.setting.extra != ExtraRays::None) {
        EXPECT_TRUE(black.empty());
        return;
    }
    // The rays of "два": from S to the mirror at Y -+ 150, back to 2X, and from S*.
    const Pt S = figures.tip(), Si = MirrorFigures::imageOf(S);
    const int X = figures.setting.X, Y = figures.setting.Y, h = figures.setting.h;
    std::vector<std::pair<Pt, Pt>> expected;
    for (int m : {-150, 150}) {
        const Pt M{0, double(Y + m)};
        expected.push_back({S, M});
        expected.push_back({Si, M});
        expected.push_back({M, {double(-2 * X), double(Y + 3 * m - 2 * h)}});
    }
    ASSERT_EQ(black.size(), expected.size());
    for (size_t i = 0; i < black.size(); ++i) {
        EXPECT_TRUE(near(black[i].from, expected[i].first)) << i;
        EXPECT_TRUE(near(black[i].to, expected[i].second)) << i;
    }
}

TEST_P(PlaneMirror, RulerMeasuresDistancesFromTheMirrorAlongTheArrowsBase)
{
    const auto white = figures.picture->lines(PenOf(White, 1));
    std::vector<DrawnText> numbers;
    for (const DrawnText& text : figures.picture->texts()) {
        bool isNumber = false;
        text.text.toInt(&isNumber);
        if (isNumber)
            numbers.push_back(text);
    }
    if (!figures.arrow() || !figures.setting.ruler) {
        EXPECT_TRUE(white.empty()) << "a ruler without the arrow and its check mark";
        EXPECT_TRUE(numbers.empty());
        return;
    }
    const double Y = figures.setting.Y;
    ASSERT_GE(white.size(), 2u);
    EXPECT_TRUE(near(white[0].from, {0, Y}) && near(white[0].to, {303, Y}));
    EXPECT_TRUE(near(white[1].from, {0, Y}) && near(white[1].to, {-303, Y}));
    for (int d = 50; d <= 300; d += 50) {
        for (double x : {double(d), double(-d)}) {
            const bool tick = std::any_of(white.begin(), white.end(), [&](const DrawnSegment& s) {
                return near(s.from, {x, Y}) && near(s.to, {x, Y + 5});
            });
            EXPECT_TRUE(tick) << "no tick at " << x;
            // Both sides count from the mirror; the number stands over its tick.
            const bool numbered = std::any_of(numbers.begin(), numbers.end(), [&](const DrawnText& t) {
                return t.text.toInt() == d && t.topLeft.x >= x - 25 && t.topLeft.x <= x && t.topLeft.y >= Y + 16
                       && t.topLeft.y <= Y + 24;
            });
            EXPECT_TRUE(numbered) << "no " << d << " over the tick at " << x;
        }
    }
    for (const DrawnText& number : numbers)
        EXPECT_EQ(number.brush.style, BrushStyle::bsClear);
}

std::vector<Setting> sweep()
{
    std::vector<Setting> settings;
    const int placements[][3] = {{200, 100, 0}, {150, 60, 37}, {10, 10, -100}, {300, 200, 100}, {10, 200, 100},
                                 {300, 10, -100}, {77, 133, -41}};
    for (MirrorObject object : {MirrorObject::LuminousPoint, MirrorObject::Arrow})
        for (ExtraRays extra : {ExtraRays::None, ExtraRays::One, ExtraRays::Two})
            for (bool ruler : {false, true})
                for (const auto& p : placements)
                    settings.push_back({object, extra, ruler, p[0], p[1], p[2]});
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Sweep, PlaneMirror, ::testing::ValuesIn(sweep()));

// Segments the construction must hold at the settings the model is taught
// with, in model coordinates.
struct ExpectedRay {
    const char* name;
    Setting setting;
    Pt from;
    Pt to;
};

void PrintTo(const ExpectedRay& ray, std::ostream* os)
{
    *os << ray.name;
}

class PlaneMirrorRays : public ::testing::TestWithParam<ExpectedRay> {};

TEST_P(PlaneMirrorRays, AreDrawnSolidInYellow)
{
    const ExpectedRay& ray = GetParam();
    const MirrorFigures figures(ray.setting);
    EXPECT_EQ(figures.canvas.Mapping().centerX, 303);
    EXPECT_EQ(figures.canvas.Mapping().centerY, 259);
    const auto solid = figures.solid();
    EXPECT_TRUE(std::any_of(solid.begin(), solid.end(), [&](const DrawnSegment& s) {
        return (near(s.from, ray.from) && near(s.to, ray.to)) || (near(s.from, ray.to) && near(s.to, ray.from));
    }));
}

constexpr Setting kDefaults{MirrorObject::LuminousPoint, ExtraRays::None, false, 200, 100, 0};
constexpr Setting kTwo{MirrorObject::LuminousPoint, ExtraRays::Two, false, 200, 100, 0};
constexpr Setting kArrow{MirrorObject::Arrow, ExtraRays::None, false, 150, 60, 37};

INSTANTIATE_TEST_SUITE_P(
    Taught, PlaneMirrorRays,
    ::testing::Values(ExpectedRay{"defaultsAlongTheNormal", kDefaults, {-200, 100}, {0, 100}},
                      ExpectedRay{"defaultsToTheBase", kDefaults, {-200, 100}, {0, 0}},
                      ExpectedRay{"defaultsFromTheBase", kDefaults, {0, 0}, {-400, -200}},
                      ExpectedRay{"defaultsToBelow", kDefaults, {-200, 100}, {0, -100}},
                      ExpectedRay{"defaultsFromBelow", kDefaults, {0, -100}, {-400, -500}},
                      ExpectedRay{"twoToLower", kTwo, {-200, 100}, {0, -150}},
                      ExpectedRay{"twoFromLower", kTwo, {0, -150}, {-400, -650}},
                      ExpectedRay{"twoToUpper", kTwo, {-200, 100}, {0, 150}},
                      ExpectedRay{"twoFromUpper", kTwo, {0, 150}, {-400, 250}},
                      ExpectedRay{"arrowFootFromTipHeight", kArrow, {0, 97}, {-300, 217}},
                      ExpectedRay{"arrowFootFromAboveTip", kArrow, {0, 197}, {-300, 517}},
                      ExpectedRay{"arrowTipFromBelow", kArrow, {0, -63}, {-300, -383}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
