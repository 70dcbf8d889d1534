// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/led_text.h"

#include <QImage>
#include <QWidget>

class QPainter;

// An LED dot-matrix text display of `leds` character cells, lime on black.
// A text with more cells than the display scrolls through it from right to
// left; one that fits stands still at the left.
class TVrMatrix : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int leds READ leds WRITE setLeds)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit TVrMatrix(QWidget* parent = nullptr);

    int leds() const { return leds_; }
    void setLeds(int leds);
    QString text() const { return text_; }
    void setText(const QString& text);

    // True while the text is longer than the display and moves through it.
    bool isScrolling() const;
    bool isAnimating() const { return marquee_.isRunning(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static void drawMark(QPainter& painter, const QPointF& baseline, qreal pitch, QChar mark);
    const QImage& strip(qreal pitch);
    static const QImage& cellPicture(const LedCell& cell, qreal pitch, int quarters);

    int leds_ = 5;
    QString text_;
    QVector<LedCell> cells_;
    LedMarquee marquee_;
    QImage strip_; // the dot columns of the text, lit and unlit
    qreal stripPitch_ = 0;
    int stripColumns_ = 0;
};
