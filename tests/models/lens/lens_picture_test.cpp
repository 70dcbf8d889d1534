// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/model_colours.h"
#include "kit/recording_canvas.h"
#include "kit/screen_mapping.h"
#include "models/lens/lens_picture.h"
#include "picture_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace ModelColour;

struct Scene {
    LensKind kind;
    LensFigure figure;
    int F, d, h1;
};

void PrintTo(const Scene& s, std::ostream* os)
{
    *os << (s.kind == LensKind::Converging ? "converging" : "diverging")
        << (s.figure == LensFigure::Outline ? " outline" : " schematic") << " F=" << s.F << " d=" << s.d
        << " h1=" << s.h1;
}

// The image of the thin-lens formula 1/d + 1/f = 1/F (converging) or -1/F
// (diverging), f positive for a real image behind the lens, and the point
// where the object's tip (-d, h1) is imaged.
struct ThinLens {
    explicit ThinLens(const Scene& s) : scene(s)
    {
        const double power = s.kind == LensKind::Converging ? 1.0 / s.F : -1.0 / s.F;
        f = 1 / (power - 1.0 / s.d);
        tip = {f, -s.h1 * f / s.d};
    }
    bool real() const { return f > 0; }

    Scene scene;
    double f;
    Pt tip;
};

class LensFigures : public ::testing::TestWithParam<Scene> {
protected:
    void SetUp() override
    {
        const Scene& s = GetParam();
        DrawLens(canvas, LensStateOf(s.kind, s.F, s.d, s.h1), s.figure);
        picture.emplace(canvas);
    }

    std::vector<DrawnSegment> solid() const { return picture->lines(PenOf(Yellow, 1, PenStyle::psSolid)); }
    std::vector<DrawnSegment> dashed() const { return picture->lines(PenOf(Yellow, 1, PenStyle::psDash)); }

    // The lines that start or end at `p`, turned to start there.
    static std::vector<DrawnSegment> from(const std::vector<DrawnSegment>& lines, Pt p)
    {
        std::vector<DrawnSegment> found;
        for (const DrawnSegment& s : lines) {
            if (Distance(s.from, p) <= 1.5)
                found.push_back(s);
            else if (Distance(s.to, p) <= 1.5)
                found.push_back({s.to, s.from, s.pen, s.order});
        }
        return found;
    }

    // The one line of `lines` from `p` whose extension passes through `q`.
    static std::optional<DrawnSegment> through(const std::vector<DrawnSegment>& lines, Pt p, Pt q)
    {
        for (const DrawnSegment& s : from(lines, p))
            if (s.length() > 2 && DistanceFromLine(q, s.from, s.to) <= 1.5)
                return s;
        return std::nullopt;
    }

    RecordingCanvas canvas{967, 359};
    std::optional<Picture> picture;
};

// The head of an upright bar, the object's or the image's: its two strokes
// run from the tip 10 back along the bar and 10 out to either side of it.
void ExpectHeadOfBar(const DrawnArrowHead& head, const char* what)
{
    SCOPED_TRACE(what);
    const double back = head.pointing().y > 0 ? -10 : 10;
    for (Pt barb : {head.barb1, head.barb2}) {
        EXPECT_NEAR(barb.y - head.tip.y, back, 0.5) << "a stroke is not 10 back along the bar";
        EXPECT_NEAR(std::fabs(barb.x - head.tip.x), 10, 0.5) << "a stroke is not 10 aside of the bar";
    }
    EXPECT_LT((head.barb1.x - head.tip.x) * (head.barb2.x - head.tip.x), 0) << "both strokes on one side";
}

