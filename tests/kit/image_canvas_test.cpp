#include "kit/image_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <vector>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

class ImageCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.SetLabelAppearance(kBlack, QFont(QStringLiteral("MS Sans Serif")), kRed);
        canvas.Refresh();
    }

    QColor at(int x, int y) const { return canvas.Image().pixelColor(x, y); }

    bool litNear(int x, int y, int radius, const QColor& colour) const
    {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (canvas.Image().valid(x + dx, y + dy) && at(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    }

    int count(const QColor& colour, const QRect& area) const
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                n += at(x, y) == colour;
        }
        return n;
    }

    // True when every blue hatch pixel in a patch continues in the step (dx, dy).
    bool hatchRuns(int dx, int dy) const
    {
        for (int y = 20; y < 28; ++y) {
            for (int x = 20; x < 28; ++x) {
                if (at(x, y) == kBlue && at(x + dx, y + dy) != kBlue)
                    return false;
            }
        }
        return true;
    }

    ImageCanvas canvas{QSize(300, 300)};
};

TEST_F(ImageCanvasTest, LineToLeavesOutItsEndPixel)
{
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(2, 5);
    canvas.LineTo(10, 5);
    EXPECT_EQ(at(2, 5), kWhite);
    EXPECT_EQ(at(9, 5), kWhite);
    EXPECT_EQ(at(10, 5), kBlack);
}

TEST_F(ImageCanvasTest, DashGapsTakeTheBrushColourOnlyUnderASolidBrush)
{
    canvas.SetPenColor(kWhite);
    canvas.SetPenStyle(PenStyle::psDash);
    canvas.MoveTo(0, 10);
    canvas.LineTo(60, 10);
    EXPECT_EQ(at(0, 10), kWhite);
    EXPECT_EQ(at(17, 10), kWhite);
    EXPECT_EQ(at(18, 10), kBlack); // gap, brush clear after the refresh
    EXPECT_EQ(at(23, 10), kBlack);
    EXPECT_EQ(at(24, 10), kWhite);

    canvas.SetBrushColor(kYellow);
    canvas.MoveTo(0, 20);
    canvas.LineTo(60, 20);
    EXPECT_EQ(at(18, 20), kYellow);
    EXPECT_EQ(at(24, 20), kWhite);
}

TEST_F(ImageCanvasTest, DotsAlternateThreeAndThree)
{
    canvas.SetPenColor(kWhite);
    canvas.SetPenStyle(PenStyle::psDot);
    canvas.MoveTo(0, 10);
    canvas.LineTo(20, 10);
    EXPECT_EQ(at(2, 10), kWhite);
    EXPECT_EQ(at(3, 10), kBlack);
    EXPECT_EQ(at(6, 10), kWhite);
}

TEST_F(ImageCanvasTest, WidePenIgnoresItsDashes)
{
    canvas.SetPenColor(kWhite);
    canvas.SetPenStyle(PenStyle::psDash);
    canvas.SetPenWidth(2);
    canvas.MoveTo(0, 50);
    canvas.LineTo(100, 50);
    for (int x = 2; x < 98; ++x)
        ASSERT_TRUE(at(x, 50) == kWhite || at(x, 49) == kWhite) << "gap at x = " << x;
}

TEST_F(ImageCanvasTest, HatchesDrawOnlyTheirLinesInTheirDirection)
{
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    canvas.SetBrushColor(kBlue);
    canvas.SetPenColor(kBlack);
    canvas.Rectangle(0, 0, 100, 100);
    const QRect inside(10, 10, 40, 40);
    const int forward = count(kBlue, inside);
    EXPECT_GT(forward, 0);
    EXPECT_GT(count(kBlack, inside), forward); // the ground between the lines stays
    EXPECT_TRUE(hatchRuns(1, -1)); // '/' lines: up and to the right

    canvas.SetBrushStyle(BrushStyle::bsBDiagonal);
    canvas.SetBrushColor(kBlue);
    canvas.Rectangle(0, 0, 100, 100);
    // Over the first hatch the second makes a cross hatch.
    EXPECT_GT(count(kBlue, inside), forward);
    canvas.Refresh();
    canvas.SetBrushStyle(BrushStyle::bsBDiagonal);
    canvas.SetBrushColor(kBlue);
    canvas.Rectangle(0, 0, 100, 100);
    EXPECT_TRUE(hatchRuns(1, 1)); // '\\' lines: down and to the right
}

