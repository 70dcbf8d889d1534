// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Every glyph is drawn on a 32 x 32 grid and scaled.
void drawBook(QPainter& p, const QColor& cover)
{
    p.setPen(QPen(cover.darker(160), 1.5));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(7, 4, 19, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(23, 6, 3, 20));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(11, 10), QPointF(20, 10));
    p.drawLine(QPointF(11, 14), QPointF(18, 14));
}

void drawSheet(QPainter& p)
{
    p.setPen(QPen(QColor(0x60, 0x70, 0x80), 1.5));
    p.setBrush(QColor(0xFA, 0xFA, 0xF5));
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(21, 3);
    sheet.lineTo(26, 8);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.drawPath(sheet);
}

void drawCircularArrow(QPainter& p, const QColor& color)
{
    p.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({{17, 2}, {26, 7}, {18, 13}}));
}

// A framed landscape: the model's picture the four picture commands act on.
void drawPictureFrame(QPainter& p, const QRectF& frame)
{
    p.setPen(QPen(QColor(0xB0, 0xB8, 0xC8), 1.5));
    p.setBrush(QColor(0x10, 0x10, 0x20));
    p.drawRect(frame);
    p.setPen(QPen(QColor(0xFF, 0xD0, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(frame.left() + 2, frame.bottom() - 3), QPointF(frame.right() - 2, frame.top() + 3));
}

void drawSave(QPainter& p)
{
    drawPictureFrame(p, QRectF(3, 3, 20, 15));
    p.setPen(QPen(QColor(0x10, 0x70, 0x20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(24, 14), QPointF(24, 27));
    p.drawPolyline(QPolygonF({{18, 22}, {24, 28}, {30, 22}}));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 29), QPointF(17, 29));
}

void drawCopy(QPainter& p)
{
    p.setPen(QPen(QColor(0x60, 0x70, 0x80), 1.5));
    p.setBrush(QColor(0xFA, 0xFA, 0xF5));
    p.drawRect(QRectF(11, 11, 19, 17));
    drawPictureFrame(p, QRectF(3, 4, 19, 15));
}

void drawPrint(QPainter& p)
{
    p.setPen(QPen(QColor(0x60, 0x70, 0x80), 1.5));
    p.setBrush(QColor(0xFA, 0xFA, 0xF5));
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.5));
    p.setBrush(QColor(0x5A, 0x60, 0x6E));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setPen(QPen(QColor(0x60, 0x70, 0x80), 1.5));
    p.setBrush(QColor(0xFA, 0xFA, 0xF5));
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(18, 26));
}

void drawFullScreen(QPainter& p)
{
    drawPictureFrame(p, QRectF(8, 9, 16, 14));
    p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // A corner mark at each corner of the screen, pointing outwards.
    for (const QPointF& corner : {QPointF(3, 3), QPointF(29, 3), QPointF(29, 29), QPointF(3, 29)}) {
        const qreal dx = corner.x() < 16 ? 6 : -6;
        const qreal dy = corner.y() < 16 ? 6 : -6;
        p.drawPolyline(QPolygonF({{corner.x() + dx, corner.y()}, corner, {corner.x(), corner.y() + dy}}));
    }
}

