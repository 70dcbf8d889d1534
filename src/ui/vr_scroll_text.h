// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

// A line of text that moves from right to left, a pixel every 20 ms, and
// comes in again from the right when it has gone; it moves only while shown.
class TVrScrollText : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit TVrScrollText(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    // The x of the text's left edge now.
    int textPosition() const { return position_; }
    bool isAnimating() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void step();

    QString text_;
    int position_ = 0;
    QTimer timer_;
};