TEST_F(ImageCanvasTest, ArcOfAnElongatedBoxStartsWhereItsRayMeetsTheEllipse)
{
    // The lens outline's box, 40 x 264, centre (120, 132). The ray at 45
    // degrees meets this ellipse near (139, 112), far below the point at
    // parameter 45 degrees, (134, 39).
    canvas.SetPenColor(kWhite);
    canvas.Arc(100, 0, 140, 264, 220, 32, 20, 32);
    EXPECT_TRUE(litNear(139, 112, 1, kWhite));
    EXPECT_TRUE(litNear(139, 104, 1, kWhite));
    EXPECT_FALSE(litNear(139, 124, 1, kWhite));
    EXPECT_TRUE(litNear(120, 0, 1, kWhite));   // through the top
    EXPECT_FALSE(litNear(120, 263, 2, kWhite)); // not the bottom
    EXPECT_TRUE(litNear(101, 112, 1, kWhite));  // ends at the mirror point on the left
    EXPECT_FALSE(litNear(101, 124, 1, kWhite));
}

TEST_F(ImageCanvasTest, ArcRunsCounterclockwiseOnTheScreen)
{
    canvas.SetPenColor(kWhite);
    // From the right (3 o'clock) to the top (12 o'clock): the upper right quarter.
    canvas.Arc(100, 100, 200, 200, 250, 150, 150, 50);
    EXPECT_TRUE(litNear(185, 115, 1, kWhite));
    EXPECT_FALSE(litNear(115, 185, 2, kWhite));
    EXPECT_FALSE(litNear(185, 185, 2, kWhite));
}

TEST_F(ImageCanvasTest, CoincidingRaysDrawTheWholeEllipse)
{
    canvas.SetPenColor(kWhite);
    canvas.Arc(100, 100, 200, 200, 250, 150, 300, 150);
    EXPECT_TRUE(litNear(150, 100, 1, kWhite));
    EXPECT_TRUE(litNear(150, 199, 1, kWhite));
    EXPECT_TRUE(litNear(100, 150, 1, kWhite));
}

TEST_F(ImageCanvasTest, PieFillsItsSectorWithTheBrush)
{
    canvas.SetPenColor(kWhite);
    canvas.SetBrushColor(kYellow);
    canvas.Pie(100, 100, 200, 200, 250, 150, 150, 50);
    EXPECT_EQ(at(165, 135), kYellow);
    EXPECT_EQ(at(135, 165), kBlack);
}

TEST_F(ImageCanvasTest, EllipseIsOutlinedWithThePenAndFilledWithTheBrush)
{
    canvas.SetPenColor(kWhite);
    canvas.Ellipse(50, 50, 150, 150);
    EXPECT_EQ(at(100, 100), kBlack); // clear brush after the refresh
    EXPECT_TRUE(litNear(50, 100, 1, kWhite));

    canvas.SetBrushColor(kYellow);
    canvas.Ellipse(150, 150, 50, 50); // corners in the other order
    EXPECT_EQ(at(100, 100), kYellow);
}

TEST_F(ImageCanvasTest, TextBackgroundIsFilledOnlyUnderASolidBrush)
{
    canvas.TextOut(10, 10, QStringLiteral("B"));
    EXPECT_EQ(at(10, 10), kBlack);
    canvas.SetBrushColor(kBlue);
    canvas.TextOut(10, 100, QStringLiteral("B"));
    EXPECT_EQ(at(10, 100), kBlue);
    EXPECT_GT(count(kRed, QRect(10, 100, 12, 16)) + count(kBlue, QRect(10, 100, 12, 16)), 0);
}

TEST_F(ImageCanvasTest, RefreshClearsToTheBackground)
{
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(0, 0);
    canvas.LineTo(299, 299);
    canvas.Refresh();
    EXPECT_EQ(count(kWhite, QRect(0, 0, 300, 300)), 0);
}

TEST_F(ImageCanvasTest, AbsurdlyLongLinesAreClippedNotWalked)
{
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(-2000000000, 150);
    canvas.LineTo(2000000000, 150);
    EXPECT_EQ(at(0, 150), kWhite);
    EXPECT_EQ(at(299, 150), kWhite);
}

