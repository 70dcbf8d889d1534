// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the running event handler and is shown in the error box.
// The text is the one the user reads, without the full stop the box adds.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

// Floating-point faults: C++ does not trap them, so the checked operations raise these.
class FloatError : public AppError {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit FloatError(Kind kind);
    Kind kind() const { return kind_; }

    static QString textOf(Kind kind);

private:
    Kind kind_;
};
