// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_drawing.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr long double kPi = 3.1415926535897932385L;

// The origin the canvas of the case at hand is given.
ScreenMapping inForce;

// Model coordinates (y upwards) to canvas pixels under the origin in force,
// each rounded on its own to the nearest, ties to even.
int screenX(long double x)
{
    return inForce.centerX + int(std::nearbyint(x));
}

int screenY(long double y)
{
    return inForce.centerY - int(std::nearbyint(y));
}

QString op(const char* kind, std::initializer_list<int> args, const QString& text = {})
{
    QStringList numbers;
    for (int a : args)
        numbers << QString::number(a);
    QString line = QString::fromLatin1(kind) + "(" + numbers.join(',') + ")";
    return text.isNull() ? line : line + " \"" + text + "\"";
}

// What was drawn, as the expectations state it: kind, canvas coordinates, text.
QStringList drawn(const RecordingCanvas& canvas)
{
    QStringList lines;
    for (const CanvasOp& recorded : canvas.Ops()) {
        const QString full = recorded.toString();
        QString line = full.left(full.indexOf(')') + 1);
        if (recorded.kind == CanvasOp::Kind::TextOut)
            line += " \"" + recorded.text + "\"";
        lines << line;
    }
    return lines;
}

struct DrawingCase {
    const char* name;
    std::function<void(Canvas&)> draw;
    std::function<QStringList()> expected; // worked out under the origin in force
};

void PrintTo(const DrawingCase& c, std::ostream* os)
{
    *os << c.name;
}

// The ticks of a protractor scale round the origin from 190 to 210, one
// every `step` degrees, each labelled (when `labelled`) with its degrees
// 10 to the left of and 5 above its outer end.
QStringList protractor(int count, int step, bool labelled)
{
    QStringList ops;
    for (int k = 1; k <= count; ++k) {
        const long double t = k * step * kPi / 180;
        const long double x1 = std::nearbyint(190 * std::cos(t)), y1 = std::nearbyint(190 * std::sin(t));
        const long double x2 = std::nearbyint(210 * std::cos(t)), y2 = std::nearbyint(210 * std::sin(t));
        ops << op("MoveTo", {screenX(x1), screenY(y1)}) << op("LineTo", {screenX(x2), screenY(y2)});
        if (labelled)
            ops << op("TextOut", {screenX(x2 - 10), screenY(y2 + 5)}, QString::number(k * step));
    }
    return ops;
}

const DrawingCase kDrawingCases[] = {
    {"move and line, halves rounded to even",
     [](Canvas& c) {
         MoveTo(c, {12.5, -7.5});
         LineTo(c, {-3.5, 99.6});
     },
     [] { return QStringList{op("MoveTo", {screenX(12), screenY(-8)}), op("LineTo", {screenX(-4), screenY(100)})}; }},
    {"segment",
     [](Canvas& c) { Segment(c, {-300.4, 0.5}, {250.5, -1.5}); },
     [] { return QStringList{op("MoveTo", {screenX(-300), screenY(0)}), op("LineTo", {screenX(250), screenY(-2)})}; }},
    {"ray from the origin at 30 degrees",
     [](Canvas& c) { RayFromOrigin(c, Polar(200, 30)); },
     [] { return QStringList{op("MoveTo", {screenX(0), screenY(0)}), op("LineTo", {screenX(173), screenY(100)})}; }},
    {"circle round the origin",
     [](Canvas& c) { CircleAroundOrigin(c, 150); },
     [] { return QStringList{op("Ellipse", {screenX(-150), screenY(-150), screenX(150), screenY(150)})}; }},
    {"circle round a lamp",
     [](Canvas& c) { CircleAround(c, {-40.5, 10.5}, 7); },
     [] { return QStringList{op("Ellipse", {screenX(-48), screenY(4), screenX(-34), screenY(18)})}; }},
    {"ellipse of the lens outline",
     [](Canvas& c) { EllipseInBox(c, {-20, 132}, {20, -132}); },
     [] { return QStringList{op("Ellipse", {screenX(-20), screenY(132), screenX(20), screenY(-132)})}; }},
    {"text",
     [](Canvas& c) { TextAt(c, {-300, 30}, QStringLiteral(" n1")); },
     [] { return QStringList{op("TextOut", {screenX(-300), screenY(30)}, QStringLiteral(" n1"))}; }},
    {"arc of an elongated box",
     [](Canvas& c) { ArcInBox(c, {-120, 100.5}, {-10, -100.5}, {-50, -100}, {-50, 100}); },
     [] {
         return QStringList{op("Arc", {screenX(-120), screenY(100), screenX(-10), screenY(-100), screenX(-50),
                                       screenY(-100), screenX(-50), screenY(100)})};
     }},
    {"pie of a box",
     [](Canvas& c) { PieInBox(c, {10, 60}, {120, -60}, {50, 60}, {50, -60}); },
     [] {
         return QStringList{op("Pie", {screenX(10), screenY(60), screenX(120), screenY(-60), screenX(50), screenY(60),
                                       screenX(50), screenY(-60)})};
     }},
    {"labelled protractor, every 10 degrees", [](Canvas& c) { ProtractorScale(c, 36, 10, true); },
     [] { return protractor(36, 10, true); }},
    {"bare protractor, every 5 degrees", [](Canvas& c) { ProtractorScale(c, 72, 5, false); },
     [] { return protractor(72, 5, false); }},
};

