// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/image_canvas.h"
#include "kit/model_colours.h"
#include "models/shadow/two_source_picture.h"

#include <gtest/gtest.h>

// The hatches as the renderer sets them: where the two shadows overlap, the
// side view and the screen face-on show a cross hatch.
namespace {

using namespace ModelColour;

// Counts the pixels of `colour` in `area` that continue in the step (1, dy)
// and (2, 2 dy): pieces of diagonal hatch lines.
int DiagonalPixels(const QImage& image, const QRect& area, const QColor& colour, int dy)
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += image.pixelColor(x, y) == colour && image.pixelColor(x + 1, y + dy) == colour
                     && image.pixelColor(x + 2, y + 2 * dy) == colour;
    return found;
}

TEST(TwoSourceHatches, CoincidingShadowsShowACrossHatchInBothViews)
{
    ImageCanvas canvas(QSize(965, 351));
    canvas.SetLabelAppearance(Black, QFont(), White);
    ImageCanvas screen(QSize(285, 240));
    screen.SetLabelAppearance(White, QFont(), Black);

    // Both sources on the axis at 400: both shadows from -40 to 40 on the
    // screen at 400, around canvas (882, 175) and (142, 120) face-on.
    DrawTwoSources(canvas, TwoSourceStateOf({0, 400, 0, 400, 400, 20}));
    DrawTwoSourceScreen(screen, TwoSourceStateOf({0, 400, 0, 400, 400, 20}));
    const QRect side(874, 155, 16, 40), faceOn(115, 95, 16, 16);
    EXPECT_GT(DiagonalPixels(canvas.Image(), side, Yellow, 1), 0) << "no '\\' hatch of S1";
    EXPECT_GT(DiagonalPixels(canvas.Image(), side, Yellow, -1), 0) << "no '/' hatch of S2";
    EXPECT_GT(DiagonalPixels(screen.Image(), faceOn, Black, 1), 0);
    EXPECT_GT(DiagonalPixels(screen.Image(), faceOn, Black, -1), 0);

    // Apart, as at the start, each shadow keeps its one hatch: S1's lies
    // around (882, 246) on the side view and (142, 191) face-on, where the
    // patch keeps clear of the axis and its ticks.
    DrawTwoSources(canvas, TwoSourceStateOf({10, 400, -10, 180, 400, 20}));
    DrawTwoSourceScreen(screen, TwoSourceStateOf({10, 400, -10, 180, 400, 20}));
    const QRect s1Side(876, 230, 12, 30), s1FaceOn(150, 182, 20, 16);
    EXPECT_GT(DiagonalPixels(canvas.Image(), s1Side, Yellow, 1), 0);
    EXPECT_EQ(DiagonalPixels(canvas.Image(), s1Side, Yellow, -1), 0);
    EXPECT_GT(DiagonalPixels(screen.Image(), s1FaceOn, Black, -1), 0);
    EXPECT_EQ(DiagonalPixels(screen.Image(), s1FaceOn, Black, 1), 0);
}

} // namespace
