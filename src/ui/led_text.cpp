// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/led_text.h"

#include "ui/dot_matrix_font.h"

#include <QDateTime>

QVector<LedCell> LedCells(const QString& text)
{
    QVector<LedCell> cells;
    for (QChar c : text) {
        if (IsDecimalMark(c)) {
            if (cells.isEmpty() || !cells.last().mark.isNull())
                cells.append(LedCell{});
            cells.last().mark = c;
        } else {
            cells.append(LedCell{c, QChar()});
        }
    }
    return cells;
}

LedMarquee::LedMarquee(int interval, QObject* parent)
    : QObject(parent), interval_(interval)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        ++offset_;
        emit stepped();
        scheduleStep();
    });
}

void LedMarquee::setNeeded(bool needed)
{
    needed_ = needed;
    update();
}

void LedMarquee::setVisible(bool visible)
{
    visible_ = visible;
    update();
}

void LedMarquee::restart()
{
    offset_ = 0;
}

void LedMarquee::update()
{
    if (!needed_ || !visible_)
        timer_.stop();
    else if (!timer_.isActive())
        scheduleStep();
}

// Steps fall on the clock's multiples of the interval: every moving text
// steps at the same moment, and with the status bar's clock on the full
// second, so that one repaint serves them all.
void LedMarquee::scheduleStep()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    timer_.start(int(interval_ - now % interval_));
}
