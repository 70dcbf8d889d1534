// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_diagrams.h"
#include "reference_sheet.h"

#include "kit/recording_canvas.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLineF>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;

// A drawn line with the pen it was drawn with.
struct Stroke {
    QLineF line;
    CanvasPen pen;
};

class Drawing {
public:
    Drawing(int width, int height, const std::function<void(Canvas&)>& draw)
        : canvas_(width, height)
    {
        std::vector<CanvasOp> ops;
        canvas_.SetLog(&ops);
        draw(canvas_);
        QPointF at;
        for (const CanvasOp& op : ops) {
            if (op.kind == CanvasOp::Kind::MoveTo) {
                at = QPointF(op.args[0], op.args[1]);
            } else if (op.kind == CanvasOp::Kind::LineTo) {
                const QPointF to(op.args[0], op.args[1]);
                strokes_.push_back({QLineF(at, to), op.pen});
                at = to;
            } else if (op.kind == CanvasOp::Kind::Ellipse) {
                discs_.push_back({QRectF(QPointF(op.args[0], op.args[1]), QPointF(op.args[2], op.args[3])).normalized(),
                                  op.pen.color});
            } else if (op.kind == CanvasOp::Kind::TextOut) {
                // Written from its top left corner, as the canvas writes.
                const QFontMetricsF metrics(op.font);
                texts_.push_back({op.text, QRectF(op.args[0], op.args[1], metrics.horizontalAdvance(op.text),
                                                  metrics.height())});
            }
        }
    }

    std::vector<QLineF> lines(const QColor& colour, bool dashed) const
    {
        std::vector<QLineF> found;
        for (const Stroke& stroke : strokes_) {
            if (stroke.pen.color == colour && (stroke.pen.style == PenStyle::psDash) == dashed)
                found.push_back(stroke.line);
        }
        return found;
    }

    // The rays: solid strokes in the ray ink that are not the two strokes of a direction mark.
    std::vector<QLineF> rays() const
    {
        std::vector<QLineF> found;
        for (const QLineF& line : lines(DiagramInk::Ray, false)) {
            if (!isHeadStroke(line))
                found.push_back(line);
        }
        return found;
    }

    // The direction marks: pairs of short strokes from one tip.
    std::vector<std::pair<QLineF, QLineF>> heads() const
    {
        std::vector<std::pair<QLineF, QLineF>> found;
        const auto solid = lines(DiagramInk::Ray, false);
        for (std::size_t i = 0; i + 1 < solid.size(); ++i) {
            if (isHeadStroke(solid[i]) && solid[i + 1].p1() == solid[i].p1())
                found.emplace_back(solid[i], solid[i + 1]);
        }
        return found;
    }

    // The texts written, each with the box it fills.
    const std::vector<std::pair<QString, QRectF>>& texts() const { return texts_; }

    // The longest solid line in that ink: a mirror, or the boundary of two media.
    QLineF longest(const QColor& colour) const
    {
        QLineF found;
        for (const QLineF& line : lines(colour, false)) {
            if (line.length() > found.length())
                found = line;
        }
        return found;
    }

    QPointF discCentre(const QColor& colour) const
    {
        for (const auto& [box, pen] : discs_) {
            if (pen == colour)
                return box.center();
        }
        ADD_FAILURE() << "no disc";
        return {};
    }

private:
    bool isHeadStroke(const QLineF& line) const
    {
        if (line.length() < 18 || line.length() > 23)
            return false;
        int siblings = 0;
        for (const Stroke& other : strokes_) {
            if (other.pen.color == DiagramInk::Ray && other.line.p1() == line.p1()
                && std::fabs(other.line.length() - line.length()) < 2.5)
                ++siblings;
        }
        return siblings == 2;
    }

    RecordingCanvas canvas_;
    std::vector<Stroke> strokes_;
    std::vector<std::pair<QRectF, QColor>> discs_;
    std::vector<std::pair<QString, QRectF>> texts_;
};

double distanceToLine(const QPointF& p, const QLineF& line)
{
    const QPointF d = line.p2() - line.p1();
    return std::fabs(d.x() * (p.y() - line.y1()) - d.y() * (p.x() - line.x1())) / std::hypot(d.x(), d.y());
}

// The angle of a ray leaving `from` from the vertical through it, in degrees.
double fromVertical(const QPointF& from, const QPointF& to)
{
    return std::atan2(std::fabs(to.x() - from.x()), std::fabs(to.y() - from.y())) / kDegree;
}

