// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QTimer>
#include <QWidget>

// The time of day as 24-hour LED digits on a transparent ground, updating
// itself every second while it is visible.
class TVrLedClock : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ledSize READ ledSize WRITE setLedSize)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)

public:
    explicit TVrLedClock(QWidget* parent = nullptr);

    int ledSize() const { return ledSize_; }
    void setLedSize(int size);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

    // The text the clock shows now, "HH:MM:SS".
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const QImage& glyph(QChar c) const;

    QTimer timer_;
    mutable QHash<QChar, QImage> glyphs_;
    int ledSize_ = 3;
    int spacing_ = 8;
};