// One redraw with every kind of operation; `variant` moves its second half,
// as a control moves a ray while the protractor stays.
void drawFrame(Canvas& canvas, int variant, bool lookEveryStep)
{
    const auto look = [&canvas, lookEveryStep] {
        if (lookEveryStep)
            static_cast<ImageCanvas&>(canvas).Image();
    };
    canvas.Refresh();
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.Ellipse(50, 250, 250, 50);
    look();
    for (int k = 0; k < 12; ++k) {
        canvas.MoveTo(150 + k * 7, 40);
        canvas.LineTo(150 + k * 7, 30);
        canvas.TextOut(140 + k * 7, 10, QString::number(k));
        look();
    }
    // From here on the picture depends on the variant.
    canvas.SetPenColor(kYellow);
    canvas.SetPenWidth(3);
    canvas.MoveTo(150, 150);
    canvas.LineTo(150 + variant * 9, 60);
    canvas.SetBrushColor(kYellow);
    canvas.Ellipse(140 + variant, 140, 160 + variant, 160);
    look();
    canvas.SetPenColor(kBlack);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::psDot); // gaps in the solid yellow brush
    canvas.MoveTo(150, 150);
    canvas.LineTo(250, 250 - variant * 5);
    canvas.SetBrushColor(kBlack);
    canvas.TextOut(100 + variant, 200, QStringLiteral("A")); // on black, after an opaque line
    canvas.SetBrushStyle(BrushStyle::bsClear);
    canvas.TextOut(60, 220 - variant, QStringLiteral("B"));
    look();
    canvas.SetPenStyle(PenStyle::psSolid);
    canvas.SetPenColor(kBlue);
    canvas.SetPenWidth(2);
    canvas.Arc(80, 80, 220, 220, 300, 150 - variant, 150, 300);
    canvas.SetBrushColor(kBlue);
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    canvas.Pie(100, 100, 200, 200, 300, 150, 0, 150 + variant);
    look();
    // A moving hatched figure: the hatch stays laid from the picture's corner.
    canvas.SetBrushStyle(BrushStyle::bsBDiagonal);
    canvas.Ellipse(200 + variant * 5, 200, 260 + variant * 5, 260);
    // Outlines only: what they painted over lies along the curve.
    canvas.SetBrushStyle(BrushStyle::bsClear);
    canvas.SetPenWidth(1 + variant % 3);
    canvas.Ellipse(20 + variant * 13, 170, 130 + variant * 13, 290);
    canvas.Pie(150, 20 + variant * 11, 290, 160 + variant * 11, 290, 90, 150, 160);
    look();
}

// However often the picture is looked at, and whatever was drawn before,
// a redraw leaves exactly the pixels it draws on a fresh canvas.
TEST(ImageCanvasFrames, EveryRedrawGivesThePixelsOfItsOwnStrokes)
{
    const auto setUp = [](ImageCanvas& canvas) {
        canvas.SetLabelAppearance(kBlack, QFont(QStringLiteral("MS Sans Serif")), kRed);
    };
    ImageCanvas lookedAtOnce(QSize(300, 300)), lookedAtAlways(QSize(300, 300));
    setUp(lookedAtOnce);
    setUp(lookedAtAlways);
    for (int variant : {0, 1, 1, 5, 1, 0, 0, 3}) {
        drawFrame(lookedAtOnce, variant, false);
        drawFrame(lookedAtAlways, variant, true);
        ImageCanvas fresh(QSize(300, 300));
        setUp(fresh);
        drawFrame(fresh, variant, true);
        EXPECT_EQ(lookedAtOnce.Image(), fresh.Image()) << "variant " << variant;
        EXPECT_EQ(lookedAtAlways.Image(), fresh.Image()) << "variant " << variant;
    }
}

