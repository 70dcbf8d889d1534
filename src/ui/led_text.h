// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

// A character cell of an LED text display; a comma or point that follows a
// character shares its cell, as on a calculator.
struct LedCell {
    QChar character = QLatin1Char(' ');
    QChar mark; // ',' or '.' after the character, or null
};

QVector<LedCell> LedCells(const QString& text);

// Moves an overlong text through its display: a step every `interval`
// milliseconds, a divisor of a second, only while the display is visible and
// the text does not fit.
class LedMarquee : public QObject {
    Q_OBJECT

public:
    explicit LedMarquee(int interval, QObject* parent = nullptr);

    // Whether the text needs to move, and whether its display is visible.
    void setNeeded(bool needed);
    void setVisible(bool visible);
    bool isRunning() const { return timer_.isActive(); }
    // Steps taken since the text last changed.
    int offset() const { return offset_; }
    void restart();

signals:
    void stepped();

private:
    void update();
    void scheduleStep();

    int interval_;
    QTimer timer_;
    int offset_ = 0;
    bool needed_ = false;
    bool visible_ = false;
};
