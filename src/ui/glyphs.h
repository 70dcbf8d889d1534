// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the program's buttons, drawn as vector art so that none can
// be missing and all stay crisp at any size.
enum class Glyph {
    HideModel,
    Models,
    Dictionary,
    Reference,
    Formulas,
    Questions,
    Problems,
    Knowledge,
    Help,
    Exit,
    Refresh,
    Defaults,
    IndexTable,
    Warning,
    ArrowUp,
    ArrowDown,
    SpeechBubble,
    Calculator,
    SavePicture,
    CopyPicture,
    PrintPicture,
    FullScreen,
};

QPixmap GlyphPixmap(Glyph glyph, int size);
QIcon GlyphIcon(Glyph glyph);
