// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/canvas.h"

#include <QPainter>
#include <QPointF>
#include <QSize>

// Dash and dot lengths of a one-pixel pen, in pixels: on, off.
struct DashPattern {
    int on;
    int off;
};
DashPattern DashPatternOf(PenStyle style);

// A canvas that paints each operation at once with a QPainter, as Qt strokes
// it: round ends and joins on wide pens, the canvas's own dashes on thin
// ones. Subclasses give the painter and so say what it paints on: an image
// for the screen, or a vector device (SVG, a printed page) for a picture
// that leaves the program.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(const QSize& size);

    int Width() const override { return size_.width(); }
    int Height() const override { return size_.height(); }

protected:
    // The painter the next stroke is made with; its pen and brush are set after.
    virtual QPainter& device() = 0;
    // How wide the painter strokes a one-pixel pen: 0 for one device pixel
    // whatever the scale, 1 for one canvas pixel.
    virtual qreal thinPenWidth() const { return 1; }
    // How far the painter stands strokes off the canvas pixel grid; a text's
    // box is set back onto it.
    virtual QPointF strokeShift() const { return {}; }
    // After every operation has painted.
    virtual void painted() {}

    void paintBackground() override;
    void paintLine(const QPoint& from, const QPoint& to) override;
    void paintEllipse(const QRect& box) override;
    void paintRectangle(const QRect& box) override;
    void paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie) override;
    void paintText(const QPoint& topLeft, const QString& text) override;

    // The painter with the canvas's pen and brush.
    QPainter& strokePainter();
    // The part of a line that can show: cut to a margin round the picture.
    bool drawnPart(QPoint& from, QPoint& to) const;
    bool thinPen() const { return Pen().width <= 1; }
    void setSize(const QSize& size) { size_ = size.expandedTo(QSize(1, 1)); }
    QSize size() const { return size_; }

private:
    QSize size_;
};

// A canvas on a painter that the caller has begun on some device (an SVG
// generator, a printer) and scaled as it needs: one canvas pixel is one unit
// of the painter.
class DeviceCanvas : public PainterCanvas {
public:
    DeviceCanvas(QPainter& painter, const QSize& size) : PainterCanvas(size), painter_(painter) {}

protected:
    QPainter& device() override { return painter_; }

private:
    QPainter& painter_;
};
