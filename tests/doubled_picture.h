// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace doubled_picture {

inline double meanGreyDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum / (a.width() * a.height());
}

// The sum of the squared steps between neighbours along the rows.
inline double edgeEnergy(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            const int step = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
            sum += step * step;
        }
    }
    return sum;
}

// The share of the 2 x 2 squares with anything but the ground (the colour of
// the top left corner) in them whose four pixels are not all alike.
inline double mixedSquares(const QImage& image)
{
    const QRgb ground = image.pixel(0, 0);
    int inked = 0, mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb square[] = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                                   image.pixel(x + 1, y + 1)};
            bool bare = true, alike = true;
            for (const QRgb pixel : square) {
                bare = bare && pixel == ground;
                alike = alike && pixel == square[0];
            }
            inked += !bare;
            mixed += !alike;
        }
    }
    return inked ? double(mixed) / inked : 0;
}

} // namespace doubled_picture

// Whether `doubled` is `plain` drawn again at twice the resolution: seen from
// afar the two are alike, yet its edges are as sharp as the plain picture's
// in twice the rows, where a smooth enlargement blurs them, and it has detail
// finer than its squares of 2 x 2 pixels, which an enlargement pixel by pixel
// has not.
inline ::testing::AssertionResult IsDrawnAtTwice(QImage plain, QImage doubled)
{
    using namespace doubled_picture;
    plain = plain.convertToFormat(QImage::Format_RGB32);
    doubled = doubled.convertToFormat(QImage::Format_RGB32);
    if (doubled.size() != plain.size() * 2)
        return ::testing::AssertionFailure() << "not twice the size";
    const QSize afar = plain.size() / 4;
    const double difference = meanGreyDifference(plain.scaled(afar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                                 doubled.scaled(afar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const double sharpness = edgeEnergy(doubled) / edgeEnergy(plain);
    const double mixed = mixedSquares(doubled);
    if (difference < 4 && sharpness > 1.5 && mixed > 0.2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "grey difference from afar " << difference << " (below 4 wanted), sharpness "
                                         << sharpness << " (above 1.5), mixed squares " << mixed << " (above 0.2)";
}