// A figure that keeps coming back, each time somewhere else, is set from the
// pixels it set before; they are the pixels it sets where it now stands, in
// the picture or reaching out of it.
TEST(ImageCanvasFrames, AFigureMovedWholeSetsThePixelsItDrawsThere)
{
    std::mt19937 random(4242);
    const auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int n = 0; n < 1500; ++n) {
        const int width = uniform(6, 160), height = n % 3 ? width : uniform(6, 160);
        const QPoint start(uniform(-80, 240), uniform(-80, 240)), end(uniform(-80, 240), uniform(-80, 240));
        const int penWidth = 1 + n % 4;
        const bool ellipse = n % 5 == 0, line = n % 7 == 3;
        const auto draw = [&](Canvas& canvas, QPoint at) {
            canvas.Refresh();
            canvas.SetPenColor(kYellow);
            canvas.SetPenWidth(penWidth);
            if (line) {
                canvas.MoveTo(at.x(), at.y());
                canvas.LineTo(at.x() + start.x(), at.y() + end.y());
            } else if (ellipse) {
                canvas.Ellipse(at.x(), at.y(), at.x() + width, at.y() + height);
            } else {
                canvas.Arc(at.x(), at.y(), at.x() + width, at.y() + height, at.x() + start.x(), at.y() + start.y(),
                           at.x() + end.x(), at.y() + end.y());
            }
        };
        // Wholly within the picture at first, then anywhere from a third out.
        const auto place = [&] {
            if (n % 2)
                return QPoint(uniform(8, 300 - width - 8), uniform(8, 300 - height - 8));
            return QPoint(uniform(-width / 3, 300 - width * 2 / 3), uniform(-height / 3, 300 - height * 2 / 3));
        };
        ImageCanvas moved(QSize(300, 300));
        for (int k = 0; k < 3; ++k) {
            draw(moved, place());
            moved.Image();
        }
        const QPoint last = place();
        draw(moved, last);
        ImageCanvas fresh(QSize(300, 300));
        draw(fresh, last);
        ASSERT_EQ(moved.Image(), fresh.Image()) << "figure " << n << " pen " << penWidth << " box " << width << "x"
                                                << height << " at " << last.x() << "," << last.y();
    }
}

using Drawing = std::function<void(Canvas&, QPoint)>;
using SetUp = std::function<void(ImageCanvas&)>;

// Draws the picture for each place in turn on one canvas, which keeps what
// came before, and on a fresh one: they must show the same pixels.
void expectKeptLikeFresh(const Drawing& draw, const std::vector<QPoint>& places, const SetUp& setUp = {},
                         QSize size = QSize(300, 300))
{
    ImageCanvas moved(size);
    if (setUp)
        setUp(moved);
    for (const QPoint at : places) {
        draw(moved, at);
        ImageCanvas fresh(size);
        if (setUp)
            setUp(fresh);
        draw(fresh, at);
        ASSERT_EQ(moved.Image(), fresh.Image()) << "drawn at " << at.x() << "," << at.y();
    }
}

// The painter splits an ellipse's curves differently in different places: a
// small one with a wide pen, as the luminous point moving with a ray, has
// more than one shape. Moved, it shows the shape it has where it stands.
TEST(ImageCanvasFrames, AMovingEllipseShowsTheShapeItHasWhereItStands)
{
    std::vector<QPoint> places;
    for (int step = 0; step < 120; ++step)
        places.emplace_back(40 + 5 * (step % 13), 2 + step);
    expectKeptLikeFresh(
        [](Canvas& canvas, QPoint at) {
            canvas.Refresh();
            canvas.SetPenColor(kYellow);
            canvas.SetPenWidth(3);
            canvas.Ellipse(at.x(), at.y(), at.x() + 6, at.y() + 6);
        },
        places, {}, QSize(160, 160));
}

// A label on a solid box, as a protractor moving with a ray draws it: kept
// once it comes again, and then set wherever it stands, the edges of the
// picture included.
TEST(ImageCanvasFrames, ALabelOnABoxMovedSetsThePixelsItDrawsThere)
{
    const auto draw = [](Canvas& canvas, QPoint at) {
        canvas.Refresh();
        canvas.SetPenColor(kWhite);
        canvas.SetPenWidth(3);
        canvas.MoveTo(0, 0);
        canvas.LineTo(299, 299); // under the box: the box covers it
        canvas.SetBrushStyle(BrushStyle::bsSolid);
        canvas.SetBrushColor(kBlack);
        canvas.TextOut(at.x(), at.y(), QStringLiteral("170"));
        canvas.TextOut(at.x(), at.y() + 60, QStringLiteral("f"));
    };
    const auto setUp = [](ImageCanvas& canvas) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(30);
        font.setItalic(true); // the f leans out of its box
        canvas.SetLabelAppearance(kBlack, font, kRed);
    };
    expectKeptLikeFresh(draw,
                        {QPoint(100, 100), QPoint(120, 90), QPoint(140, 140), QPoint(150, 148), QPoint(-6, 50),
                         QPoint(290, 50), QPoint(150, -4), QPoint(150, 192), QPoint(296, 197), QPoint(7, 9),
                         QPoint(183, 181)},
                        setUp);
}