// Every direction mark stands on a ray and points the way the light goes,
// from left to right.
void expectHeadsPointAlongTheRays(const Drawing& drawing)
{
    const auto rays = drawing.rays();
    const auto heads = drawing.heads();
    EXPECT_FALSE(heads.empty());
    for (const auto& [one, other] : heads) {
        const QPointF tip = one.p1();
        EXPECT_LT(one.x2(), tip.x());
        EXPECT_LT(other.x2(), tip.x());
        // The strokes open symmetrically about the ray the tip stands on.
        const QPointF between = (one.p2() + other.p2()) / 2;
        bool onRay = false;
        for (const QLineF& ray : rays)
            onRay = onRay || (distanceToLine(tip, ray) < 1.5 && distanceToLine(between, ray) < 2
                              && tip.x() > std::min(ray.x1(), ray.x2()) - 1
                              && tip.x() < std::max(ray.x1(), ray.x2()) + 1);
        EXPECT_TRUE(onRay) << tip.x() << "," << tip.y();
    }
}

TEST(ReferenceDiagrams, ReflectionMakesEqualAnglesOnEitherSideOfTheNormal)
{
    const Drawing drawing(400, 180, [](Canvas& c) { DrawReflectionDiagram(c, 40, DiagramWordsIn("ru")); });
    const QLineF normal = drawing.lines(DiagramInk::Normal, true).front();
    ASSERT_EQ(normal.x1(), normal.x2());
    const auto rays = drawing.rays();
    ASSERT_EQ(rays.size(), 2u);
    const QLineF incident = rays[0], reflected = rays[1];
    const QPointF point = incident.p2();
    EXPECT_EQ(reflected.p1(), point);
    EXPECT_EQ(point.x(), normal.x1());
    // Both rays above the mirror, one on either side of the normal.
    EXPECT_LT(incident.y1(), point.y());
    EXPECT_LT(reflected.y2(), point.y());
    EXPECT_LT(incident.x1(), point.x());
    EXPECT_GT(reflected.x2(), point.x());
    EXPECT_NEAR(fromVertical(point, incident.p1()), 40, 0.6);
    EXPECT_NEAR(fromVertical(point, reflected.p2()), 40, 0.6);
    expectHeadsPointAlongTheRays(drawing);
}

TEST(ReferenceDiagrams, ThePlaneMirrorsImageIsWhereTheReflectedRaysSeemToComeFrom)
{
    const Drawing drawing(400, 180, [](Canvas& c) { DrawPlaneMirrorDiagram(c, 65); });
    const QLineF mirror = drawing.lines(DiagramInk::Optics, false).back();
    const QPointF source = drawing.discCentre(DiagramInk::Object);
    const QPointF image = drawing.discCentre(DiagramInk::Image);
    EXPECT_NEAR(image.x(), source.x(), 0.5);
    EXPECT_NEAR(image.y() - mirror.y1(), mirror.y1() - source.y(), 1);

    int reflected = 0;
    for (const QLineF& ray : drawing.rays()) {
        if (ray.y1() != mirror.y1())
            continue; // a ray falling on the mirror
        ++reflected;
        EXPECT_LT(distanceToLine(image, ray), 1.5);
        EXPECT_LT(ray.y2(), mirror.y1()) << "reflected back in front of the mirror";
    }
    EXPECT_EQ(reflected, 2);
    for (const QLineF& extension : drawing.lines(DiagramInk::Ray, true))
        EXPECT_LT(QLineF(extension.p2(), image).length(), 1.5);
    expectHeadsPointAlongTheRays(drawing);
}

TEST(ReferenceDiagrams, RefractionIntoGlassBendsTowardsTheNormalAsSnellSays)
{
    const double n = 1.5;
    const Drawing drawing(400, 200, [n](Canvas& c) { DrawRefractionDiagram(c, n, 50, DiagramWordsIn("ru")); });
    const auto rays = drawing.rays();
    ASSERT_EQ(rays.size(), 2u);
    const QPointF point = rays[0].p2();
    ASSERT_EQ(rays[1].p1(), point);
    const double a = fromVertical(point, rays[0].p1());
    const double b = fromVertical(point, rays[1].p2());
    EXPECT_NEAR(a, 50, 0.6);
    EXPECT_GT(rays[1].y2(), point.y()) << "the refracted ray goes into the lower medium";
    EXPECT_GT(rays[1].x2(), point.x()) << "on the other side of the normal";
    EXPECT_LT(b, a);
    EXPECT_NEAR(std::sin(a * kDegree) / std::sin(b * kDegree), n, 0.03);
    expectHeadsPointAlongTheRays(drawing);
}

