// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/painter_canvas.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <utility>

// A canvas whose pixels live in one retained image, drawn without
// antialiasing so that lines, dashes and hatches land on exact pixels. Each
// operation paints at once, with one QPainter kept open on the image; a
// label widget shows the image, and `onChanged` tells it to repaint.
//
// The canvas draws in its own pixels; its image may have more of them (the
// device pixel ratio of the screen it is shown on), so that a 2x screen gets
// every line, arc and letter at its own resolution.
class ImageCanvas : public PainterCanvas {
public:
    explicit ImageCanvas(const QSize& size = QSize(1, 1), qreal devicePixelRatio = 1);

    // A new size starts an empty picture in the background colour.
    void Resize(const QSize& size);
    // So does a new ratio of image pixels to canvas pixels.
    void SetDevicePixelRatio(qreal ratio);
    qreal DevicePixelRatio() const { return ratio_; }
    // The picture with every stroke so far, at the device pixel ratio.
    const QImage& Image() const { return image_; }
    void SetChangedCallback(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

protected:
    QPainter& device() override;
    qreal thinPenWidth() const override { return ratio_ == 1 ? 0 : 1; }
    QPointF strokeShift() const override;
    void painted() override;
    void paintBackground() override;
    void paintLine(const QPoint& from, const QPoint& to) override;

private:
    void keepCopiesApart();
    void plotThinLine(QPoint from, QPoint to);
    void startPicture();

    qreal ratio_;
    QImage image_;
    QPainter painter_; // after the image: it ends before the image goes
    std::function<void()> onChanged_;
};