class ModelDrawing : public ::testing::TestWithParam<DrawingCase> {};

// Each helper puts its figure where the model coordinates say, under the
// origin of each canvas: the middle of a model canvas and one off centre.
TEST_P(ModelDrawing, DrawsAtTheCanvasPixelsOfItsModelCoordinates)
{
    for (const QPoint origin : {QPoint(482, 179), QPoint(60, 301)}) {
        SCOPED_TRACE(origin.x());
        inForce = {origin.x(), origin.y()};
        RecordingCanvas canvas(965, 359);
        canvas.SetMapping(inForce);
        GetParam().draw(canvas);
        EXPECT_EQ(drawn(canvas), GetParam().expected());
    }
}

INSTANTIATE_TEST_SUITE_P(Helpers, ModelDrawing, ::testing::ValuesIn(kDrawingCases));

struct SectorCase {
    long double radius;
    long double from;
    long double to;
};

void PrintTo(const SectorCase& c, std::ostream* os)
{
    *os << "r " << double(c.radius) << " from " << double(c.from) << " to " << double(c.to);
}

// The direction in degrees, 0 to 360, of a canvas pixel seen from the origin.
double directionOf(int x, int y)
{
    const double degrees = std::atan2(double(inForce.centerY - y), double(x - inForce.centerX)) * 180 / double(kPi);
    return degrees < 0 ? degrees + 360 : degrees;
}

double turnBetween(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360);
    return std::min(d, 360 - d);
}

class SectorAroundOrigin : public ::testing::TestWithParam<SectorCase> {};

// An arc or pie round the origin: the box of its circle, and its radial
// points on the rays of its two directions, counterclockwise from `from` to
// `to` as the canvas draws them.
TEST_P(SectorAroundOrigin, SpansItsDirectionsOnItsCircle)
{
    inForce = {303, 259};
    const auto [radius, from, to] = GetParam();
    RecordingCanvas canvas(607, 519);
    canvas.SetMapping(inForce);
    ArcAroundOrigin(canvas, radius, from, to);
    PieAroundOrigin(canvas, radius, from, to);
    ASSERT_EQ(canvas.Ops().size(), 2u);
    EXPECT_EQ(canvas.Ops()[0].kind, CanvasOp::Kind::Arc);
    EXPECT_EQ(canvas.Ops()[1].kind, CanvasOp::Kind::Pie);
    for (const CanvasOp& sector : canvas.Ops()) {
        const std::vector<int>& a = sector.args;
        const int r = int(std::nearbyint(radius));
        EXPECT_EQ((std::vector<int>(a.begin(), a.begin() + 4)),
                  (std::vector<int>{inForce.centerX - r, inForce.centerY - r, inForce.centerX + r, inForce.centerY + r}));
        EXPECT_LT(turnBetween(directionOf(a[4], a[5]), double(from)), 0.1) << "start of the sector";
        EXPECT_LT(turnBetween(directionOf(a[6], a[7]), double(to)), 0.1) << "end of the sector";
        if (from == to) {
            EXPECT_TRUE(a[4] == a[6] && a[5] == a[7]) << "one ray: the whole circle";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, SectorAroundOrigin,
                         ::testing::Values(SectorCase{55, 90, 135}, SectorCase{65, 45, 90}, SectorCase{70, 270, 359},
                                           SectorCase{150, 180, 360}, SectorCase{150, 0, 180},
                                           SectorCase{30, 270, 270.5L}, SectorCase{55, 90, 90}));

TEST(Polar, IsThePointAtTheRadiusInTheDirection)
{
    const struct {
        long double radius, degrees, x, y;
    } cases[] = {{200, 0, 200, 0}, {200, 90, 0, 200}, {100, 30, 50 * std::sqrt(3.0L), 50},
                 {100, 210, -50 * std::sqrt(3.0L), -50}, {1000, 270, 0, -1000}, {70, 450, 0, 70}};
    for (const auto& c : cases) {
        const ModelPoint p = Polar(c.radius, c.degrees);
        EXPECT_NEAR(double(p.x), double(c.x), 1e-12) << double(c.degrees);
        EXPECT_NEAR(double(p.y), double(c.y), 1e-12) << double(c.degrees);
    }
}

} // namespace
