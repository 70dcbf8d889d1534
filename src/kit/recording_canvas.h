// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/canvas.h"

// A canvas with no pixels that logs every operation with its integer canvas
// coordinates, for tests that check exactly where a model draws.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const std::vector<CanvasOp>& Ops() const { return ops_; }

protected:
    void paintBackground() override {}
    void paintLine(const QPoint&, const QPoint&) override {}
    void paintEllipse(const QRect&) override {}
    void paintRectangle(const QRect&) override {}
    void paintArc(const QRect&, const QPoint&, const QPoint&, bool) override {}
    void paintText(const QPoint&, const QString&) override {}

private:
    int width_;
    int height_;
    std::vector<CanvasOp> ops_;
};
