#include "kit/stroke_joins.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

QImage stroked(const QPolygonF& polyline, int width, Qt::PenJoinStyle join)
{
    QImage image(320, 320, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::yellow, width, Qt::SolidLine, Qt::RoundCap, join));
    QPainterPath path;
    path.addPolygon(polyline);
    painter.drawPath(path);
    return image;
}

// Chords of a circle, as fine as the canvas draws its arcs.
QPolygonF arcChords(QPointF centre, double radius, double start, double span)
{
    const int segments = int(span * radius / 2) + 8;
    QPolygonF chords;
    for (int i = 0; i <= segments; ++i) {
        const double t = start + span * i / segments;
        chords.append(centre + QPointF(radius * std::cos(t), -radius * std::sin(t)));
    }
    return chords;
}

// Wherever bevel joins are said to do, they set the pixels round joins set:
// over arcs of every size, from small circles whose chords are shorter than
// the pen is wide to long sweeps of large ones.
TEST(StrokeJoins, BevelJoinsAreTakenOnlyWhereTheyChangeNoPixel)
{
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 6000; ++n) {
        const int width = 2 + n % 4;
        const double radius = 3 + std::floor(unit(random) * unit(random) * 140);
        const QPointF centre(150 + std::floor(unit(random) * 20) + (n % 2) / 2.0, 150 + std::floor(unit(random) * 20));
        const QPolygonF chords = arcChords(centre, radius, unit(random) * 6.3, 0.05 + unit(random) * 6.2);
        if (BevelJoinsSetTheSamePixels(chords, width)) {
            ASSERT_EQ(stroked(chords, width, Qt::BevelJoin), stroked(chords, width, Qt::RoundJoin))
                << "width " << width << " radius " << radius << " arc " << n;
        }
    }
}

// The marks of angles the models draw, a few pixels wide round a point tens
// of pixels away, mostly take the cheaper joins, or they would save nothing.
TEST(StrokeJoins, MostMarksOfAnglesTakeBevelJoins)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    int agreed = 0;
    const int arcs = 1000;
    for (int n = 0; n < arcs; ++n) {
        const int width = 2 + n % 2;
        const QPolygonF chords = arcChords({150, 150}, 40 + std::floor(unit(random) * 60), unit(random) * 6.3,
                                           0.5 + unit(random) * 1.1);
        agreed += BevelJoinsSetTheSamePixels(chords, width);
    }
    EXPECT_GT(agreed, arcs / 3);
}

TEST(StrokeJoins, ACornerNeedsItsRoundJoin)
{
    const QPolygonF corner{{100, 100}, {200, 100}, {200, 200}};
    EXPECT_FALSE(BevelJoinsSetTheSamePixels(corner, 5));
    EXPECT_NE(stroked(corner, 5, Qt::BevelJoin), stroked(corner, 5, Qt::RoundJoin));
    EXPECT_FALSE(BevelJoinsSetTheSamePixels({{100, 100}, {200, 100}, {100, 100}}, 3));
}

} // namespace