TEST_P(LensFigures, ObjectStandsAtDistanceDPointingUp)
{
    const Scene& s = GetParam();
    const auto bar = picture->lines(PenOf(Red, 3));
    ASSERT_EQ(bar.size(), 2u);
    for (const DrawnSegment& half : bar) {
        EXPECT_NEAR(half.from.x, -s.d, 1);
        EXPECT_NEAR(half.to.x, -s.d, 1);
        EXPECT_NEAR(std::fabs(half.to.y - half.from.y), s.h1, 1);
    }
    const auto heads = picture->arrowHeads(PenOf(Red, 3));
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_LE(Distance(heads[0].tip, {double(-s.d), double(s.h1)}), 1);
    EXPECT_GT(heads[0].pointing().y, 0) << "the object's arrowhead does not point up";
    ExpectHeadOfBar(heads[0], "object");
}

TEST_P(LensFigures, ImageStandsWhereTheThinLensFormulaPutsIt)
{
    const ThinLens lens(GetParam());
    const auto heads = picture->arrowHeads(PenOf(Blue, 3));
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_LE(Distance(heads[0].tip, lens.tip), 1.5);
    // It points away from the axis: down for the real, inverted image, up for
    // the virtual, upright one.
    EXPECT_GT(heads[0].pointing().y * lens.tip.y, 0);
    ExpectHeadOfBar(heads[0], "image");
    EXPECT_EQ(lens.real(), lens.tip.y < 0);
    for (const DrawnSegment& half : picture->lines(PenOf(Blue, 3))) {
        EXPECT_NEAR(half.from.x, lens.f, 1);
        EXPECT_NEAR(std::fabs(half.to.y - half.from.y), std::fabs(lens.tip.y), 1.5);
    }
}

TEST_P(LensFigures, ParallelRaysGoToTheLensAndPointTowardsIt)
{
    const Scene& s = GetParam();
    for (double y : {double(s.h1), double(-s.h1)}) {
        EXPECT_TRUE(through(solid(), {double(-s.d), y}, {0, y})) << "no parallel ray at " << y;
        bool marked = false;
        for (const DrawnArrowHead& mark : picture->arrowHeads(PenOf(Yellow, 1))) {
            if (Distance(mark.tip, {-s.d / 2.0, y}) <= 1) {
                marked = true;
                ExpectHeadMarksRay(mark, {double(-s.d), y}, {0, y}, {1, 0}, "direction mark");
            }
        }
        EXPECT_TRUE(marked) << "no direction mark halfway to the lens at " << y;
    }
}

TEST_P(LensFigures, RaysFromTheObjectsEndsMeetInTheImage)
{
    const Scene& s = GetParam();
    const ThinLens lens(s);
    const auto all = [this] {
        auto lines = solid();
        const auto extensions = dashed();
        lines.insert(lines.end(), extensions.begin(), extensions.end());
        return lines;
    }();
    for (double sign : {1.0, -1.0}) {
        const Pt end{double(-s.d), sign * s.h1};
        const Pt image{lens.tip.x, sign * lens.tip.y};
        // The central ray goes straight through the optical centre.
        const auto central = through(all, end, {0, 0});
        ASSERT_TRUE(central) << "no ray from the object's end through the centre";
        EXPECT_LE(DistanceFromLine(image, central->from, central->to), 1.5);
        // The ray parallel to the axis leaves the lens through the focus
        // behind it, or as if from the focus in front of a diverging lens.
        const Pt focus{s.kind == LensKind::Converging ? double(s.F) : double(-s.F), 0};
        const auto refracted = through(all, {0, end.y}, focus);
        ASSERT_TRUE(refracted) << "no refracted ray through the focus";
        EXPECT_LE(DistanceFromLine(image, refracted->from, refracted->to), 1.5);
    }
}

