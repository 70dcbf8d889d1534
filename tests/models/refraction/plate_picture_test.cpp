// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/refraction/plate_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Names a setting in a failing test's title; found beside PlateSettings.
void PrintTo(const PlateSettings& s, std::ostream* os)
{
    *os << "A=" << s.A << " s=" << s.s << " t=" << s.t;
}

namespace {

using namespace ModelColour;

constexpr double kDegree = M_PI / 180;

// The ray through a plate of index n2 in air, from Snell's law, in model
// pixels (the plate t + 1 pixels thick, its upper face through O, its side
// faces at x = -200 and 200).
struct PlateOptics {
    explicit PlateOptics(const PlateSettings& s)
        : A(s.A), n2(s.s / 100.0 + 0.01), h(s.t + 1.0), B(std::asin(std::sin(A * kDegree) / n2) / kDegree),
          source(200 * UnitAt(90 + A)), throughSide(h * std::tan(B * kDegree) > 200)
    {
        if (throughSide) {
            // The side face is met at 90 - B from its normal: n2 sin(90 - B) = sin A".
            exit = {200, -200 / std::tan(B * kDegree)};
            emergence = std::asin(n2 * std::cos(B * kDegree)) / kDegree;
            normal = 0;
            emergent = 360 - emergence;
        } else {
            exit = {h * std::tan(B * kDegree), -h};
            emergence = A;
            normal = 270;
            emergent = 270 + A;
        }
    }

    double A, n2, h, B;
    Pt source;        // 200 from O, A to the left of the upward normal
    bool throughSide; // the refracted ray reaches x = 200 above the lower face
    Pt exit;          // where the refracted ray leaves the plate
    double emergence; // A", from the outward normal there
    double normal;    // the direction of that normal
    double emergent;  // the direction of the emergent ray
    Pt emergentEnd() const { return exit + 200 * UnitAt(emergent); }
    // Between the incident ray's line and the emergent ray leaving the lower face, pixels.
    double shift() const { return h * std::sin((A - B) * kDegree) / std::cos(B * kDegree); }
};

class PlateFigures : public ::testing::TestWithParam<PlateSettings> {
protected:
    void SetUp() override
    {
        DrawPlate(canvas, PlateGeometryOf(GetParam()));
        picture.emplace(canvas);
    }

    std::vector<DrawnSegment> rays() const { return picture->lines(PenOf(Yellow, 3)); }

    // The rays and the strokes of their arrowheads.
    std::vector<DrawnSegment> raysAndHeads() const
    {
        std::vector<DrawnSegment> strokes = rays();
        for (const DrawnArrowHead& head : picture->arrowHeads())
            for (Pt barb : {head.barb1, head.barb2})
                strokes.push_back({head.tip, barb, head.pen, head.order});
        return strokes;
    }

    TextArea area(const DrawnText& text) const
    {
        return {text.topLeft, double(canvas.TextWidth(text.text)), double(canvas.TextHeight())};
    }

    // Whether a ray, an arrowhead or the source would come within two pixels
    // of the text put there: a pixel for rounding, as the recording rounds
    // the strokes' ends too.
    bool nearlyCrossed(const QString& text, Pt topLeft) const
    {
        const TextArea box = area({topLeft, text, {}, {}, 0});
        // The source is a disc of radius 7 outlined with the ray's pen.
        const Pt source = picture->ellipses()[0].centre;
        bool near = DistanceFromBox(source, source, box) < 7 + 1.5 + 2;
        for (const DrawnSegment& s : raysAndHeads())
            near |= DistanceFromBox(s.from, s.to, box) < s.pen.width / 2.0 + 2;
        return near;
    }

    void expectProtractor(Pt centre, double zero, bool boxed) const;

