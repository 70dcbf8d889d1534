// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/rtf_control_words.h"

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>

#include <vector>

// The fonts a document declares: their names and the code pages of their
// character sets.
class RtfFontTable {
public:
    struct Font {
        QString name;
        int codePage = 1252;
    };

    // A word of the table: \fN starts the entry of font N, \fcharsetN and
    // \cpgN give its code page.
    void Apply(RtfAction action, int parameter);
    // A character of the current entry's name, which a ';' ends.
    void AddNameCharacter(QChar c);
    const Font* Find(int index) const;

private:
    QHash<int, Font> fonts_;
    int current_ = 0;
};

// The colours a document declares, in order; an entry without a colour
// stands for the automatic one.
class RtfColourTable {
public:
    void Clear();
    // \redN, \greenN or \blueN of the current entry.
    void Apply(RtfAction action, int parameter);
    // Text of the table, in which each ';' ends an entry.
    void AddText(QByteArrayView text);
    // The colour of entry `index`, invalid for the automatic colour and for
    // entries the table lacks.
    QColor Colour(int index) const;

private:
    std::vector<QColor> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool set_ = false;
};
