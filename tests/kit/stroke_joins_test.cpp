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

// Chords of an ellipse, as fine as the canvas draws its arcs.
QPolygonF arcChords(QPointF centre, double radius, double start, double span, double radiusY = 0)
{
    if (radiusY == 0)
        radiusY = radius;
    const int segments = int(span * std::max(radius, radiusY) / 2) + 8;
    QPolygonF chords;
    for (int i = 0; i <= segments; ++i) {
        const double t = start + span * i / segments;
        chords.append(centre + QPointF(radius * std::cos(t), -radiusY * std::sin(t)));
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

TEST(StrokeJoins, BevelJoinsAreTakenOnElongatedArcsOnlyWhereTheyChangeNoPixel)
{
    std::mt19937 random(2027);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 2500; ++n) {
        const int width = 2 + n % 4;
        const double radiusX = 3 + std::floor(unit(random) * 140), radiusY = 3 + std::floor(unit(random) * 140);
        const QPointF centre(150 + std::floor(unit(random) * 20) + (n % 2) / 2.0, 150 + (n % 3 == 0 ? 0.5 : 0));
        const QPolygonF chords = arcChords(centre, radiusX, unit(random) * 6.3, 0.05 + unit(random) * 6.2, radiusY);
        if (BevelJoinsSetTheSamePixels(chords, width)) {
            ASSERT_EQ(stroked(chords, width, Qt::BevelJoin), stroked(chords, width, Qt::RoundJoin))
                << "width " << width << " radii " << radiusX << "x" << radiusY << " arc " << n;
        }
    }
}

// Arcs where the painter's round join steps off the bevel's line: where two
// quarters of its circle meet, and on the side it strokes coming back.
TEST(StrokeJoins, JoinsThatLeaveTheBevelsLineAreFound)
{
    struct Arc {
        int width;
        QPointF centre;
        double radius, start, span;
    };
    for (const Arc& arc : {Arc{2, {158.5, 152}, 19, 4.9675706116446054, 1.4088409292922217},
                           Arc{5, {160.5, 153}, 77, 4.20194674492204, 3.450184061622767},
                           Arc{3, {163.5, 160}, 14, 2.8789608163324387, 0.59803953976505209}}) {
        const QPolygonF chords = arcChords(arc.centre, arc.radius, arc.start, arc.span);
        ASSERT_NE(stroked(chords, arc.width, Qt::BevelJoin), stroked(chords, arc.width, Qt::RoundJoin));
        EXPECT_FALSE(BevelJoinsSetTheSamePixels(chords, arc.width)) << "radius " << arc.radius;
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
    EXPECT_GT(agreed, arcs * 3 / 4);
}

TEST(StrokeJoins, ACornerNeedsItsRoundJoin)
{
    const QPolygonF corner{{100, 100}, {200, 100}, {200, 200}};
    EXPECT_FALSE(BevelJoinsSetTheSamePixels(corner, 5));
    EXPECT_NE(stroked(corner, 5, Qt::BevelJoin), stroked(corner, 5, Qt::RoundJoin));
    EXPECT_FALSE(BevelJoinsSetTheSamePixels({{100, 100}, {200, 100}, {100, 100}}, 3));
}

} // namespace