    RecordingCanvas canvas{615, 519};
    std::optional<Picture> picture;
};

TEST_P(PlateFigures, PlateLiesBelowOWithTheSettingsThickness)
{
    const PlateOptics o(GetParam());
    const auto faces = picture->lines(PenOf(Blue, 4));
    ASSERT_EQ(faces.size(), 2u);
    for (const DrawnSegment& face : faces) {
        EXPECT_NEAR(std::fabs(face.to.x - face.from.x), 400, 0.5);
        EXPECT_NEAR(face.from.x + face.to.x, 0, 0.5);
    }
    for (double y : {faces[0].from.y, faces[0].to.y})
        EXPECT_NEAR(y, 0, 0.5) << "the upper face does not run through O";
    for (double y : {faces[1].from.y, faces[1].to.y})
        EXPECT_NEAR(y, -o.h, 0.5) << "the lower face does not run t + 1 below";

    ASSERT_EQ(picture->rectangles().size(), 1u);
    const DrawnRectangle& section = picture->rectangles()[0];
    EXPECT_EQ(section.brush.style, BrushStyle::bsFDiagonal);
    EXPECT_EQ(section.brush.color, Blue);
    EXPECT_NEAR(std::max(section.corner1.y, section.corner2.y), 0, 0.5);
    EXPECT_NEAR(std::min(section.corner1.y, section.corner2.y), -o.h, 0.5);
    EXPECT_NEAR(std::min(section.corner1.x, section.corner2.x), -200, 0.5);
    EXPECT_NEAR(std::max(section.corner1.x, section.corner2.x), 200, 0.5);
    // Its outline draws the plate's ends as wide as its faces.
    EXPECT_TRUE(PenOf(Blue, 4)(section.pen));

    // Air above and below, the plate's index between its faces, all in one
    // column left of it.
    const DrawnText upper = picture->texts()[0], inside = picture->texts()[1], lower = picture->texts()[2];
    EXPECT_EQ(upper.text, " n1");
    EXPECT_EQ(inside.text, " n2");
    EXPECT_EQ(lower.text, " n1");
    EXPECT_GT(upper.topLeft.y - 13, 0);
    EXPECT_LE(inside.topLeft.y, 0.5);
    EXPECT_GE(inside.topLeft.y, -o.h - 0.5);
    EXPECT_LT(lower.topLeft.y, -o.h);
    for (const DrawnText& name : {upper, inside, lower}) {
        EXPECT_EQ(name.topLeft.x, upper.topLeft.x);
        EXPECT_LT(name.topLeft.x + canvas.TextWidth(name.text), -200);
    }
}

TEST_P(PlateFigures, SourceShinesOnOAtTheAngleOfIncidence)
{
    const PlateOptics o(GetParam());
    ASSERT_EQ(picture->ellipses().size(), 1u);
    const DrawnEllipse& source = picture->ellipses()[0];
    EXPECT_EQ(source.brush.style, BrushStyle::bsSolid);
    EXPECT_EQ(source.brush.color, Yellow);
    EXPECT_NEAR(source.rx, 7, 0.5);
    EXPECT_LE(Distance(source.centre, o.source), 1);
    EXPECT_TRUE(RayFrom(rays(), {0, 0}, 90 + o.A, 0.5)) << "no incident ray from the source to O";
}

TEST_P(PlateFigures, ContinuationGoesStraightOnAsIfThereWereNoPlateDashed)
{
    const PlateOptics o(GetParam());
    // A construction line: dashed and one pixel wide, as a wider dashed pen draws solid.
    const auto continuation = picture->lines(PenOf(Yellow, 1, PenStyle::psDash));
    ASSERT_EQ(continuation.size(), 1u);
    EXPECT_EQ(picture->lines(PenOf(Yellow, 2)).size(), 0u);
    const auto straight = RayFrom(continuation, {0, 0}, 270 + o.A, 0.5, 0.5);
    ASSERT_TRUE(straight);
    EXPECT_NEAR(straight->length(), 400, 1);
    for (const DrawnArc& arc : picture->arcs()) {
        if (Length(arc.centre) <= 1 && std::fabs(arc.rx - 50) <= 1) {
            EXPECT_EQ(arc.pen.width, 1) << "the mark of the continuation";
            EXPECT_EQ(arc.pen.style, PenStyle::psDash);
        }
    }
}

TEST_P(PlateFigures, RefractedRayBendsTowardsTheNormalAndMeetsAFace)
{
    const PlateOptics o(GetParam());
    std::vector<DrawnSegment> below;
    for (const DrawnSegment& ray : rays())
        if (Distance(ray.from, {0, 0}) < 0.5 && ray.to.y < 0)
            below.push_back(ray);
    ASSERT_EQ(below.size(), 1u) << "one ray from O into the plate";
    const DrawnSegment& refracted = below[0];
    // Rounding turns a short ray; its end point says where it goes.
    EXPECT_LE(Distance(refracted.to, o.exit), 1) << "the ray does not reach the face it meets first at Snell's angle";
    EXPECT_GE(refracted.to.x, 0) << "the ray does not cross the normal";
    EXPECT_LT(o.B, o.A);
}

TEST_P(PlateFigures, EmergentRayLeavesByTheFaceTheRefractedRayMeets)
{
    const PlateOptics o(GetParam());
    ASSERT_EQ(rays().size(), 3u) << "incident, refracted and emergent rays";
    // Through a thin plate the refracted ray is short enough to pass for it.
    std::vector<DrawnSegment> longRays;
    for (const DrawnSegment& ray : rays())
        if (ray.length() > 100)
            longRays.push_back(ray);
    const auto emergent = RayFrom(longRays, o.exit, o.emergent, 0.6, 1.5);
    ASSERT_TRUE(emergent) << "no emergent ray from the exit point at A\" = " << o.emergence;
    EXPECT_NEAR(emergent->length(), 200, 1.5);
    if (o.throughSide)
        return; // refracted at the side face, it is not parallel to the incident ray
    // The incident ray's line goes on through O in direction 270 + A.
    const Pt along = UnitAt(270 + o.A);
    // It lies on the side of that line away from the normal at O.
    EXPECT_NEAR(-Cross(along, emergent->from), o.shift(), 1) << "the shift is not d sin(A - B) / cos B";
    EXPECT_NEAR(-Cross(along, emergent->to), o.shift(), 1.5) << "the emergent ray is not parallel";
}

TEST_P(PlateFigures, NormalsStandAtOAndAtTheExitPoint)
{
    const PlateSettings& s = GetParam();
    const PlateOptics o(s);
    const auto normals = picture->lines(PenOf(Gray, 2));
    ASSERT_EQ(normals.size(), 2u);
    const DrawnSegment& atO = normals[0];
    const DrawnSegment& atX = normals[1];
    EXPECT_EQ(atO.from.x, 0);
    EXPECT_EQ(atO.to.x, 0);
    EXPECT_EQ(std::max(atO.from.y, atO.to.y), 200);
    EXPECT_EQ(std::min(atO.from.y, atO.to.y), -10 * s.t);
    if (o.throughSide) {
        // Across the side face: back over the plate and as far into the air.
        EXPECT_EQ(atX.from.y, atX.to.y) << "the normal is not perpendicular to the side face";
        EXPECT_NEAR(atX.from.y, o.exit.y, 0.5);
        EXPECT_EQ(std::min(atX.from.x, atX.to.x), -200);
        EXPECT_EQ(std::max(atX.from.x, atX.to.x), 400);
    } else {
        EXPECT_EQ(atX.from.x, atX.to.x) << "the normal is not perpendicular to the faces";
        EXPECT_NEAR(atX.from.x, o.exit.x, 0.5);
        EXPECT_EQ(std::max(atX.from.y, atX.to.y), 0);
        EXPECT_EQ(std::min(atX.from.y, atX.to.y), -10 * s.t - 200);
    }
}

TEST_P(PlateFigures, EveryArrowheadPointsAlongItsRay)
{
    const PlateOptics o(GetParam());
    const Pt O{0, 0};
    const Pt emergentEnd = o.emergentEnd();
    struct Marked {
        const char* name;
        Pt from, to; // the way the light goes
        double at;   // share of the way where the head's tip lies
    };
    const Marked marked[] = {
        {"incident", o.source, O, 0.5},
        {"refracted", O, o.exit, 0.8},
        {"emergent", o.exit, emergentEnd, 0.5},
    };
    const auto heads = picture->arrowHeads();
    ASSERT_EQ(heads.size(), 3u);
    for (const Marked& ray : marked) {
        const Pt tip = ray.from + ray.at * (ray.to - ray.from);
        const DrawnArrowHead* head = nullptr;
        for (const DrawnArrowHead& h : heads)
            if (Distance(h.tip, tip) <= 1.5)
                head = &h;
        ASSERT_TRUE(head) << "no arrowhead on the " << ray.name << " ray";
        EXPECT_TRUE(PenOf(Yellow, 3)(head->pen)) << ray.name;
        // A short refracted ray is only known to the pixel: test its head
        // against the exact line through O at B.
        const Pt lineEnd = ray.from + 100 * (1 / Length(ray.to - ray.from)) * (ray.to - ray.from);
        ExpectHeadMarksRay(*head, ray.from, lineEnd, ray.to - ray.from, ray.name);
    }
}

TEST_P(PlateFigures, ArcsMarkTheirAngles)
{
    const PlateOptics o(GetParam());
    const Pt O{0, 0};
    EXPECT_EQ(picture->arcsBetween(O, 60, 90, 90 + o.A), 1) << "arc of A";
    EXPECT_EQ(picture->arcsBetween(O, 50, 270, 270 + o.A), 1) << "arc of the continuation";
    // The arcs of B end on the ray towards the exit point, known to the pixel.
    const double slack = 0.6 + std::atan(0.75 / Length(o.exit)) / kDegree;
    EXPECT_EQ(picture->arcsBetween(O, 20, 270, 270 + o.B, slack), 1) << "inner arc of B";
    EXPECT_EQ(picture->arcsBetween(O, 25, 270, 270 + o.B, slack), 1) << "outer arc of B";
    // A" lies between the normal where the ray leaves and the emergent ray.
    const double from = o.throughSide ? o.emergent : o.normal, to = o.throughSide ? o.normal : o.emergent;
    EXPECT_EQ(picture->arcsBetween(o.exit, 60, from, to, 1.2), 1) << "arc of A\"";
}

// Each letter names its angle: it stands inside the angle, or beside it when
// the angle is too narrow to hold it, near the vertex. No ray or arrowhead
// crosses a text, protractor numbers and names of media included, nor the
// continuation a letter (the numbers under the lower protractor stand on
// black boxes over it).
TEST_P(PlateFigures, LettersNameTheirAnglesAndNoRayCrossesAText)
{
    const PlateOptics o(GetParam());
    struct Letter {
        QString text;
        Pt vertex;
        double from, to; // the angle, counterclockwise
    };
    const Letter letters[] = {
        {"A", {0, 0}, 90, 90 + o.A},
        {"B", {0, 0}, 270, 270 + o.B},
        {" A\" ", o.exit, o.throughSide ? o.emergent : o.normal, o.throughSide ? o.normal : o.emergent},
    };
    const auto continuation = picture->lines(PenOf(Yellow, 1));
    for (const Letter& letter : letters) {
        SCOPED_TRACE(letter.text.toStdString());
        const TextArea box = area(picture->text(letter.text));
        const double span = std::fmod(letter.to - letter.from + 360, 360);
        const double along = std::fmod(DirectionOf(box.centre() - letter.vertex) - letter.from + 360 + 50, 360) - 50;
        if (span >= 40)
            EXPECT_TRUE(along > 0 && along < span) << "outside its angle, at " << along << " of " << span;
        else
            EXPECT_TRUE(along > -50 && along < span + 50) << "far beside its angle, at " << along;
        EXPECT_LE(Distance(box.centre(), letter.vertex), 120);
        for (const DrawnSegment& line : continuation)
            EXPECT_FALSE(Covers(line, box)) << "under the continuation";
    }
    for (const DrawnText& text : picture->texts())
        for (const DrawnSegment& stroke : raysAndHeads())
            EXPECT_FALSE(Covers(stroke, area(text)))
                << "\"" << text.text.toStdString() << "\" at (" << text.topLeft.x << ", " << text.topLeft.y
                << ") under the stroke from (" << stroke.from.x << ", " << stroke.from.y << ") to (" << stroke.to.x
                << ", " << stroke.to.y << ")";

    EXPECT_NE(picture->text("A").brush.style, BrushStyle::bsSolid) << "A stands on the picture";
    for (const QString& boxed : {QString("B"), QString(" A\" ")}) {
        EXPECT_EQ(picture->text(boxed).brush.style, BrushStyle::bsSolid) << boxed.toStdString();
        EXPECT_EQ(picture->text(boxed).brush.color, Black) << boxed.toStdString();
    }
}

// A protractor about `centre` whose scale reads N in the direction
// `zero` + N: a tick from radius 190 to 210 every ten degrees with its number
// over the tick's outer end, moved off a ray, an arrowhead or the source that
// would cross it there, and its two rims over the half it reads.
void PlateFigures::expectProtractor(Pt centre, double zero, bool boxed) const
{
    const auto ticks = picture->lines(PenOf(White, 1));
    for (int N = 10; N <= 180; N += 10) {
        const Pt u = UnitAt(zero + N);
        int found = 0;
        for (const DrawnSegment& tick : ticks)
            found += Distance(tick.from, centre + 190 * u) <= 1.2 && Distance(tick.to, centre + 210 * u) <= 1.2;
        EXPECT_EQ(found, 1) << "tick of " << N;

        const QString number = QString::number(N);
        const Pt place = centre + 210 * u + Pt{-10, 5};
        const double moved = nearlyCrossed(number, place) ? 21 : 1.5;
        int labels = 0;
        for (const DrawnText& label : picture->texts()) {
            if (label.text == number && Distance(label.topLeft, place) <= moved) {
                ++labels;
                EXPECT_EQ(label.brush.style == BrushStyle::bsSolid, boxed) << N;
            }
        }
        EXPECT_EQ(labels, 1) << N << " is not over its tick";
    }
}

TEST_P(PlateFigures, UpperProtractorReadsFromTheRightOverO)
{
    expectProtractor({0, 0}, 0, false);
    EXPECT_EQ(picture->arcsBetween({0, 0}, 200, 0, 180), 1);
    EXPECT_EQ(picture->arcsBetween({0, 0}, 195, 0, 180), 1);
}

TEST_P(PlateFigures, ExitProtractorLiesAlongTheFaceTheRayLeavesBy)
{
    const PlateOptics o(GetParam());
    // The scale reads 90 along the outward normal at X, so the emergent ray
    // reads 90 + A" under the lower face, as the incident ray reads A + 90 on
    // the upper one, and 90 - A" beside the side face. Its rims stand in the air.
    expectProtractor(o.exit, o.normal - 90, true);
    EXPECT_EQ(picture->arcsBetween(o.exit, 200, o.normal - 90, o.normal + 90, 0.8), 1);
    EXPECT_EQ(picture->arcsBetween(o.exit, 195, o.normal - 90, o.normal + 90, 0.8), 1);
}

TEST_P(PlateFigures, NothingButTheTwoScalesAndTheOriginRowIsWhite)
{
    int ticks = 0, numbers = 0;
    for (const DrawnSegment& line : picture->lines(PenOf(White)))
        ticks += line.length() < 30;
    for (const DrawnText& text : picture->texts()) {
        bool number = false;
        text.text.toInt(&number);
        numbers += number;
    }
    EXPECT_EQ(ticks, 36);
    EXPECT_EQ(numbers, 36);
    EXPECT_EQ(picture->lines(PenOf(White)).size(), 37u);
    EXPECT_EQ(picture->arcs().size(), 9u) << "A, the continuation, B twice, A\" and the four rims";
}

// A figure of the picture where the physics puts it: a straight stroke from
// a to b, or an arc round `centre` counterclockwise from `from` to `to`, and
// the width of its pen.
struct Figure {
    Pt a, b;
    Pt centre;
    double radius = 0, from = 0, to = 0;
    int width = 1;