TEST_P(LensFigures, RealRaysAreSolidAndOnlyTheirExtensionsDashed)
{
    const Scene& s = GetParam();
    const ThinLens lens(s);
    const Pt top{double(-s.d), double(s.h1)}, atLens{0, double(s.h1)};
    // Light starts at the object: no solid ray runs behind it.
    for (const DrawnSegment& ray : solid()) {
        EXPECT_GE(ray.from.x, -s.d - 1);
        EXPECT_GE(ray.to.x, -s.d - 1);
    }
    if (lens.real()) {
        // The refracted ray and the central ray run on, solid, to the image.
        EXPECT_TRUE(through(solid(), atLens, lens.tip));
        EXPECT_TRUE(through(solid(), top, lens.tip));
        return;
    }
    // The real rays leave the lens to the right; the refracted ray spreads
    // away from the axis behind a diverging lens.
    const auto refracted = through(solid(), atLens, lens.tip);
    ASSERT_TRUE(refracted) << "no solid refracted ray";
    EXPECT_GT(refracted->to.x, 0) << "the refracted ray is drawn towards the object";
    if (s.kind == LensKind::Diverging) {
        EXPECT_GT(refracted->to.y, s.h1) << "the diverging lens's rays converge";
    }
    // Only their backward extensions, dashed, reach the virtual image.
    const auto reachesImage = [this, &lens](Pt start) {
        bool extended = false;
        for (const DrawnSegment& extension : from(dashed(), start)) {
            EXPECT_LT(extension.to.x, start.x) << "an extension runs forward";
            extended |= DistanceFromLine(lens.tip, extension.from, extension.to) <= 1.5
                        && extension.to.x <= lens.tip.x + 1;
        }
        return extended;
    };
    EXPECT_TRUE(reachesImage(atLens)) << "no dashed extension of the refracted ray reaches the virtual image";
    // Behind a converging lens the central ray needs its extension too.
    if (s.kind == LensKind::Converging) {
        EXPECT_TRUE(reachesImage(top)) << "no dashed extension of the central ray reaches the virtual image";
    }
}

TEST_P(LensFigures, CentralRayArrowheadsPointAlongTheRays)
{
    const Scene& s = GetParam();
    std::vector<DrawnArrowHead> heads;
    for (const DrawnArrowHead& head : picture->arrowHeads(PenOf(Yellow, 1)))
        if (std::fabs(std::fabs(head.tip.y) - s.h1) > 1)
            heads.push_back(head);
    const bool marked = s.kind == LensKind::Diverging || s.d > s.F;
    ASSERT_EQ(heads.size(), marked ? 2u : 0u);
    for (const DrawnArrowHead& head : heads) {
        const Pt end{double(-s.d), head.tip.y > 0 ? double(s.h1) : double(-s.h1)};
        ExpectHeadMarksRay(head, end, {0, 0}, Pt{0, 0} - end, "central ray");
    }
}

TEST_P(LensFigures, FocalMarksAreNamedWhereTheyStand)
{
    const Scene& s = GetParam();
    for (int multiple : {1, 2, 3}) {
        const QString name = multiple == 1 ? QStringLiteral("F") : QString::number(multiple) + "F";
        int named = 0;
        for (const DrawnText& text : picture->texts()) {
            if (text.text == name) {
                EXPECT_NEAR(std::fabs(text.topLeft.x), multiple * s.F, 1) << name.toStdString();
                ++named;
            }
        }
        EXPECT_EQ(named, 2) << name.toStdString() << " on both sides";
        for (double x : {multiple * s.F, -multiple * s.F}) {
            int ticks = 0;
            for (const DrawnSegment& tick : picture->lines(PenOf(White, 3)))
                ticks += std::fabs(tick.from.x - x) <= 1 && std::fabs(tick.to.x - x) <= 1 && tick.length() <= 3;
            EXPECT_EQ(ticks, 2) << "no tick across the axis at " << x;
        }
    }
}

