#include "kit/image_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Dash and dot lengths of a one-pixel pen: on, off.
struct DashPattern {
    int on;
    int off;
};

DashPattern dashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::psDash: return {18, 6};
    case PenStyle::psDot: return {3, 3};
    case PenStyle::psSolid: break;
    }
    return {1, 0};
}

bool isThin(const CanvasPen& pen)
{
    return pen.width <= 1;
}

// The pen as QPainter should stroke outlines with it: dashes only at width 1,
// round ends and joins on wide pens.
QPen outlinePen(const CanvasPen& pen)
{
    QPen qpen(pen.color, std::max(pen.width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (isThin(pen)) {
        qpen.setWidth(0); // cosmetic: exactly one pixel
        qpen.setCapStyle(Qt::FlatCap);
        if (pen.style != PenStyle::psSolid) {
            const DashPattern p = dashPattern(pen.style);
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

// A painter set up with the canvas's pen and brush; gaps between dashes take
// the brush colour only while the brush is solid.
void preparePainter(QPainter& painter, const CanvasPen& pen, const CanvasBrush& brush)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(outlinePen(pen));
    painter.setBrush(fillBrush(brush));
    if (brush.style == BrushStyle::bsSolid) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(brush.color);
    } else {
        painter.setBackgroundMode(Qt::TransparentMode);
    }
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

} // namespace

ImageCanvas::ImageCanvas(const QSize& size)
    : image_(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32)
{
    image_.fill(Background());
}

void ImageCanvas::Resize(const QSize& size)
{
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(Background());
    changed();
}

void ImageCanvas::paintBackground()
{
    image_.fill(Background());
    changed();
}

void ImageCanvas::paintLine(const QPoint& from, const QPoint& to)
{
    const QRectF area = QRectF(image_.rect()).adjusted(-16, -16, 16, 16);
    const bool inside = area.contains(from) && area.contains(to);
    QPoint a = from, b = to;
    if (!inside) {
        QPointF fa(from), fb(to);
        if (!clipSegment(fa, fb, area))
            return;
        a = fa.toPoint();
        b = fb.toPoint();
    }
    if (isThin(Pen())) {
        plotThinLine(a, b);
    } else {
        QPainter painter(&image_);
        preparePainter(painter, Pen(), Brush());
        painter.drawLine(a, b);
    }
    changed();
}

// Bresenham's line without its end pixel, with the pen's dashes; the gaps
// take the brush colour while the brush is solid.
void ImageCanvas::plotThinLine(QPoint from, QPoint to)
{
    const DashPattern pattern = dashPattern(Pen().style);
    const int period = pattern.on + pattern.off;
    const QRgb ink = Pen().color.rgb();
    const bool fillGaps = Brush().style == BrushStyle::bsSolid;
    const QRgb gap = Brush().color.rgb();

    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x(), y = from.y();
    for (int step = 0; x != to.x() || y != to.y(); ++step) {
        if (image_.rect().contains(x, y)) {
            if (step % period < pattern.on)
                image_.setPixel(x, y, ink);
            else if (fillGaps)
                image_.setPixel(x, y, gap);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageCanvas::paintEllipse(const QRect& box)
{
    QPainter painter(&image_);
    preparePainter(painter, Pen(), Brush());
    painter.drawEllipse(QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1));
    changed();
}

void ImageCanvas::paintRectangle(const QRect& box)
{
    QPainter painter(&image_);
    preparePainter(painter, Pen(), Brush());
    painter.drawRect(QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1));
    changed();
}

void ImageCanvas::paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie)
{
    // The radial points are taken from the centre of the box as given; the
    // curve itself follows the ellipse that Ellipse draws in the same box.
    const QPointF centre(box.x() + box.width() / 2.0, box.y() + box.height() / 2.0);
    const QRectF drawn(box.x(), box.y(), box.width() - 1, box.height() - 1);
    const double a = drawn.width() / 2, b = drawn.height() / 2;

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

    const int segments = std::clamp(int(span * std::max(a, b) / 2) + 8, 8, 20000);
    const QPointF mid = drawn.center();
    const auto pointAt = [&](double t) { return QPointF(mid.x() + a * std::cos(t), mid.y() - b * std::sin(t)); };

    QPainterPath path;
    if (pie) {
        path.moveTo(mid);
        path.lineTo(pointAt(t1));
    } else {
        path.moveTo(pointAt(t1));
    }
    for (int i = 1; i <= segments; ++i)
        path.lineTo(pointAt(t1 + span * i / segments));
    if (pie)
        path.closeSubpath();

    QPainter painter(&image_);
    preparePainter(painter, Pen(), Brush());
    if (!pie)
        painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    changed();
}

void ImageCanvas::paintText(const QPoint& topLeft, const QString& text)
{
    QPainter painter(&image_);
    painter.setFont(Font());
    const QFontMetrics metrics(Font());
    if (Brush().style == BrushStyle::bsSolid)
        painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())), Brush().color);
    painter.setPen(FontColor());
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
    changed();
}

void ImageCanvas::changed()
{
    if (onChanged_)
        onChanged_();
}
