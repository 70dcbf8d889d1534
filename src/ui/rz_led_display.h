// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/led_text.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QWidget>

// An LED segment text display: as many fourteen-segment cells as its height
// allows across its width, lime on black unless given another segment
// colour. A caption with more cells than that moves through the display.
class TRzLEDDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor segmentColor READ segmentColor WRITE setSegmentColor)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)

public:
    explicit TRzLEDDisplay(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor segmentColor() const { return on_; }
    void setSegmentColor(const QColor& color);
    // A caption that fits stands at the left of the cells, or at their right
    // (Qt::AlignRight), so that numbers in a column of displays line up.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    // The number of cells that fit the display's size.
    int cellCount() const;
    bool isScrolling() const;
    bool isAnimating() const { return marquee_.isRunning(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    qreal cellWidth() const;
    qreal cellPitch() const;
    const QImage& glyph(const LedCell& cell) const;

    QString caption_;
    QVector<LedCell> cells_;
    QColor on_ = QColor(0x00, 0xFF, 0x00);
    Qt::Alignment alignment_ = Qt::AlignLeft;
    LedMarquee marquee_;
    mutable QHash<QString, QImage> glyphs_;
    mutable qreal glyphRatio_ = 1; // the pixel ratio the glyphs are drawn at
};