    static Figure line(Pt a, Pt b, int width) { return {a, b, {}, 0, 0, 0, width}; }
    static Figure arc(Pt centre, double radius, double from, double to, int width)
    {
        return {{}, {}, centre, radius, from, to, width};
    }
    bool isArc() const { return radius > 0; }
    double span() const
    {
        const double turn = std::fmod(to - from + 720, 360);
        return turn == 0 ? 360 : turn;
    }
    double distance(Pt p) const
    {
        if (!isArc())
            return DistanceFromSegment(p, a, b);
        if (std::fmod(DirectionOf(p - centre) - from + 720, 360) <= span())
            return std::fabs(Distance(p, centre) - radius);
        return std::min(Distance(p, centre + radius * UnitAt(from)), Distance(p, centre + radius * UnitAt(to)));
    }
    // Points along it at most two pixels apart, both ends included.
    std::vector<Pt> points() const
    {
        const double length = isArc() ? span() * kDegree * radius : Distance(a, b);
        const int steps = std::max(1, int(std::ceil(length / 2)));
        std::vector<Pt> found;
        for (int k = 0; k <= steps; ++k) {
            const double share = double(k) / steps;
            found.push_back(isArc() ? centre + radius * UnitAt(from + share * span()) : a + share * (b - a));
        }
        return found;
    }
};

Pt toPt(ModelPoint p)
{
    return {double(p.x), double(p.y)};
}

// The two strokes of an arrowhead with its tip at `tip` on a ray going along `travel`.
void appendHead(std::vector<Figure>& figures, Pt tip, Pt travel)
{
    const Pt along = (1 / Length(travel)) * travel, aside{-along.y, along.x};
    for (double side : {1.0, -1.0})
        figures.push_back(Figure::line(tip, tip - 20 * along + side * (20.0 / 3) * aside, 3));
}

// Checks that the strokes are the figures: each stroke lies on a figure of its
// width, and each figure is covered by strokes of its width, within what
// chords of arcs stray from them.
void expectStrokesAreFigures(const std::vector<Stroke>& strokes, const std::vector<Figure>& figures)
{
    constexpr double kStray = 0.3;
    for (const Stroke& stroke : strokes) {
        const Pt from = toPt(stroke.from), to = toPt(stroke.to);
        const bool onAFigure = std::any_of(figures.begin(), figures.end(), [&](const Figure& f) {
            return f.width == stroke.width && f.distance(from) <= kStray && f.distance(to) <= kStray
                   && f.distance(0.5 * (from + to)) <= kStray;
        });
        EXPECT_TRUE(onAFigure) << "a stroke " << stroke.width << " wide from (" << from.x << ", " << from.y
                               << ") to (" << to.x << ", " << to.y << ") stands on nothing drawn there";
    }
    for (const Figure& figure : figures) {
        for (Pt p : figure.points()) {
            const bool covered = std::any_of(strokes.begin(), strokes.end(), [&](const Stroke& s) {
                return s.width == figure.width && DistanceFromSegment(p, toPt(s.from), toPt(s.to)) <= kStray;
            });
            EXPECT_TRUE(covered) << "(" << p.x << ", " << p.y << ") of a figure " << figure.width
                                 << " wide is left out of the strokes";
        }
    }
}

// The texts are placed clear of the picture's strokes as the letters' and
// numbers' placing knows them; these are the rays, arrowheads and source, and
// the construction about them, each where the physics puts it, as wide as it
// is drawn.
TEST_P(PlateFigures, TextsArePlacedAgainstThePictureAsItIsDrawn)
{
    const PlateSettings& s = GetParam();
    const PlateOptics o(s);
    const Pt O{0, 0};
    const Pt emergentEnd = o.emergentEnd();
    std::vector<Figure> rays = {Figure::line(O, o.source, 3), Figure::line(O, o.exit, 3),
                                Figure::line(o.exit, emergentEnd, 3),
                                Figure::arc(o.source, 7, 0, 360, 3)}; // the source's disc
    appendHead(rays, 0.5 * o.source, O - o.source);
    appendHead(rays, 0.8 * o.exit, o.exit);
    appendHead(rays, 0.5 * (o.exit + emergentEnd), emergentEnd - o.exit);

    const double exitFrom = o.throughSide ? o.emergent : o.normal, exitTo = o.throughSide ? o.normal : o.emergent;
    std::vector<Figure> construction = {
        Figure::line(O, 400 * UnitAt(270 + o.A), 1), // the continuation
        Figure::line({0, -10.0 * s.t}, {0, 200}, 2),
        o.throughSide ? Figure::line({-200, o.exit.y}, {o.exit.x + 200, o.exit.y}, 2)
                      : Figure::line({o.exit.x, 0}, {o.exit.x, -10.0 * s.t - 200}, 2),
        Figure::arc(O, 60, 90, 90 + o.A, 3),
        Figure::arc(O, 50, 270, 270 + o.A, 1),
        Figure::arc(O, 20, 270, 270 + o.B, 3),
        Figure::arc(O, 25, 270, 270 + o.B, 3),
        Figure::arc(o.exit, 60, exitFrom, exitTo, 3),
    };
    // The plate's outline: its faces through O and t + 1 below, and its ends.
    const Pt corners[] = {{-200, 0}, {200, 0}, {200, -o.h}, {-200, -o.h}};
    for (int k = 0; k < 4; ++k)
        construction.push_back(Figure::line(corners[k], corners[(k + 1) % 4], 4));

    const PlateStrokes strokes = PlateStrokesOf(PlateGeometryOf(s));
    {
        SCOPED_TRACE("rays");
        expectStrokesAreFigures(strokes.rays, rays);
    }
    {
        SCOPED_TRACE("construction");
        expectStrokesAreFigures(strokes.construction, construction);
    }
}

std::vector<PlateSettings> sweep()
{
    std::vector<PlateSettings> settings;
    for (int A : {1, 10, 30, 45, 60, 89})
        for (int s : {100, 150, 300})
            for (int t : {0, 7, 50, 200})
                settings.push_back({A, s, t});
    // Through the side face: just past the corner, nearly at the critical
    // angle there, at the lowest index, and grazing the corner.
    for (PlateSettings side : {PlateSettings{75, 120, 150}, {85, 140, 200}, {50, 100, 200}, {89, 140, 198}})
        settings.push_back(side);
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Sweep, PlateFigures, ::testing::ValuesIn(sweep()));

// The canvas pixels of the picture at the defaults and at the edges.
TEST(PlatePicture, DefaultsDrawAtTheseCanvasPoints)
{
    RecordingCanvas canvas{615, 519};
    DrawPlate(canvas, PlateGeometryOf({45, 150, 50}));
    EXPECT_EQ(canvas.Mapping().centerX, 277);
    EXPECT_EQ(canvas.Mapping().centerY, 234);
    const auto has = [&canvas](CanvasOp::Kind kind, std::vector<int> args) {
        for (const CanvasOp& op : canvas.Ops())
            if (op.kind == kind && op.args == args)
                return true;
        return false;
    };
    EXPECT_TRUE(has(CanvasOp::Kind::Rectangle, {77, 234, 477, 285})) << "the plate";
    EXPECT_TRUE(has(CanvasOp::Kind::Ellipse, {129, 100, 143, 86})) << "the source at (136, 93)";
    EXPECT_TRUE(has(CanvasOp::Kind::LineTo, {136, 93})) << "the incident ray";
    EXPECT_TRUE(has(CanvasOp::Kind::LineTo, {304, 285})) << "the exit point";
    EXPECT_TRUE(has(CanvasOp::Kind::LineTo, {445, 426})) << "the emergent ray's end";
    EXPECT_TRUE(has(CanvasOp::Kind::LineTo, {560, 517})) << "the continuation's end";
}

TEST(PlatePicture, EdgeSettingsDrawWithoutError)
{
    RecordingCanvas canvas{615, 519};
    // Where the refracted ray, the second of the three, ends.
    const auto exitPoint = [&canvas](int A, int s, int t) {
        DrawPlate(canvas, PlateGeometryOf({A, s, t}));
        const Picture picture(canvas);
        return picture.lines(PenOf(Yellow, 3)).at(1).to;
    };
    // The thinnest plate is one pixel thick.
    const Pt thin = exitPoint(45, 150, 0);
    EXPECT_EQ(canvas.Mapping().centerX + int(thin.x), 278);
    EXPECT_EQ(canvas.Mapping().centerY - int(thin.y), 235);
    // A grazing ray into the thickest plate of the lowest index would reach
    // the lower face's line some 1407 pixels to the right; it meets the side
    // face at the plate's right end, 29 pixels below O, and leaves there.
    const Pt side = exitPoint(89, 100, 200);
    EXPECT_EQ(canvas.Mapping().centerX + int(side.x), 477);
    EXPECT_EQ(canvas.Mapping().centerY - int(side.y), 263);
    // The source almost straight above O.
    DrawPlate(canvas, PlateGeometryOf({1, 150, 50}));
    bool source = false;
    for (const CanvasOp& op : canvas.Ops())
        source |= op.kind == CanvasOp::Kind::LineTo && op.args == std::vector<int>{274, 34};
    EXPECT_TRUE(source);
}

TEST(PlatePicture, OriginRowTakesThePenWidthTheLastRedrawLeft)
{
    RecordingCanvas canvas{615, 519};
    for (int expectedWidth : {1, 3}) {
        DrawPlate(canvas, PlateGeometryOf({45, 150, 50}));
        const Picture picture(canvas);
        const DrawnSegment& row = picture.segments().front();
        EXPECT_EQ(row.pen.width, expectedWidth);
        EXPECT_EQ(row.pen.color, White);
        EXPECT_EQ(row.from.y, 0);
        EXPECT_EQ(row.to.y, 0);
        EXPECT_EQ(row.from.x, -277) << "the row starts at the canvas's left edge";
        EXPECT_GE(row.to.x, 615 - 277) << "the row stops short of the canvas's right edge";
    }
}

} // namespace
