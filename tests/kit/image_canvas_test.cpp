// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/image_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
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
