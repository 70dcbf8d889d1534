// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"

AppError::AppError(const QString& text)
    : std::runtime_error(text.toStdString()), text_(text)
{
}

FloatError::FloatError(Kind kind)
    : AppError(textOf(kind)), kind_(kind)
{
}

QString FloatError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::DivisionByZero:
        return QStringLiteral("Floating point division by zero");
    case Kind::InvalidOperation:
        return QStringLiteral("Invalid floating point operation");
    case Kind::Overflow:
        return QStringLiteral("Floating point overflow");
    }
    return {};
}
