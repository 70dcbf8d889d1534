// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable failure messages for Qt types in GoogleTest assertions.
#include "core_printers.h"

#include <QColor>

inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << (c.isValid() ? c.name(QColor::HexArgb).toStdString() : std::string("invalid colour"));
}