// A label with no box of its own blends with the picture below: kept on a
// ground of one colour, it is set only where the picture round it is of that
// colour, and drawn afresh where a line passes by.
TEST(ImageCanvasFrames, ALabelOnThePictureMovedSetsThePixelsItDrawsThere)
{
    const auto draw = [](Canvas& canvas, QPoint at) {
        canvas.Refresh();
        canvas.SetPenColor(kWhite);
        canvas.SetPenWidth(1);
        canvas.MoveTo(150, 0);
        canvas.LineTo(150, 299);
        canvas.SetBrushStyle(BrushStyle::bsClear);
        canvas.TextOut(at.x(), at.y(), QStringLiteral("A\""));
        canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
        canvas.TextOut(at.x() + 20, at.y() + 30, QStringLiteral("n2"));
    };
    std::vector<QPoint> places;
    for (int step = 0; step < 40; ++step)
        places.emplace_back(100 + step * 2, 60 + step % 5);
    expectKeptLikeFresh(draw, places, [](ImageCanvas& canvas) {
        canvas.SetLabelAppearance(kBlack, QFont(QStringLiteral("MS Sans Serif")), kRed);
    });
}

// A pupil sweeps a track bar of 200 positions to its end and back, and again:
// each position's ray and angle mark come back up to 400 redraws later, with
// hundreds of other figures between. From the third sweep on they are set
// from what they set before, and set what they draw.
TEST(ImageCanvasFrames, FiguresComingBackAfterAWholeSweepAreKeptAndSetAsTheyDraw)
{
    constexpr int kPositions = 200;
    const auto end = [](int position) {
        const double angle = position * M_PI / 2 / kPositions;
        return QPoint(150 + int(std::lround(140 * std::cos(angle))), 150 - int(std::lround(140 * std::sin(angle))));
    };
    const auto draw = [&end](Canvas& canvas, int position) {
        const auto [x, y] = std::pair(end(position).x(), end(position).y());
        canvas.Refresh();
        canvas.SetPenColor(kYellow);
        canvas.SetPenWidth(3);
        canvas.MoveTo(150, 150);
        canvas.LineTo(x, y);
        canvas.Arc(90, 90, 210, 210, 300, 150, x, y);
    };
    std::vector<int> sweep;
    for (int position = 0; position < kPositions; ++position)
        sweep.push_back(position);
    for (int position = kPositions - 1; position >= 0; --position)
        sweep.push_back(position);

    ImageCanvas swept(QSize(300, 300));
    for (int pass = 0; pass < 3; ++pass) {
        for (const int position : sweep) {
            draw(swept, position);
            swept.Image();
        }
    }
    // A ray and a mark for each end the rays reach.
    std::set<std::pair<int, int>> ends;
    for (int position = 0; position < kPositions; ++position)
        ends.emplace(end(position).x(), end(position).y());
    EXPECT_EQ(swept.KeptFigures(), 2 * ends.size());
    for (const int position : sweep) {
        draw(swept, position);
        ImageCanvas fresh(QSize(300, 300));
        draw(fresh, position);
        ASSERT_EQ(swept.Image(), fresh.Image()) << "position " << position;
    }
}

TEST(ImageCanvasFrames, ACopyOfThePictureKeepsItsPixels)
{
    ImageCanvas canvas(QSize(100, 100));
    canvas.Refresh();
    const QImage before = canvas.Image();
    canvas.SetPenColor(kWhite);
    canvas.SetPenWidth(3);
    canvas.MoveTo(0, 0);
    canvas.LineTo(99, 99);
    canvas.Image();
    EXPECT_EQ(before.pixelColor(50, 50), kBlack);
    EXPECT_EQ(canvas.Image().pixelColor(50, 50), kWhite);
}

} // namespace
