// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <string_view>

// What a control word the reader knows does, grouped by what it acts on.
enum class RtfWordKind {
    Toggle,      // character formatting, switched off by a parameter of 0
    Value,       // sets a value of the character format, group or document
    Destination, // opens a destination when it starts a group
    Symbol,      // stands for one character
    Paragraph,   // ends or formats paragraphs
    Table,       // rows and cells
    Picture,     // describes the picture of a \pict group
};

enum class RtfAction {
    // Toggles
    Bold, Italic, Underline, Strike,
    // Values
    NoUnderline, FontSize, Foreground, Background, Superscript, Subscript, NoSuperSub, Font, Plain,
    AnsiCodePage, DefaultFont, UnicodeSkip, Unicode, FontCharset, FontCodePage, Red, Green, Blue,
    // Destinations
    FontTable, ColourTable, PictureData, Shown, Skipped,
    // Symbols
    Character,
    // Paragraphs
    EndParagraph, ResetParagraph, AlignLeft, AlignCentre, AlignRight, Justify, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, TabStop,
    // Tables
    RowDefinition, CellBoundary, InTable, EndCell, EndRow,
    // Pictures
    Png, Jpeg, GoalWidth, GoalHeight, ScaleX, ScaleY,
};

struct RtfControlWord {
    std::string_view name;
    RtfWordKind kind;
    RtfAction action;
    char16_t character = 0; // what a symbol stands for
};

// The entry of `name`, or null for a word the reader ignores.
const RtfControlWord* FindRtfControlWord(QByteArrayView name);
