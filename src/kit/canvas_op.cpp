// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/canvas_op.h"

#include <QStringList>

QString toString(PenStyle style)
{
    switch (style) {
    case PenStyle::psSolid: return QStringLiteral("solid");
    case PenStyle::psDash: return QStringLiteral("dash");
    case PenStyle::psDot: return QStringLiteral("dot");
    }
    return {};
}

QString toString(BrushStyle style)
{
    switch (style) {
    case BrushStyle::bsSolid: return QStringLiteral("solid");
    case BrushStyle::bsClear: return QStringLiteral("clear");
    case BrushStyle::bsFDiagonal: return QStringLiteral("fdiagonal");
    case BrushStyle::bsBDiagonal: return QStringLiteral("bdiagonal");
    }
    return {};
}

namespace {

QString kindName(CanvasOp::Kind kind)
{
    switch (kind) {
    case CanvasOp::Kind::Refresh: return QStringLiteral("Refresh");
    case CanvasOp::Kind::MoveTo: return QStringLiteral("MoveTo");
    case CanvasOp::Kind::LineTo: return QStringLiteral("LineTo");
    case CanvasOp::Kind::PenPos: return QStringLiteral("PenPos");
    case CanvasOp::Kind::Ellipse: return QStringLiteral("Ellipse");
    case CanvasOp::Kind::Rectangle: return QStringLiteral("Rectangle");
    case CanvasOp::Kind::Arc: return QStringLiteral("Arc");
    case CanvasOp::Kind::Pie: return QStringLiteral("Pie");
    case CanvasOp::Kind::TextOut: return QStringLiteral("TextOut");
    }
    return {};
}

QString brushText(const CanvasBrush& brush)
{
    if (brush.style == BrushStyle::bsClear)
        return QStringLiteral("clear");
    return brush.color.name() + "," + toString(brush.style);
}

} // namespace

QString CanvasOp::toString() const
{
    QStringList numbers;
    for (int a : args)
        numbers << QString::number(a);
    QString line = kindName(kind) + "(" + numbers.join(',') + ")";

    const QString pen = QStringLiteral(" pen=%1,%2,%3")
                            .arg(this->pen.color.name())
                            .arg(this->pen.width)
                            .arg(::toString(this->pen.style));
    switch (kind) {
    case Kind::Refresh:
    case Kind::MoveTo:
    case Kind::PenPos:
        break;
    case Kind::LineTo:
    case Kind::Arc:
        line += pen;
        break;
    case Kind::Ellipse:
    case Kind::Rectangle:
    case Kind::Pie:
        line += pen + " brush=" + brushText(brush);
        break;
    case Kind::TextOut:
        line += " \"" + text + "\" font=" + fontColor.name() + " brush=" + brushText(brush);
        break;
    }
    return line;
}
