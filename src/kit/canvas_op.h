// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <vector>

enum class PenStyle { psSolid, psDash, psDot };
enum class BrushStyle { bsSolid, bsClear, bsFDiagonal, bsBDiagonal };

struct CanvasPen {
    QColor color = Qt::black;
    int width = 1;
    PenStyle style = PenStyle::psSolid;
};

struct CanvasBrush {
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::bsSolid;
};

// One logged canvas operation with its integer canvas coordinates and the
// pen, brush and font it was drawn with: enough to draw it again elsewhere.
struct CanvasOp {
    enum class Kind { Refresh, MoveTo, LineTo, PenPos, Ellipse, Rectangle, Arc, Pie, TextOut };

    Kind kind;
    std::vector<int> args;
    QString text;
    CanvasPen pen;
    CanvasBrush brush;
    QColor fontColor;
    QFont font;

    // One line such as `LineTo(303,259) pen=#ffff00,3,solid brush=clear`.
    QString toString() const;
};

QString toString(PenStyle style);
QString toString(BrushStyle style);
