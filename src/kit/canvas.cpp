// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/canvas.h"

#include <QFontMetrics>

Canvas::Canvas() = default;
Canvas::~Canvas() = default;

void Canvas::SetLabelAppearance(const QColor& background, const QFont& font, const QColor& fontColor)
{
    background_ = background;
    labelFont_ = font;
    labelFontColor_ = fontColor;
    font_ = font;
    fontColor_ = fontColor;
}

void Canvas::SetPenColor(const QColor& color)
{
    pen_.color = color;
}

void Canvas::SetPenWidth(int width)
{
    pen_.width = width;
}

void Canvas::SetPenStyle(PenStyle style)
{
    pen_.style = style;
}

void Canvas::SetBrushColor(const QColor& color)
{
    brush_.color = color;
    if (brush_.style == BrushStyle::bsClear)
        brush_.style = BrushStyle::bsSolid;
}

void Canvas::SetBrushStyle(BrushStyle style)
{
    brush_.style = style;
    if (style == BrushStyle::bsClear)
        brush_.color = Qt::white;
}

void Canvas::SetFont(const QFont& font, const QColor& color)
{
    font_ = font;
    fontColor_ = color;
}

void Canvas::SetPenPos(const QPoint& position)
{
    penPos_ = position;
    record(CanvasOp::Kind::PenPos, {position.x(), position.y()});
}

void Canvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
    record(CanvasOp::Kind::MoveTo, {x, y});
}

void Canvas::LineTo(int x, int y)
{
    record(CanvasOp::Kind::LineTo, {x, y});
    paintLine(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

namespace {

// The box with corners given in either order; right and bottom are exclusive.
QRect normalizedBox(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

} // namespace

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    record(CanvasOp::Kind::Ellipse, {x1, y1, x2, y2});
    paintEllipse(normalizedBox(x1, y1, x2, y2));
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    record(CanvasOp::Kind::Rectangle, {x1, y1, x2, y2});
    paintRectangle(normalizedBox(x1, y1, x2, y2));
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    record(CanvasOp::Kind::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
    paintArc(normalizedBox(x1, y1, x2, y2), QPoint(x3, y3), QPoint(x4, y4), false);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    record(CanvasOp::Kind::Pie, {x1, y1, x2, y2, x3, y3, x4, y4});
    paintArc(normalizedBox(x1, y1, x2, y2), QPoint(x3, y3), QPoint(x4, y4), true);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    record(CanvasOp::Kind::TextOut, {x, y}, text);
    paintText(QPoint(x, y), text);
    penPos_ = QPoint(x + TextWidth(text), y);
}

void Canvas::Refresh()
{
    if (log_)
        log_->clear();
    record(CanvasOp::Kind::Refresh, {});
    paintBackground();
    brush_ = CanvasBrush{Qt::white, BrushStyle::bsClear};
    font_ = labelFont_;
    fontColor_ = labelFontColor_;
}

// Shaping a text is slow, and the models write the same few texts in the
// same font at every redraw.
const QFontMetrics& Canvas::metrics() const
{
    if (!metrics_ || metricsFont_ != font_) {
        metrics_.emplace(font_);
        metricsFont_ = font_;
        height_ = metrics_->height();
        ascent_ = metrics_->ascent();
        widths_.clear();
    }
    return *metrics_;
}

int Canvas::TextWidth(const QString& text) const
{
    const QFontMetrics& fontMetrics = metrics();
    const auto known = widths_.constFind(text);
    if (known != widths_.constEnd())
        return *known;
    const int width = fontMetrics.horizontalAdvance(text);
    widths_.insert(text, width);
    return width;
}

int Canvas::TextHeight() const
{
    metrics();
    return height_;
}

int Canvas::TextAscent() const
{
    metrics();
    return ascent_;
}

void Canvas::record(CanvasOp::Kind kind, std::initializer_list<int> args, const QString& text)
{
    if (log_)
        log_->push_back(CanvasOp{kind, std::vector<int>(args), text, pen_, brush_, fontColor_, font_});
}

void Canvas::Play(const std::vector<CanvasOp>& ops)
{
    for (const CanvasOp& op : ops) {
        pen_ = op.pen;
        brush_ = op.brush;
        font_ = op.font;
        fontColor_ = op.fontColor;
        const std::vector<int>& a = op.args;
        switch (op.kind) {
        case CanvasOp::Kind::Refresh: Refresh(); break;
        case CanvasOp::Kind::MoveTo: MoveTo(a[0], a[1]); break;
        case CanvasOp::Kind::LineTo: LineTo(a[0], a[1]); break;
        case CanvasOp::Kind::PenPos: SetPenPos(QPoint(a[0], a[1])); break;
        case CanvasOp::Kind::Ellipse: Ellipse(a[0], a[1], a[2], a[3]); break;
        case CanvasOp::Kind::Rectangle: Rectangle(a[0], a[1], a[2], a[3]); break;
        case CanvasOp::Kind::Arc: Arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]); break;
        case CanvasOp::Kind::Pie: Pie(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]); break;
        case CanvasOp::Kind::TextOut: TextOut(a[0], a[1], op.text); break;
        }
    }
}
