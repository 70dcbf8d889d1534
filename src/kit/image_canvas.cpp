// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/image_canvas.h"

#include <cstdlib>

ImageCanvas::ImageCanvas(const QSize& size, qreal devicePixelRatio) : PainterCanvas(size), ratio_(devicePixelRatio)
{
    startPicture();
}

void ImageCanvas::Resize(const QSize& size)
{
    setSize(size);
    startPicture();
    painted();
}

void ImageCanvas::SetDevicePixelRatio(qreal ratio)
{
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    startPicture();
    painted();
}

void ImageCanvas::startPicture()
{
    if (painter_.isActive())
        painter_.end();
    image_ = QImage((QSizeF(size()) * ratio_).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Background());
}

void ImageCanvas::paintBackground()
{
    keepCopiesApart();
    image_.fill(Background());
    painted();
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
QPainter& ImageCanvas::device()
{
    keepCopiesApart();
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.translate(strokeShift());
    }
    return painter_;
}

QPointF ImageCanvas::strokeShift() const
{
    return ratio_ == 1 ? QPointF() : QPointF(0.5, 0.5);
}

// A one-pixel line on an image of one pixel per canvas pixel is set pixel by
// pixel, so that it and its dashes land exactly where they are meant to.
void ImageCanvas::paintLine(const QPoint& from, const QPoint& to)
{
    QPoint a = from, b = to;
    if (!thinPen() || ratio_ != 1) {
        PainterCanvas::paintLine(from, to);
        return;
    }
    if (drawnPart(a, b)) {
        keepCopiesApart();
        plotThinLine(a, b);
    }
    painted();
}

// Bresenham's line without its end pixel, with the pen's dashes; the gaps
// take the brush colour while the brush is solid. A one-pixel line set
// straight into an image of one pixel per canvas pixel.
void ImageCanvas::plotThinLine(QPoint from, QPoint to)
{
    const DashPattern pattern = DashPatternOf(Pen().style);
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

void ImageCanvas::painted()
{
    if (onChanged_)
        onChanged_();
}