void paintGlyph(QPainter& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::HideModel:
        p.setPen(QPen(QColor(0x30, 0x40, 0x60), 2));
        p.setBrush(QColor(0x10, 0x10, 0x20));
        p.drawRoundedRect(QRectF(4, 6, 24, 17), 2, 2);
        p.drawLine(QPointF(16, 23), QPointF(16, 27));
        p.drawLine(QPointF(10, 28), QPointF(22, 28));
        p.setPen(QPen(QColor(0xFF, 0xD0, 0x00), 1.5));
        p.drawLine(QPointF(7, 20), QPointF(16, 10));
        p.setPen(QPen(QColor(0xE0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 4), QPointF(26, 26));
        break;
    case Glyph::Models:
        p.setPen(QPen(QColor(0x20, 0x60, 0xA0), 1.5));
        p.setBrush(QColor(0xA6, 0xCA, 0xF0));
        p.drawEllipse(QRectF(12, 3, 8, 26));
        p.setPen(QPen(QColor(0xF0, 0xC0, 0x00), 2));
        for (int y : {8, 16, 24}) {
            p.drawLine(QPointF(1, y), QPointF(16, y));
            p.drawLine(QPointF(16, y), QPointF(31, 16 + (16 - y) / 2.0));
        }
        break;
    case Glyph::Dictionary:
        drawBook(p, QColor(0x2A, 0x5C, 0xAA));
        break;
    case Glyph::Reference:
        p.setPen(QPen(QColor(0x70, 0x50, 0x30), 1.5));
        p.setBrush(QColor(0xFF, 0xF8, 0xE8));
        p.drawPolygon(QPolygonF({{2, 8}, {16, 11}, {16, 28}, {2, 25}}));
        p.drawPolygon(QPolygonF({{30, 8}, {16, 11}, {16, 28}, {30, 25}}));
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(5, 14 + 4 * i), QPointF(13, 16 + 4 * i));
            p.drawLine(QPointF(19, 16 + 4 * i), QPointF(27, 14 + 4 * i));
        }
        break;
    case Glyph::Formulas: {
        drawSheet(p);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(17);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x20, 0x40, 0x90));
        p.drawText(QRectF(7, 5, 19, 24), Qt::AlignCenter, QString(QChar(0x03A3)));
        break;
    }
    case Glyph::Questions: {
        p.setPen(QPen(QColor(0x20, 0x70, 0x30), 1.5));
        p.setBrush(QColor(0x60, 0xC0, 0x60));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(3, 4, 26, 19), 6, 6);
        bubble.moveTo(9, 22);
        bubble.lineTo(7, 29);
        bubble.lineTo(15, 22);
        p.drawPath(bubble.simplified());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(16);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 4, 26, 19), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Problems:
        drawSheet(p);
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        for (int y : {10, 14, 18})
            p.drawLine(QPointF(10, y), QPointF(22, y));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.setBrush(QColor(0xF0, 0xA0, 0x20));
        p.drawPolygon(QPolygonF({{14, 27}, {28, 13}, {31, 16}, {17, 30}}));
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawPolygon(QPolygonF({{14, 27}, {17, 30}, {12, 31}}));
        break;
    case Glyph::Knowledge:
        drawSheet(p);
        p.setPen(QPen(QColor(0x20, 0xA0, 0x30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{10, 16}, {15, 22}, {24, 9}}));
        break;
    case Glyph::Help:
        p.setPen(QPen(QColor(0x90, 0x10, 0x10), 1));
        p.setBrush(QColor(0xE0, 0x30, 0x30));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::white);
        for (int k = 0; k < 4; ++k)
            p.drawPie(QRectF(3, 3, 26, 26), (k * 90 + 20) * 16, 50 * 16);
        p.setBrush(QColor(0xF4, 0xF4, 0xF4));
        p.drawEllipse(QRectF(10, 10, 12, 12));
        break;
    case Glyph::Exit:
        p.setPen(QPen(QColor(0x50, 0x30, 0x10), 1.5));
        p.setBrush(QColor(0xA0, 0x6A, 0x30));
        p.drawRect(QRectF(5, 3, 15, 26));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QRectF(15, 15, 3, 3));
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(18, 12), QPointF(29, 12));
        p.drawPolyline(QPolygonF({{25, 7}, {30, 12}, {25, 17}}));
        break;
    case Glyph::Refresh:
        drawCircularArrow(p, QColor(0x10, 0xA0, 0x30));
        break;
    case Glyph::Defaults:
        p.setPen(QPen(QColor(0x20, 0x40, 0x90), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0x60, 0x90, 0xE0));
        p.drawPolygon(QPolygonF({{16, 3}, {30, 15}, {26, 15}, {26, 29}, {6, 29}, {6, 15}, {2, 15}}));
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawRect(QRectF(13, 19, 6, 10));
        break;
    case Glyph::IndexTable: {
        p.setPen(QPen(QColor(0x40, 0x40, 0x60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 26, 24));
        p.setBrush(QColor(0xA6, 0xCA, 0xF0));
        p.drawRect(QRectF(3, 4, 26, 6));
        for (int y : {16, 22})
            p.drawLine(QPointF(3, y), QPointF(29, y));
        p.drawLine(QPointF(15, 4), QPointF(15, 28));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(9);
        font.setItalic(true);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x10, 0x20, 0x60));
        p.drawText(QRectF(15, 3, 14, 8), Qt::AlignCenter, QStringLiteral("n"));
        break;
    }
    case Glyph::Warning: {
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xFF, 0xCC, 0x00));
        p.drawPolygon(QPolygonF({{16, 2}, {30, 28}, {2, 28}}));
        p.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 11), QPointF(16, 19));
        p.drawPoint(QPointF(16, 24));
        break;
    }
    case Glyph::SpeechBubble: {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        QPainterPath bubble;
        bubble.addEllipse(QRectF(2, 3, 28, 21));
        QPainterPath tail;
        tail.moveTo(8, 19);
        tail.lineTo(5, 30);
        tail.lineTo(15, 22);
        tail.closeSubpath();
        p.drawPath(bubble.united(tail));
        p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 8), QPointF(16, 15));
        p.drawPoint(QPointF(16, 20));
        break;
    }
    case Glyph::Calculator:
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.5));
        p.setBrush(QColor(0x5A, 0x60, 0x6E));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setBrush(QColor(0xC8, 0xF0, 0xC0));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column) {
                p.setBrush(row == 3 && column == 2 ? QColor(0xF0, 0x90, 0x20) : QColor(0xF0, 0xF0, 0xF0));
                p.drawRect(QRectF(9 + 5 * column, 14 + 4 * row, 4, 3));
            }
        }
        break;
    case Glyph::SavePicture:
        drawSave(p);
        break;
    case Glyph::CopyPicture:
        drawCopy(p);
        break;
    case Glyph::PrintPicture:
        drawPrint(p);
        break;
    case Glyph::FullScreen:
        drawFullScreen(p);
        break;
    case Glyph::ArrowUp:
    case Glyph::ArrowDown: {
        if (glyph == Glyph::ArrowDown) {
            p.translate(0, 32);
            p.scale(1, -1);
        }
        QLinearGradient green(0, 2, 0, 30);
        green.setColorAt(0, QColor(0x70, 0xF0, 0x70));
        green.setColorAt(1, QColor(0x10, 0x90, 0x20));
        p.setPen(QPen(QColor(0x0A, 0x50, 0x10), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(green);
        p.drawPolygon(QPolygonF({{16, 2}, {30, 16}, {21, 16}, {21, 30}, {11, 30}, {11, 16}, {2, 16}}));
        break;
    }
    }
}

} // namespace

QPixmap GlyphPixmap(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    paintGlyph(p, glyph);
    return pixmap;
}

QIcon GlyphIcon(Glyph glyph)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(GlyphPixmap(glyph, size));
    return icon;
}
