// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/image_canvas.h"

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

// The pen as QPainter should stroke with it: dashes only at width 1, round
// ends and joins on wide pens. A one-pixel pen is one canvas pixel wide,
// however many pixels of the image that takes.
QPen outlinePen(const CanvasPen& pen, qreal ratio)
{
    QPen qpen(pen.color, std::max(pen.width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (isThin(pen)) {
        qpen.setWidth(ratio == 1 ? 0 : 1); // 0: cosmetic, exactly one pixel
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

// The part of a line that can show: cut to a margin round the picture.
bool drawnPart(QPoint& from, QPoint& to, const QSize& size)
{
    QPointF a(from), b(to);
    if (!clipSegment(a, b, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-16, -16, 16, 16)))
        return false;
    from = a.toPoint();
    to = b.toPoint();
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

ImageCanvas::ImageCanvas(const QSize& size, qreal devicePixelRatio)
    : size_(size.expandedTo(QSize(1, 1))), ratio_(devicePixelRatio)
{
    startPicture();
}

void ImageCanvas::Resize(const QSize& size)
{
    size_ = size.expandedTo(QSize(1, 1));
    startPicture();
    changed();
}

void ImageCanvas::SetDevicePixelRatio(qreal ratio)
{
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    startPicture();
    changed();
}

void ImageCanvas::startPicture()
{
    if (painter_.isActive())
        painter_.end();
    image_ = QImage((QSizeF(size_) * ratio_).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Background());
}

void ImageCanvas::paintBackground()
{
    keepCopiesApart();
    image_.fill(Background());
    changed();
}

// The painter writes straight into the image's pixels: a copy of the picture
// taken since shares them, so the painter starts again on a picture of its
// own before it draws on.
void ImageCanvas::keepCopiesApart()
{
    if (painter_.isActive() && !image_.isDetached())
        painter_.end();
}

// One painter draws a redraw's strokes, in canvas pixels. On an image of more
// pixels, strokes are moved to the middle of the canvas pixels they name,
// where a painter on an image of one pixel each draws them.
QPainter& ImageCanvas::painter()
{
    keepCopiesApart();
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        if (ratio_ != 1)
            painter_.translate(0.5, 0.5);
    }
    painter_.setPen(outlinePen(Pen(), ratio_));
    painter_.setBrush(fillBrush(Brush()));
    // Gaps between dashes take the brush colour only while the brush is solid.
    if (Brush().style == BrushStyle::bsSolid) {
        painter_.setBackgroundMode(Qt::OpaqueMode);
        painter_.setBackground(Brush().color);
    } else {
        painter_.setBackgroundMode(Qt::TransparentMode);
    }
    return painter_;
}

void ImageCanvas::paintLine(const QPoint& from, const QPoint& to)
{
    QPoint a = from, b = to;
    if (drawnPart(a, b, size_)) {
        if (!isThin(Pen())) {
            painter().drawLine(a, b);
        } else if (ratio_ == 1) {
            keepCopiesApart();
            plotThinLine(a, b);
        } else {
            // From the start pixel's near edge to the end pixel's: the end
            // pixel is left out, as one image pixel per canvas pixel has it.
            const QLineF line(a, b);
            const QPointF back = line.length() > 0 ? (line.p2() - line.p1()) / line.length() / 2 : QPointF();
            painter().drawLine(QLineF(line.p1() - back, line.p2() - back));
        }
    }
    changed();
}

void ImageCanvas::paintEllipse(const QRect& box)
{
    painter().drawEllipse(drawnBox(box));
    changed();
}

void ImageCanvas::paintRectangle(const QRect& box)
{
    painter().drawRect(drawnBox(box));
    changed();
}

void ImageCanvas::paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie)
{
    const ArcAngles angles = arcAngles(box, start, end);
    const QRectF drawn = drawnBox(box);
    QPainter& p = painter();
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
    changed();
}

void ImageCanvas::paintText(const QPoint& topLeft, const QString& text)
{
    QPainter& p = painter();
    p.save();
    p.resetTransform(); // a text's box covers whole canvas pixels
    if (Brush().style == BrushStyle::bsSolid)
        p.fillRect(QRect(topLeft, QSize(TextWidth(text), TextHeight())), Brush().color);
    p.setFont(Font());
    p.setPen(FontColor());
    p.setBackgroundMode(Qt::TransparentMode); // the box above is the only background
    p.drawText(topLeft + QPoint(0, TextAscent()), text);
    p.restore();
    changed();
}

// Bresenham's line without its end pixel, with the pen's dashes; the gaps
// take the brush colour while the brush is solid. A one-pixel line set
// straight into an image of one pixel per canvas pixel.
void ImageCanvas::plotThinLine(QPoint from, QPoint to)
{
    const DashPattern pattern = dashPattern(Pen().style);
    const int period = pattern.on + pattern.off;
    const QRgb ink = Pen().color.rgb();
    const bool fillGaps = Brush().style == BrushStyle::bsSolid;
    const QRgb gap = Brush().color.rgb();
    uchar* const bits = image_.bits();
    const qsizetype bytesPerLine = image_.bytesPerLine();
    const unsigned width = unsigned(image_.width()), height = unsigned(image_.height());

    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x(), y = from.y();
    for (int step = 0; x != to.x() || y != to.y(); ++step) {
        if (unsigned(x) < width && unsigned(y) < height) {
            auto* pixel = reinterpret_cast<QRgb*>(bits + y * bytesPerLine) + x;
            if (step % period < pattern.on)
                *pixel = ink;
            else if (fillGaps)
                *pixel = gap;
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

void ImageCanvas::changed()
{
    if (onChanged_)
        onChanged_();
}
