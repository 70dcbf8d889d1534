// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/segment_font.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>

namespace {

enum Segment {
    A = 1 << 0,  // top
    B = 1 << 1,  // upper right
    C = 1 << 2,  // lower right
    D = 1 << 3,  // bottom
    E = 1 << 4,  // lower left
    F = 1 << 5,  // upper left
    G1 = 1 << 6, // middle, left half
    G2 = 1 << 7, // middle, right half
    H = 1 << 8,  // diagonal, upper left
    I = 1 << 9,  // vertical, upper centre
    J = 1 << 10, // diagonal, upper right
    K = 1 << 11, // diagonal, lower left
    L = 1 << 12, // vertical, lower centre
    M = 1 << 13, // diagonal, lower right
};

QHash<QChar, int> buildFont()
{
    QHash<QChar, int> font;
    const auto add = [&font](const char16_t* characters, int segments) {
        for (const char16_t* c = characters; *c; ++c)
            font.insert(QChar(*c), segments);
    };
    add(u"0OО", A | B | C | D | E | F);
    add(u"1", B | C);
    add(u"2", A | B | D | E | G1 | G2);
    add(u"3З", A | B | C | D | G2);
    add(u"4", B | C | F | G1 | G2);
    add(u"5", A | C | D | F | G1 | G2);
    add(u"6", A | C | D | E | F | G1 | G2);
    add(u"7", A | B | C);
    add(u"8", A | B | C | D | E | F | G1 | G2);
    add(u"9", A | B | C | D | F | G1 | G2);
    add(u"AА", A | B | C | E | F | G1 | G2);
    add(u"BВ", A | B | C | D | G2 | I | L);
    add(u"CС", A | D | E | F);
    add(u"D", A | B | C | D | I | L);
    add(u"EЕ", A | D | E | F | G1 | G2);
    add(u"F", A | E | F | G1);
    add(u"G", A | C | D | E | F | G2);
    add(u"HН", B | C | E | F | G1 | G2);
    add(u"I", A | D | I | L);
    add(u"J", B | C | D | E);
    add(u"KК", E | F | G1 | J | M);
    add(u"L", D | E | F);
    add(u"MМ", B | C | E | F | H | J);
    add(u"N", B | C | E | F | H | M);
    add(u"PР", A | B | E | F | G1 | G2);
    add(u"Q", A | B | C | D | E | F | M);
    add(u"R", A | B | E | F | G1 | G2 | M);
    add(u"S", A | C | D | F | G1 | G2);
    add(u"TТ", A | I | L);
    add(u"U", B | C | D | E | F);
    add(u"V", E | F | K | J);
    add(u"W", B | C | E | F | K | M);
    add(u"XХ", H | J | K | M);
    add(u"YУ", H | J | L);
    add(u"Z", A | D | J | K);
    add(u"П", A | B | C | E | F);
    add(u"Г", A | E | F);
    add(u"Л", B | C | J | K);
    add(u"И", B | C | E | F | J | K);
    add(u"d", B | C | D | E | G1 | G2);
    add(u"cс", D | E | G1 | G2);
    add(u"mм", C | E | G1 | G2 | L);
    add(u"-", G1 | G2);
    add(u"+", G1 | G2 | I | L);
    add(u"*", G1 | G2 | H | I | J | K | L | M);
    add(u"(", J | M);
    add(u")", H | K);
    add(u"/", J | K);
    add(u"_", D);
    add(u"°", A | B | F | G1 | G2);
    return font;
}

} // namespace

int SegmentsOf(QChar c)
{
    static const QHash<QChar, int> font = buildFont();
    auto it = font.constFind(c);
    if (it == font.constEnd())
        it = font.constFind(c.toUpper());
    return it == font.constEnd() ? 0 : *it;
}

void PaintFourteenSegments(QPainter& painter, const QRectF& cell, QChar c, QChar point,
                           const QColor& on, const QColor& off)
{
    const qreal t = std::max<qreal>(1.5, cell.width() * 0.14); // segment thickness
    const qreal h = t / 2;
    const qreal l = cell.left() + h, r = cell.right() - h;
    const qreal top = cell.top() + h, bottom = cell.bottom() - h;
    const qreal mid = (top + bottom) / 2, centre = (l + r) / 2;
    const qreal gap = t * 0.35;

    const auto bar = [&](QPointF p, QPointF q) {
        // A bar from p to q, pointed at both ends.
        const QPointF d = q - p;
        const qreal length = std::hypot(d.x(), d.y());
        const QPointF u = d / length, n(-u.y() * h, u.x() * h);
        const QPointF a = p + u * gap, b = q - u * gap;
        return QPolygonF({a, a + u * h + n, b - u * h + n, b, b - u * h - n, a + u * h - n});
    };
    const QPolygonF segments[14] = {
        bar({l, top}, {r, top}),           bar({r, top}, {r, mid}),
        bar({r, mid}, {r, bottom}),        bar({l, bottom}, {r, bottom}),
        bar({l, mid}, {l, bottom}),        bar({l, top}, {l, mid}),
        bar({l, mid}, {centre, mid}),      bar({centre, mid}, {r, mid}),
        bar({l + t, top + t}, {centre - h, mid - h}), bar({centre, top}, {centre, mid}),
        bar({r - t, top + t}, {centre + h, mid - h}), bar({centre - h, mid + h}, {l + t, bottom - t}),
        bar({centre, mid}, {centre, bottom}),         bar({centre + h, mid + h}, {r - t, bottom - t}),
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const int lit = SegmentsOf(c);
    for (int i = 0; i < 14; ++i) {
        painter.setBrush(lit & (1 << i) ? on : off);
        painter.drawPolygon(segments[i]);
    }
    // The comparison signs of the lens's case texts ("F<d<2F", "d=F") made
    // of segments would fill only half a cell and read as a slash or a "2",
    // so they are lit strokes of their own across the whole cell.
    painter.setBrush(on);
    const qreal quarter = (bottom - top) / 4;
    if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
        const bool less = c == QLatin1Char('<');
        const QPointF vertex(less ? l : r, mid);
        const qreal openSide = less ? r : l;
        painter.drawPolygon(bar({openSide, mid - quarter}, vertex));
        painter.drawPolygon(bar(vertex, {openSide, mid + quarter}));
    } else if (c == QLatin1Char('=')) {
        painter.drawPolygon(bar({l, mid - quarter / 2}, {r, mid - quarter / 2}));
        painter.drawPolygon(bar({l, mid + quarter / 2}, {r, mid + quarter / 2}));
    }
    if (!point.isNull()) {
        painter.setBrush(on);
        const QPointF dot(cell.right() + t * 0.9, bottom);
        painter.drawEllipse(dot, h * 1.1, h * 1.1);
        if (point == QLatin1Char(','))
            painter.drawPolygon(QPolygonF({dot + QPointF(h, 0), dot + QPointF(-h * 0.6, t * 1.6), dot + QPointF(-h * 0.2, 0)}));
    }
    painter.restore();
}