TEST(ReferenceDiagrams, TotalReflectionBeginsAtTheLimitingAngle)
{
    const double n = 1.33;
    const double limit = std::asin(1 / n) / kDegree;
    const Drawing drawing(420, 200, [n](Canvas& c) { DrawTotalReflectionDiagram(c, n, DiagramWordsIn("ru")); });
    const QPointF source = drawing.discCentre(DiagramInk::Object);
    const double surface = drawing.lines(DiagramInk::Optics, false).front().y1();
    const auto rays = drawing.rays();

    int below = 0, at = 0, beyond = 0;
    for (const QLineF& ray : rays) {
        if (QLineF(ray.p1(), source).length() > 1.5)
            continue;
        ASSERT_EQ(ray.y2(), surface);
        const double a = fromVertical(ray.p2(), source);
        std::vector<QLineF> leaving;
        for (const QLineF& other : rays) {
            if (other.p1() == ray.p2())
                leaving.push_back(other);
        }
        ASSERT_EQ(leaving.size(), 1u);
        const QLineF out = leaving.front();
        if (a < limit - 1) {
            ++below;
            EXPECT_LT(out.y2(), surface) << "the ray leaves the water";
            EXPECT_NEAR(std::sin(fromVertical(out.p1(), out.p2()) * kDegree), n * std::sin(a * kDegree), 0.03);
        } else if (a > limit + 1) {
            ++beyond;
            EXPECT_GT(out.y2(), surface) << "the ray stays in the water";
            EXPECT_NEAR(fromVertical(out.p1(), out.p2()), a, 0.8);
        } else {
            ++at;
            EXPECT_EQ(out.y2(), surface) << "the ray grazes the surface";
            EXPECT_GT(out.x2(), out.x1());
        }
    }
    EXPECT_EQ(below, 1);
    EXPECT_EQ(at, 1);
    EXPECT_EQ(beyond, 1);
    expectHeadsPointAlongTheRays(drawing);
}

TEST(ReferenceDiagrams, ALensGathersAParallelBeamInItsFocus)
{
    const double F = 100;
    for (const LensType type : {LensType::Converging, LensType::Diverging}) {
        SCOPED_TRACE(type == LensType::Converging ? "converging" : "diverging");
        const Drawing drawing(400, 140, [&](Canvas& c) { DrawLensFocusDiagram(c, type, F); });
        const QLineF axis = drawing.lines(DiagramInk::Normal, false).front();
        const double centre = (axis.x1() + axis.x2()) / 2;
        const QPointF focus(type == LensType::Converging ? centre + F : centre - F, axis.y1());
        int refracted = 0;
        for (const QLineF& ray : drawing.rays()) {
            if (std::fabs(ray.x1() - centre) > 1)
                continue;
            ++refracted;
            EXPECT_LT(distanceToLine(focus, ray), 1.5);
        }
        EXPECT_EQ(refracted, 4);
        if (type == LensType::Diverging) {
            for (const QLineF& extension : drawing.lines(DiagramInk::Ray, true))
                EXPECT_LT(QLineF(extension.p2(), focus).length(), 1.5);
        }
        expectHeadsPointAlongTheRays(drawing);
    }
}

struct Construction {
    const char* name;
    LensType type;
    double F, d, h;
    bool thirdRay;
};

void PrintTo(const Construction& construction, std::ostream* os)
{
    *os << construction.name;
}

class ImageConstruction : public ::testing::TestWithParam<Construction> {};

