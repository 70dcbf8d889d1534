// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/image_canvas.h"
#include "kit/model_colours.h"
#include "models/reflection/reflection_picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace ModelColour;

// On a screen of twice the pixels every line lands on its doubled
// coordinates, each canvas pixel of its width two pixels of the image: the
// axes (one canvas pixel) two wide, the incident ray (three) six wide.
TEST(ReflectionOnAScreenOfTwiceThePixels, LinesLandDoubledAndTwiceAsWide)
{
    ImageCanvas canvas(QSize(607, 519), 2);
    DrawReflection(canvas, ReflectionStateOf(45, 10));
    const QImage& image = canvas.Image();
    ASSERT_EQ(image.size(), QSize(1214, 1038));
    const auto colour = [&image](int x, int y) { return image.pixelColor(x, y); };

    // The vertical axis through canvas column 303, above the protractor.
    for (int y = 0; y < 80; y += 7) {
        EXPECT_EQ(colour(606, y), White) << y;
        EXPECT_EQ(colour(607, y), White) << y;
        EXPECT_EQ(colour(605, y), Black) << y;
        EXPECT_EQ(colour(608, y), Black) << y;
    }
    // The horizontal axis through canvas row 259, left of the protractor.
    for (int x = 0; x < 150; x += 11) {
        EXPECT_EQ(colour(x, 518), White) << x;
        EXPECT_EQ(colour(x, 519), White) << x;
        EXPECT_EQ(colour(x, 517), Black) << x;
        EXPECT_EQ(colour(x, 520), Black) << x;
    }
    // Across the incident ray at its middle: from the centre (303, 259) up to
    // the lamp 200 away at 45 degrees, A = 45 from the vertical.
    const double half = 100 / std::sqrt(2.0);
    int yellow = 0; // samples half an image pixel apart
    for (double t = -8; t <= 8; t += 0.25) {
        const double x = 303 + half - t / std::sqrt(2.0), y = 259 - half - t / std::sqrt(2.0);
        yellow += colour(int(std::floor(2 * x + 1)), int(std::floor(2 * y + 1))) == Yellow;
    }
    EXPECT_NEAR(yellow / 2.0, 6, 1) << "image pixels across the ray";
}

} // namespace
