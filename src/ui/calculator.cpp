// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator.h"

#include "kit/number_text.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// As many digits as a double holds faithfully.
constexpr int kMaxDigits = 15;

int digitCount(const QString& entry)
{
    int n = 0;
    for (QChar c : entry)
        n += c.isDigit();
    return n;
}

} // namespace

void Calculator::Press(Key key)
{
    switch (key) {
    case Key::Digit0: case Key::Digit1: case Key::Digit2: case Key::Digit3: case Key::Digit4:
    case Key::Digit5: case Key::Digit6: case Key::Digit7: case Key::Digit8: case Key::Digit9:
        return digit(int(key) - int(Key::Digit0));
    case Key::Comma: return comma();
    case Key::Add: return operation(Operation::Add);
    case Key::Subtract: return operation(Operation::Subtract);
    case Key::Multiply: return operation(Operation::Multiply);
    case Key::Divide: return operation(Operation::Divide);
    case Key::Equals: return equals();
    case Key::Sign: return sign();
    case Key::Percent: return percent();
    case Key::Root: return root();
    case Key::Clear: return clear();
    case Key::BackSpace: return backSpace();
    }
}

void Calculator::SetValue(double value)
{
    clear();
    show(value);
}

QString Calculator::Display() const
{
    if (failed_)
        return QCoreApplication::translate("Calculator", "Ошибка");
    // The entry keeps a point, shown as the language writes numbers.
    const QString text = entry_.isEmpty() ? QString::number(shown_, 'g', kMaxDigits) : entry_;
    return QString(text).replace(QLatin1Char('.'), DecimalSeparator());
}

std::optional<double> Calculator::Value() const
{
    if (failed_)
        return std::nullopt;
    return current();
}

std::optional<Calculator::Key> Calculator::KeyOfCharacter(QChar character)
{
    if (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
        return Key(int(Key::Digit0) + character.digitValue());
    switch (character.unicode()) {
    case ',': case '.': return Key::Comma;
    case '+': return Key::Add;
    case '-': case 0x2212: return Key::Subtract;
    case '*': case 0x00D7: return Key::Multiply;
    case '/': case ':': case 0x00F7: return Key::Divide;
    case '=': return Key::Equals;
    case '%': return Key::Percent;
    case '@': return Key::Root;
    default: return std::nullopt;
    }
}

void Calculator::digit(int d)
{
    if (failed_)
        clear();
    if (digitCount(entry_) >= kMaxDigits)
        return;
    if (entry_.isEmpty() || entry_ == QLatin1String("0"))
        entry_.clear();
    else if (entry_ == QLatin1String("-0"))
        entry_ = QStringLiteral("-");
    entry_ += QChar('0' + d);
    operandTyped_ = true;
}

void Calculator::comma()
{
    if (failed_)
        clear();
    if (entry_.isEmpty())
        entry_ = QStringLiteral("0");
    if (!entry_.contains(QLatin1Char('.')))
        entry_ += QLatin1Char('.');
    operandTyped_ = true;
}

void Calculator::operation(Operation op)
{
    if (failed_)
        return;
    // A second operation key in a row only changes its mind; otherwise the
    // pending operation is carried out first (without one, the entry ends).
    if (pending_ == Operation::None || operandTyped_) {
        equals();
        if (failed_)
            return;
    }
    pending_ = op;
    operandTyped_ = false;
}

void Calculator::equals()
{
    if (failed_)
        return;
    const double right = operandTyped_ ? current() : accumulator_;
    double result = current();
    switch (pending_) {
    case Operation::None: break;
    case Operation::Add: result = accumulator_ + right; break;
    case Operation::Subtract: result = accumulator_ - right; break;
    case Operation::Multiply: result = accumulator_ * right; break;
    case Operation::Divide:
        if (right == 0)
            return fail();
        result = accumulator_ / right;
        break;
    }
    show(result);
    accumulator_ = shown_;
    pending_ = Operation::None;
    operandTyped_ = false;
}

void Calculator::sign()
{
    if (failed_)
        return;
    if (entry_.isEmpty()) {
        show(-shown_);
    } else if (entry_.startsWith(QLatin1Char('-'))) {
        entry_.remove(0, 1);
    } else {
        entry_.prepend(QLatin1Char('-'));
    }
    operandTyped_ = true;
}

// x % of the left operand when adding or subtracting (200 + 10 % = 220),
// a hundredth of x otherwise.
void Calculator::percent()
{
    if (failed_)
        return;
    const double x = current();
    const bool ofLeft = pending_ == Operation::Add || pending_ == Operation::Subtract;
    show(ofLeft ? accumulator_ * x / 100 : x / 100);
    operandTyped_ = true;
}

void Calculator::root()
{
    if (failed_)
        return;
    const double x = current();
    if (x < 0)
        return fail();
    show(std::sqrt(x));
    operandTyped_ = true;
}

void Calculator::backSpace()
{
    if (failed_)
        return clear();
    if (entry_.isEmpty())
        return;
    entry_.chop(1);
    if (entry_.isEmpty() || entry_ == QLatin1String("-"))
        entry_ = QStringLiteral("0");
}

void Calculator::clear()
{
    entry_.clear();
    shown_ = 0;
    accumulator_ = 0;
    pending_ = Operation::None;
    operandTyped_ = false;
    failed_ = false;
}

double Calculator::current() const
{
    if (entry_.isEmpty())
        return shown_;
    return entry_.toDouble();
}

void Calculator::show(double value)
{
    if (!std::isfinite(value))
        return fail();
    entry_.clear();
    shown_ = value == 0 ? 0 : value; // no "-0"
}

void Calculator::fail()
{
    entry_.clear();
    pending_ = Operation::None;
    failed_ = true;
}
