// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_font_colour_tables.h"

#include <algorithm>

namespace {

// The code page of a font's character set.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 204: return 1251;
    case 238: return 1250;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    default: return 1252;
    }
}

} // namespace

void RtfFontTable::Apply(RtfAction action, int parameter)
{
    if (action == RtfAction::Font) {
        current_ = parameter;
        fonts_[current_] = Font{};
    } else if (action == RtfAction::FontCharset) {
        fonts_[current_].codePage = codePageOfCharset(parameter);
    } else if (action == RtfAction::FontCodePage) {
        fonts_[current_].codePage = parameter;
    }
}

void RtfFontTable::AddNameCharacter(QChar c)
{
    QString& name = fonts_[current_].name;
    if (c == QLatin1Char(';'))
        name = name.trimmed();
    else
        name += c;
}

const RtfFontTable::Font* RtfFontTable::Find(int index) const
{
    const auto it = fonts_.constFind(index);
    return it == fonts_.constEnd() ? nullptr : &*it;
}

void RtfColourTable::Clear()
{
    *this = RtfColourTable{};
}

void RtfColourTable::Apply(RtfAction action, int parameter)
{
    int* channel = action == RtfAction::Red     ? &red_
                   : action == RtfAction::Green ? &green_
                   : action == RtfAction::Blue  ? &blue_
                                                : nullptr;
    if (channel) {
        *channel = std::clamp(parameter, 0, 255);
        set_ = true;
    }
}

void RtfColourTable::AddText(QByteArrayView text)
{
    for (const char c : text) {
        if (c != ';')
            continue;
        colours_.push_back(set_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        set_ = false;
    }
}

QColor RtfColourTable::Colour(int index) const
{
    return index >= 0 && index < int(colours_.size()) ? colours_[index] : QColor();
}
