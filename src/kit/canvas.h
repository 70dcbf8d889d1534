// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/canvas_op.h"
#include "kit/screen_mapping.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

// The drawing surface of a model: the operations of a label's canvas in
// canvas pixels, (0, 0) at the top left, y growing downwards. The base class
// keeps the drawing state (pen, brush, font, pen position) with its rules and
// can log every operation; subclasses put the pixels somewhere.
class Canvas {
public:
    Canvas();
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Where the model drawn now stands on the canvas; each redraw sets it
    // before it converts a point.
    void SetMapping(const ScreenMapping& mapping) { mapping_ = mapping; }
    const ScreenMapping& Mapping() const { return mapping_; }

    // What the label looks like when it is refreshed: its background and its font.
    void SetLabelAppearance(const QColor& background, const QFont& font, const QColor& fontColor);
    QColor Background() const { return background_; }

    void SetPenColor(const QColor& color);
    void SetPenWidth(int width);
    void SetPenStyle(PenStyle style);
    // A colour on a clear brush makes it solid; a clear brush is white.
    void SetBrushColor(const QColor& color);
    void SetBrushStyle(BrushStyle style);
    void SetFont(const QFont& font, const QColor& color);

    const CanvasPen& Pen() const { return pen_; }
    const CanvasBrush& Brush() const { return brush_; }
    const QFont& Font() const { return font_; }
    const QColor& FontColor() const { return fontColor_; }

    QPoint PenPos() const { return penPos_; }
    void SetPenPos(const QPoint& position);
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y) without its end pixel.
    void LineTo(int x, int y);
    // The ellipse inscribed in the box, corners in either order.
    void Ellipse(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    // Part of the outline of the ellipse in the box, counterclockwise on the
    // screen from where the ray from the centre through (x3, y3) meets it to
    // where the ray through (x4, y4) does; coinciding rays give the whole ellipse.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // As Arc, closed by the two radii and filled with the brush.
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Text in the canvas font with its top left corner at (x, y); the pen
    // position moves to the end of the text.
    void TextOut(int x, int y, const QString& text);
    // Clears to the background, leaves a clear brush and the label's font.
    void Refresh();

    // The size of a text in the canvas font, and how far its baseline lies below its top.
    int TextWidth(const QString& text) const;
    int TextHeight() const;
    int TextAscent() const;

    // Logs every following operation into `log` (nullptr stops logging).
    // Refresh starts the log anew, so it holds the last redraw.
    void SetLog(std::vector<CanvasOp>* log) { log_ = log; }

    // Draws the operations of a log again, each with the pen, brush and
    // font it was drawn with; the label appearance is this canvas's own.
    void Play(const std::vector<CanvasOp>& ops);

protected:
    virtual void paintBackground() = 0;
    virtual void paintLine(const QPoint& from, const QPoint& to) = 0;
    virtual void paintEllipse(const QRect& box) = 0;
    virtual void paintRectangle(const QRect& box) = 0;
    virtual void paintArc(const QRect& box, const QPoint& start, const QPoint& end, bool pie) = 0;
    virtual void paintText(const QPoint& topLeft, const QString& text) = 0;

private:
    const QFontMetrics& metrics() const;
    void record(CanvasOp::Kind kind, std::initializer_list<int> args, const QString& text = {});

    QColor background_ = Qt::black;
    QFont labelFont_;
    QColor labelFontColor_ = Qt::black;

    CanvasPen pen_;
    CanvasBrush brush_;
    QFont font_;
    QColor fontColor_ = Qt::black;
    QPoint penPos_;
    ScreenMapping mapping_;
    std::vector<CanvasOp>* log_ = nullptr;
    mutable std::optional<QFontMetrics> metrics_;
    mutable QFont metricsFont_;
    mutable int height_ = 0;
    mutable int ascent_ = 0;
    mutable QHash<QString, int> widths_;
};
