// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A vertical bar gauge between `minValue` and `maxValue`, filled from the
// bottom in LED blocks shaded from aqua at the top to navy at the bottom.
class TVrProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit TVrProgressBar(QWidget* parent = nullptr);

    int minValue() const { return min_; }
    void setMinValue(int value);
    int maxValue() const { return max_; }
    void setMaxValue(int value);
    int position() const { return position_; }
    void setPosition(int position);

    // The filled share of the bar, 0 to 1.
    double fraction() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