// The image stands where 1/d + 1/f = 1/F puts it, every ray after the lens
// (or its extension, for a virtual image) passes through its tip, and the
// ray parallel to the axis turns through the focus.
TEST_P(ImageConstruction, PutsTheImageWhereTheLensFormulaDoes)
{
    const Construction& c = GetParam();
    const Drawing drawing(440, 200, [&](Canvas& canvas) { DrawImageConstruction(canvas, c.type, c.F, c.d, c.h, c.thirdRay); });
    const QLineF axis = drawing.lines(DiagramInk::Normal, false).front();
    const QLineF lens = drawing.lines(DiagramInk::Optics, false).front();
    ASSERT_EQ(lens.x1(), lens.x2());
    const QPointF centre(lens.x1(), axis.y1());

    const QLineF object = drawing.lines(DiagramInk::Object, false).front();
    EXPECT_NEAR(centre.x() - object.x1(), c.d, 0.5);
    EXPECT_NEAR(object.y1() - object.y2(), c.h, 0.5);
    const QPointF top = object.p2();

    const bool converging = c.type == LensType::Converging;
    const auto images = drawing.lines(DiagramInk::Image, false);
    if (converging && c.d == c.F) {
        EXPECT_TRUE(images.empty());
        std::vector<double> slopes;
        for (const QLineF& ray : drawing.rays()) {
            if (ray.x1() == centre.x())
                slopes.push_back((ray.y2() - ray.y1()) / (ray.x2() - ray.x1()));
        }
        ASSERT_EQ(slopes.size(), 2u);
        EXPECT_NEAR(slopes[0], slopes[1], 0.02) << "the rays leave parallel";
        return;
    }

    const double f = converging ? c.d * c.F / (c.d - c.F) : -c.d * c.F / (c.d + c.F);
    const QPointF tip(centre.x() + f, centre.y() + c.h * f / c.d);
    for (const QLineF& stroke : images)
        EXPECT_NEAR(stroke.x1(), tip.x(), 6.5) << "the image stands at f";
    ASSERT_FALSE(images.empty());
    EXPECT_NEAR(images.front().x1(), tip.x(), 0.5);

    const bool real = converging && c.d > c.F;
    int through = 0;
    if (real) {
        for (const QLineF& ray : drawing.rays()) {
            if (ray.x1() == centre.x()) {
                ++through;
                EXPECT_LT(distanceToLine(tip, ray), 1.5) << ray.x1() << "," << ray.y1();
            }
        }
        EXPECT_EQ(through, c.thirdRay ? 3 : 2);
    } else {
        for (const QLineF& extension : drawing.lines(DiagramInk::Ray, true)) {
            ++through;
            EXPECT_LT(distanceToLine(tip, extension), 1.5);
        }
        EXPECT_GE(through, 1);
    }

    // The ray parallel to the axis turns through the rear focus, or away from
    // the front one.
    for (const QLineF& ray : drawing.rays()) {
        if (ray.x1() == centre.x() && ray.y1() == top.y()) {
            const QPointF focus(centre.x() + (converging ? c.F : -c.F), centre.y());
            EXPECT_LT(distanceToLine(focus, ray), 1.5);
        }
    }
    expectHeadsPointAlongTheRays(drawing);

    // No letter stands on another: A₁ and B₁ keep clear of the foci's F and 2F.
    const auto texts = drawing.texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
                << texts[i].first.toStdString() << " on " << texts[j].first.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(ReferenceDiagrams, ImageConstruction, ::testing::Values(
    Construction{"ThreeRays", LensType::Converging, 70, 120, 50, true},
    Construction{"BeyondTwiceTheFocus", LensType::Converging, 45, 120, 40, false},
    Construction{"AtTwiceTheFocus", LensType::Converging, 45, 90, 40, false},
    Construction{"BetweenFocusAndTwice", LensType::Converging, 45, 65, 30, false},
    Construction{"AtTheFocus", LensType::Converging, 45, 45, 40, false},
    Construction{"InsideTheFocus", LensType::Converging, 45, 25, 30, false},
    Construction{"Diverging", LensType::Diverging, 60, 100, 40, false}),
    [](const ::testing::TestParamInfo<Construction>& info) { return std::string(info.param.name); });

// Where a word of a diagram stands: in the medium it names, on the side of
// the normal of the ray it names, or behind the mirror.
enum class Place { Above, Below, IncidentSide, ReflectedSide };

struct PlacedWord {
    const char* language;
    const char* diagram;
    const char* word;
    Place place;
};

void PrintTo(const PlacedWord& word, std::ostream* os)
{
    *os << word.language << " " << word.diagram << " " << word.word;
}

class DiagramWord : public ::testing::TestWithParam<PlacedWord> {};

bool isCyrillic(QChar c)
{
    return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
}

// A diagram writes the word of its page's language once, where the physics
// puts it: the medium's name on its side of
// the boundary (the light falls from above in the sheet's diagrams of
// reflection and refraction and rises from the water in that of total
// reflection), the ray's name on the ray's side of the normal, the mirror's
// under its line.
TEST_P(DiagramWord, StandsWhereItsThingIsInThePagesLanguage)
{
    const PlacedWord& c = GetParam();
    const SheetDiagram* diagram = nullptr;
    for (const SheetDiagram& each : SheetDiagrams())
        diagram = each.name == c.diagram ? &each : diagram;
    ASSERT_NE(diagram, nullptr);
    const DiagramWords& words = DiagramWordsIn(c.language);
    const Drawing drawing(diagram->size.width(), diagram->size.height(),
                          [&](Canvas& canvas) { diagram->draw(canvas, words); });

    const QString word = QString::fromUtf8(c.word);
    std::vector<QRectF> boxes;
    for (const auto& [text, box] : drawing.texts()) {
        if (text == word)
            boxes.push_back(box);
    }
    ASSERT_EQ(boxes.size(), 1u);
    const QRectF box = boxes.front();

    const QLineF boundary = drawing.longest(DiagramInk::Optics);
    ASSERT_EQ(boundary.y1(), boundary.y2());
    const auto rays = drawing.rays();
    const auto side = [&](bool incident) {
        for (const QLineF& ray : rays) {
            if (incident && ray.y2() == boundary.y1())
                return ray.x1() - ray.x2();
            if (!incident && ray.y1() == boundary.y1())
                return ray.x2() - ray.x1();
        }
        ADD_FAILURE() << "no ray";
        return 0.0;
    };
    const double normal = drawing.lines(DiagramInk::Normal, true).front().x1();
    // A name of a medium or of the mirror stands over or under its line.
    const auto alongTheBoundary = [&] {
        EXPECT_GE(box.left(), std::min(boundary.x1(), boundary.x2()));
        EXPECT_LE(box.right(), std::max(boundary.x1(), boundary.x2()));
    };
    switch (c.place) {
    case Place::Above:
        EXPECT_LT(box.bottom(), boundary.y1());
        alongTheBoundary();
        break;
    case Place::Below:
        EXPECT_GT(box.top(), boundary.y1());
        alongTheBoundary();
        break;
    case Place::IncidentSide:
    case Place::ReflectedSide:
        EXPECT_LT(box.bottom(), boundary.y1());
        if (side(c.place == Place::IncidentSide) < 0)
            EXPECT_LT(box.right(), normal);
        else
            EXPECT_GT(box.left(), normal);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(ReferenceDiagrams, DiagramWord, ::testing::Values(
    PlacedWord{"ru", "reflection", "падающий луч", Place::IncidentSide},
    PlacedWord{"ru", "reflection", "отражённый луч", Place::ReflectedSide},
    PlacedWord{"ru", "reflection", "зеркало", Place::Below},
    PlacedWord{"ru", "refraction", "воздух", Place::Above},
    PlacedWord{"ru", "refraction", "стекло", Place::Below},
    PlacedWord{"ru", "total-reflection", "воздух", Place::Above},
    PlacedWord{"ru", "total-reflection", "вода", Place::Below},
    PlacedWord{"en", "reflection", "incident ray", Place::IncidentSide},
    PlacedWord{"en", "reflection", "reflected ray", Place::ReflectedSide},
    PlacedWord{"en", "reflection", "mirror", Place::Below},
    PlacedWord{"en", "refraction", "air", Place::Above},
    PlacedWord{"en", "refraction", "glass", Place::Below},
    PlacedWord{"en", "total-reflection", "air", Place::Above},
    PlacedWord{"en", "total-reflection", "water", Place::Below}));

// No diagram of the English pages writes a Russian letter.
TEST(ReferenceDiagrams, TheEnglishDiagramsWriteNoCyrillic)
{
    for (const SheetDiagram& diagram : SheetDiagrams()) {
        const Drawing drawing(diagram.size.width(), diagram.size.height(),
                              [&](Canvas& canvas) { diagram.draw(canvas, DiagramWordsIn("en")); });
        for (const auto& [text, box] : drawing.texts())
            EXPECT_TRUE(std::none_of(text.begin(), text.end(), isCyrillic)) << diagram.name.toStdString() << ": "
                                                                           << text.toStdString();
    }
}

TEST(ReferenceSheet, BothPagesFitTheirPictures)
{
    const struct {
        const char* source;
        const char* language;
        QSize size;
    } pages[] = {{"reference_sheet_1.html", "ru", {926, 1338}}, {"reference_sheet_2.html", "ru", {898, 1023}},
                 {"en/reference_sheet_1.html", "en", {926, 1338}}, {"en/reference_sheet_2.html", "en", {898, 1023}}};
    for (const auto& page : pages) {
        QFile file(QStringLiteral(OPTIKA_STUDY_ART "/") + page.source);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.source;
        const SheetPage rendered = RenderSheetPage(QString::fromUtf8(file.readAll()), page.language, page.size);
        EXPECT_TRUE(rendered.error.isEmpty()) << rendered.error.toStdString();
        EXPECT_EQ(rendered.overflow, 0) << page.source;
        EXPECT_EQ(rendered.image.size(), page.size);
    }
}

TEST(ReferenceSheet, NamesOnlyDiagramsThatExist)
{
    const SheetPage page = RenderSheetPage(QStringLiteral("<p>[[diagram: no-such-thing]]</p>"), "ru", {200, 200});
    EXPECT_EQ(page.error, "no diagram no-such-thing");
}

} // namespace
