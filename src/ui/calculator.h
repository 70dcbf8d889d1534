// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The arithmetic of the drop-down calculator: a pocket calculator with
// immediate execution, so 2 + 3 × 4 = gives 20. A division by zero, the root
// of a negative number or an overflow shows "Ошибка" until a digit or Clear
// starts afresh; it never throws.
class Calculator {
public:
    enum class Key {
        Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
        Comma, Add, Subtract, Multiply, Divide, Equals, Sign, Percent, Root, Clear, BackSpace,
    };

    void Press(Key key);
    // Starts afresh with `value` on the display, as when the box opens it.
    void SetValue(double value);

    // What the display shows: the number with a decimal comma, or "Ошибка".
    QString Display() const;
    // The number on the display; none after an error.
    std::optional<double> Value() const;

    // The key a typed character stands for: digits, comma or point, + - * /
    // (and × ÷ −), =, % and @ for the root, as on the Windows calculator.
    static std::optional<Key> KeyOfCharacter(QChar character);

private:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    void digit(int d);
    void comma();
    void operation(Operation op);
    void equals();
    void sign();
    void percent();
    void root();
    void backSpace();
    void clear();

    double current() const;
    void show(double value);
    void fail();

    QString entry_;            // the digits being typed, empty while a result shows
    double shown_ = 0;         // the result on the display
    double accumulator_ = 0;   // the left operand of the pending operation
    Operation pending_ = Operation::None;
    bool operandTyped_ = false; // a number was entered since the last operation key
    bool failed_ = false;
};
