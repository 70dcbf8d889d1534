#pragma once

#include "kit/canvas.h"

#include <QImage>

#include <functional>

// A canvas whose pixels live in a retained image, drawn without antialiasing
// so that lines, dashes and hatches land on exact pixels. A label widget
// shows the image; `onChanged` tells it to repaint.
class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(const QSize& size = QSize(1, 1));

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    // A new size starts an empty picture in the background colour.
    void Resize(const QSize& size);
    const QImage& Image() const { return image_; }
    void SetChangedCallback(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

protected:
    void paintBackground() override;
    void paintLine(const QPoint& from, const QPoint& to) override;
    void paintEllipse(const QRect& box) override;
    void paintRectangle(const QRect& box) override;
    void paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie) override;
    void paintText(const QPoint& topLeft, const QString& text) override;

private:
    void plotThinLine(QPoint from, QPoint to);
    void changed();

    QImage image_;
    std::function<void()> onChanged_;
};
