#include "ui/led_text.h"

#include "ui/dot_matrix_font.h"

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
    : QObject(parent)
{
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        ++offset_;
        emit stepped();
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
    if (needed_ && visible_)
        timer_.start();
    else
        timer_.stop();
}
