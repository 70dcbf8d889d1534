// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// A formula written in a small TeX-like notation and set as a school book
// sets it: \frac{a}{b} is a fraction with a bar, x_{12} or x_1 a subscript,
// x^{2} a superscript, and everything else text. A single Latin or Greek
// letter is the symbol of a quantity and set in italics; a word of several
// letters, the name sin, cos or tg or a word such as v_{light 1}, stands
// upright, as do Cyrillic, digits and signs; "-" becomes a minus sign.
// (The letters of a product are written apart: "h f".)
class Formula {
public:
    // One run of text with the box it fills, its baseline and its font.
    struct Run {
        QString text;
        QRectF box;
        qreal baseline;
        QFont font;
    };

    Formula(const QString& source, int pixelSize);

    QSizeF size() const { return size_; }
    // Distance from the top of the formula to the baseline of its main line.
    qreal ascent() const { return ascent_; }

    // Where everything lies, with the formula's top left corner at (0, 0).
    const QList<Run>& runs() const { return runs_; }
    const QList<QLineF>& bars() const { return bars_; }

    void paint(QPainter& painter, QPointF topLeft, const QColor& colour = Qt::black) const;

private:
    QList<Run> runs_;
    QList<QLineF> bars_;
    QSizeF size_;
    qreal ascent_ = 0;
    int pixelSize_;
};

// A picture of `size`, black on white, with the formula at the left, centred
// in height, at the largest size up to `pixelSize` that fits; drawn with
// `scale` image pixels to each of those pixels.
QImage FormulaPicture(const QString& source, QSize size, int pixelSize, qreal scale = 1);
