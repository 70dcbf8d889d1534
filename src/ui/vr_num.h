// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// An LED number: `digits` seven-segment cells, lime on black, the value
// clamped into [minimum, maximum] (0 and 9999 unless set), negative values
// with a leading minus.
class TVrNum : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int digits READ digits WRITE setDigits)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue)

public:
    explicit TVrNum(QWidget* parent = nullptr);

    int digits() const { return digits_; }
    void setDigits(int digits);
    int minimum() const { return minimum_; }
    void setMinimum(int minimum);
    int maximum() const { return maximum_; }
    void setMaximum(int maximum);
    int value() const { return value_; }

    QSize sizeHint() const override;

public slots:
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int digits_ = 2;
    int minimum_ = 0;
    int maximum_ = 9999;
    int value_ = 0;
};
