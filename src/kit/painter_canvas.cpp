// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/painter_canvas.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

DashPattern DashPatternOf(PenStyle style)
{
    switch (style) {
    case PenStyle::psDash: return {18, 6};
    case PenStyle::psDot: return {3, 3};
    case PenStyle::psSolid: break;
    }
    return {1, 0};
}

namespace {

// The pen as QPainter should stroke with it: dashes only at width 1, round
// ends and joins on wide pens.
QPen outlinePen(const CanvasPen& pen, qreal thinWidth)
{
    QPen qpen(pen.color, std::max(pen.width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (pen.width <= 1) {
        qpen.setWidthF(thinWidth); // 0: cosmetic, exactly one device pixel
        qpen.setCapStyle(Qt::FlatCap);
        if (pen.style != PenStyle::psSolid) {
            const DashPattern p = DashPatternOf(pen.style);
            qpen.setDashPattern({qreal(p.on), qreal(p.off)});
        }
    }
    return qpen;
}

QBrush fillBrush(const CanvasBrush& brush)
{
    switch (brush.style) {
    case BrushStyle::bsSolid: return QBrush(brush.color);
    case BrushStyle::bsClear: return Qt::NoBrush;
    case BrushStyle::bsFDiagonal: return QBrush(brush.color, Qt::BDiagPattern);  // lines like '/'
    case BrushStyle::bsBDiagonal: return QBrush(brush.color, Qt::FDiagPattern);  // lines like '\'
    }
    return Qt::NoBrush;
}

// Cuts the segment to `area` (Liang-Barsky), so that absurdly long lines cost
// no more than visible ones. Returns false when nothing of it is inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& area)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const QPointF start = a;
    a = start + t0 * QPointF(dx, dy);
    b = start + t1 * QPointF(dx, dy);
    return true;
}

double angleOnScreen(const QPointF& centre, const QPoint& through)
{
    return std::atan2(-(through.y() - centre.y()), through.x() - centre.x());
}

// Where on the ellipse that Ellipse draws in `box` an arc begins and how far
// it runs, in degrees of the ellipse's own parameter (as QPainterPath takes
// them), counterclockwise on the screen from where the ray from the box's
// centre through `start` meets it to where the ray through `end` does;
// coinciding rays give the whole ellipse.
struct ArcAngles {
    double start;
    double span;
};

ArcAngles arcAngles(const QRect& box, const QPoint& start, const QPoint& end)
{
    // The radial points are taken from the centre of the box as given; the
    // curve itself follows the ellipse that Ellipse draws in the same box.
    const QPointF centre(box.x() + box.width() / 2.0, box.y() + box.height() / 2.0);
    const double a = (box.width() - 1) / 2.0, b = (box.height() - 1) / 2.0;

    // A ray's screen angle becomes the ellipse's own parameter, so that the
    // arc ends exactly where the ray meets an elongated ellipse.
    const auto parameterOf = [&](const QPoint& through) {
        const double theta = angleOnScreen(centre, through);
        return std::atan2(a * std::sin(theta), b * std::cos(theta));
    };
    const double t1 = parameterOf(start);
    double span = parameterOf(end) - t1;
    const double sx = 2 * start.x() - 2 * centre.x(), sy = 2 * start.y() - 2 * centre.y();
    const double ex = 2 * end.x() - 2 * centre.x(), ey = 2 * end.y() - 2 * centre.y();
    const bool sameRay = sx * ey - sy * ex == 0 && sx * ex + sy * ey >= 0;
    if (sameRay)
        span = 2 * M_PI;
    else if (span <= 0)
        span += 2 * M_PI;
    return {t1 * 180 / M_PI, span * 180 / M_PI};
}

QRectF drawnBox(const QRect& box)
{
    return QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1);
}

} // namespace

PainterCanvas::PainterCanvas(const QSize& size) : size_(size.expandedTo(QSize(1, 1))) {}

QPainter& PainterCanvas::strokePainter()
{
    QPainter& p = device();
    p.setPen(outlinePen(Pen(), thinPenWidth()));
    p.setBrush(fillBrush(Brush()));
    // Gaps between dashes take the brush colour only while the brush is solid.
    if (Brush().style == BrushStyle::bsSolid) {
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(Brush().color);
    } else {
        p.setBackgroundMode(Qt::TransparentMode);
    }
    return p;
}

bool PainterCanvas::drawnPart(QPoint& from, QPoint& to) const
{
    QPointF a(from), b(to);
    if (!clipSegment(a, b, QRectF(QPointF(0, 0), QSizeF(size_)).adjusted(-16, -16, 16, 16)))
        return false;
    from = a.toPoint();
    to = b.toPoint();
    return true;
}

void PainterCanvas::paintBackground()
{
    device().fillRect(QRectF(QPointF(0, 0), QSizeF(size_)).translated(-strokeShift()), Background());
    painted();
}

// A one-pixel line leaves out its end pixel: it runs from the start pixel's
// near edge to the end pixel's.
void PainterCanvas::paintLine(const QPoint& from, const QPoint& to)
{
    QPoint a = from, b = to;
    if (drawnPart(a, b)) {
        if (thinPen()) {
            const QLineF line(a, b);
            const QPointF back = line.length() > 0 ? (line.p2() - line.p1()) / line.length() / 2 : QPointF();
            strokePainter().drawLine(QLineF(line.p1() - back, line.p2() - back));
        } else {
            strokePainter().drawLine(a, b);
        }
    }
    painted();
}

void PainterCanvas::paintEllipse(const QRect& box)
{
    strokePainter().drawEllipse(drawnBox(box));
    painted();
}

void PainterCanvas::paintRectangle(const QRect& box)
{
    strokePainter().drawRect(drawnBox(box));
    painted();
}

void PainterCanvas::paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie)
{
    const ArcAngles angles = arcAngles(box, start, end);
    const QRectF drawn = drawnBox(box);
    QPainter& p = strokePainter();
    QPainterPath path;
    if (pie) {
        path.moveTo(drawn.center());
        path.arcTo(drawn, angles.start, angles.span);
        path.closeSubpath();
    } else {
        path.arcMoveTo(drawn, angles.start);
        path.arcTo(drawn, angles.start, angles.span);
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(path);
    painted();
}

void PainterCanvas::paintText(const QPoint& topLeft, const QString& text)
{
    QPainter& p = strokePainter();
    p.save();
    p.translate(-strokeShift()); // a text's box covers whole canvas pixels
    if (Brush().style == BrushStyle::bsSolid)
        p.fillRect(QRect(topLeft, QSize(TextWidth(text), TextHeight())), Brush().color);
    p.setFont(Font());
    p.setPen(FontColor());
    p.setBackgroundMode(Qt::TransparentMode); // the box above is the only background
    p.drawText(topLeft + QPoint(0, TextAscent()), text);
    p.restore();
    painted();
}
