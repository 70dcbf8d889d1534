// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The layouts name Windows faces ("MS Sans Serif", "Verdana", "Tahoma"); they
// are mapped here, once, to installed faces that carry Cyrillic.
void InstallFontSubstitutions();

// A font of the layouts: face, height in pixels, bold.
QFont UiFont(const QString& family, int pixelSize, bool bold = false);