TEST_P(LensFigures, LensIsThickInTheMiddleOnlyWhenItConverges)
{
    const Scene& s = GetParam();
    const bool converging = s.kind == LensKind::Converging;
    if (s.figure == LensFigure::Schematic) {
        // The symbol's arrowheads point outwards for a converging lens, inwards for a diverging one.
        const auto heads = picture->arrowHeads(PenOf(White, 3));
        ASSERT_EQ(heads.size(), 2u);
        for (const DrawnArrowHead& head : heads) {
            EXPECT_NEAR(head.tip.x, 0, 1);
            const double outwards = head.pointing().y * head.tip.y;
            EXPECT_TRUE(converging ? outwards > 0 : outwards < 0);
        }
        return;
    }
    ASSERT_EQ(picture->arcs().size(), 2u);
    const double height = std::sqrt(17500.0);
    int bulgingLeft = 0, bulgingRight = 0;
    for (const DrawnArc& face : picture->arcs()) {
        EXPECT_NEAR(face.ry, height, 1);
        // Which way the face's middle lies: on the left of its ends or on the right.
        const bool middleLeft = face.covers(180) && !face.covers(0);
        const bool middleRight = face.covers(0) && !face.covers(180);
        ASSERT_TRUE(middleLeft || middleRight) << "a face is not a single curve";
        const Pt middle = face.pointAt(middleLeft ? 180 : 0);
        bulgingLeft += middleLeft;
        bulgingRight += middleRight;
        // A convex lens is 40 thick at the axis, a concave one 20, and 100 at its edges.
        EXPECT_NEAR(std::fabs(middle.x), converging ? 20 : 10, 0.5);
        if (!converging) {
            EXPECT_LT(std::fabs(middle.x), std::fabs(face.centre.x)) << "a concave face bulges outwards";
        }
    }
    EXPECT_EQ(bulgingLeft, 1);
    EXPECT_EQ(bulgingRight, 1);

    // The outline is closed: a convex lens's faces meet at its edges, a
    // concave one's are joined there by a bar across.
    std::vector<Pt> faceEnds, barEnds;
    for (const DrawnArc& face : picture->arcs())
        faceEnds.insert(faceEnds.end(), {face.pointAt(face.from), face.pointAt(face.to)});
    for (const DrawnSegment& line : picture->lines(PenOf(White, 3)))
        if (std::fabs(line.from.y) > 1 && line.length() > 5)
            barEnds.insert(barEnds.end(), {line.from, line.to});
    EXPECT_EQ(barEnds.size(), converging ? 0u : 4u);
    const auto meets = [](Pt end, const std::vector<Pt>& others) {
        return std::count_if(others.begin(), others.end(), [end](Pt other) { return Distance(end, other) <= 1; });
    };
    for (Pt end : faceEnds)
        EXPECT_EQ(meets(end, converging ? faceEnds : barEnds), converging ? 2 : 1)
            << "a face ends at (" << end.x << ", " << end.y << ") on nothing";
    for (Pt end : barEnds)
        EXPECT_EQ(meets(end, faceEnds), 1) << "a bar ends at (" << end.x << ", " << end.y << ") beside the faces";
}

std::vector<Scene> sweep()
{
    std::vector<Scene> scenes;
    for (LensKind kind : {LensKind::Converging, LensKind::Diverging})
        for (int F : {10, 97, 200})
            for (int d : {30, 65, 130, 200})
                for (int h1 : {10, 54, 150})
                    if (kind == LensKind::Diverging || d != F)
                        scenes.push_back({kind, d == 130 ? LensFigure::Schematic : LensFigure::Outline, F, d, h1});
    // The cases the lens is taught with: defaults, d = 2F, d > 2F, d < F, and d = F before a diverging lens.
    for (LensKind kind : {LensKind::Converging, LensKind::Diverging})
        for (LensFigure figure : {LensFigure::Outline, LensFigure::Schematic})
            for (auto [F, d] : {std::pair{97, 130}, {65, 130}, {50, 150}, {150, 130}})
                scenes.push_back({kind, figure, F, d, 54});
    scenes.push_back({LensKind::Diverging, LensFigure::Outline, 130, 130, 54});
    return scenes;
}

INSTANTIATE_TEST_SUITE_P(Sweep, LensFigures, ::testing::ValuesIn(sweep()));

} // namespace
