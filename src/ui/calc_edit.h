// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculator.h"

#include <QFrame>
#include <QLineEdit>

#include <optional>

class QLabel;
class QToolButton;

// The calculator that drops down from a number box: a display and a key
// pad, worked with the mouse or the keyboard (digits, comma or point,
// + - * /, Enter or =, %, @ for the root, F9 for the sign, Backspace, Delete
// to clear, Esc to close). Each "=" hands its result on.
class CalculatorPopup : public QFrame {
    Q_OBJECT

public:
    explicit CalculatorPopup(QWidget* parent = nullptr);

    // Opens below `anchor` with `value` on the display.
    void Open(double value, const QWidget* anchor);
    QString display() const;
    // The key that carries `caption` ("7", "÷", "√", "="); nullptr if none.
    QToolButton* key(const QString& caption) const;

signals:
    void resultReady(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(Calculator::Key key);

    Calculator calculator_;
    QLabel* display_;
};

// A box for a real number with a decimal comma and a button at its right end
// that drops the calculator down; the calculator's results go into the box.
class CalcEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CalcEdit(QWidget* parent = nullptr);

    // The number in the box; none while it holds no complete number.
    std::optional<double> value() const;
    void setValue(double value);

    void ShowCalculator();
    CalculatorPopup* calculator() const { return popup_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CalculatorPopup* popup_;
};
