// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours the model pictures are drawn in.
namespace ModelColour {
inline const QColor Black(0x00, 0x00, 0x00);
inline const QColor White(0xFF, 0xFF, 0xFF);
inline const QColor Gray(0x80, 0x80, 0x80);
inline const QColor Silver(0xC0, 0xC0, 0xC0);
inline const QColor SkyBlue(0xA6, 0xCA, 0xF0);
inline const QColor Red(0xFF, 0x00, 0x00);
inline const QColor Yellow(0xFF, 0xFF, 0x00);
inline const QColor Blue(0x00, 0x00, 0xFF);
} // namespace ModelColour
