// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skins.h"

namespace {

QColor rgb(unsigned value)
{
    return QColor(QRgb(value));
}

} // namespace

const QList<Skin>& BuiltInSkins()
{
    static const QList<Skin> skins = {
        {QStringLiteral("Acryl (internal)"), rgb(0xE6EAEE), rgb(0x1E2A36), rgb(0xF2F5F7), rgb(0x9AA8B5),
         rgb(0x1F3B57), rgb(0x2C4A66), rgb(0xFBFCFD), rgb(0xD5DDE4), rgb(0x1E2A36), rgb(0xFFFFFF),
         rgb(0xC6E0F5), rgb(0x4A90D9), rgb(0x0B3D91), 6},
        {QStringLiteral("Cold (internal)"), rgb(0xD8E6F1), rgb(0x0F2438), rgb(0xE9F2F9), rgb(0x7FA3C3),
         rgb(0x0D3B66), rgb(0x0D3B66), rgb(0xF3F9FE), rgb(0xB9D3EA), rgb(0x0F2438), rgb(0xFFFFFF),
         rgb(0x9DD0F5), rgb(0x2E86C1), rgb(0x00306B), 2},
        {QStringLiteral("BlueGlass (internal)"), rgb(0x2B5A88), rgb(0xFFFFFF), rgb(0x366897), rgb(0xA9CBEA),
         rgb(0xE6F0FA), rgb(0xFFFFFF), rgb(0x4F86BD), rgb(0x285F96), rgb(0xFFFFFF), rgb(0x4A8AC8),
         rgb(0x1F5A94), rgb(0x8FD3FF), rgb(0xFFF59D), 8},
        {QStringLiteral("DarkGlass (internal)"), rgb(0x1B1E22), rgb(0xE8E8E8), rgb(0x25292E), rgb(0x5C646E),
         rgb(0xCDD5DE), rgb(0xF0F0F0), rgb(0x4E555E), rgb(0x1F2327), rgb(0xF0F0F0), rgb(0x66707C),
         rgb(0x2C3238), rgb(0x6CB4FF), rgb(0xFFD54F), 8},
        {QStringLiteral("Office2007 Black (internal)"), rgb(0x2E2F31), rgb(0xEDEDED), rgb(0x3A3B3E), rgb(0x141516),
         rgb(0xCDD5DE), rgb(0xFFFFFF), rgb(0x616368), rgb(0x36383B), rgb(0xFFFFFF), rgb(0xC77A00),
         rgb(0x8F5200), rgb(0xF5A623), rgb(0xFFE08A), 3},
        {QStringLiteral("SoapSky - Blue (internal)"), rgb(0xBDE2F9), rgb(0x08304F), rgb(0xDAF0FD), rgb(0x4DA3D9),
         rgb(0x0B4F80), rgb(0x08304F), rgb(0xFFFFFF), rgb(0x8ACAF2), rgb(0x08304F), rgb(0xFFFFFF),
         rgb(0x5FB8F0), rgb(0x1E90FF), rgb(0x003366), 12},
        {QStringLiteral("Neutral3 (internal)"), rgb(0xD6D3CE), rgb(0x202020), rgb(0xE3E0DB), rgb(0x8E8A84),
         rgb(0x3A3530), rgb(0x202020), rgb(0xF0EDE8), rgb(0xC6C2BA), rgb(0x202020), rgb(0xFFFFFF),
         rgb(0xD8D2C6), rgb(0x6B7F99), rgb(0x1A2A4F), 2},
        {QStringLiteral("Vista (internal)"), rgb(0x2F3845), rgb(0xF2F4F7), rgb(0x38424F), rgb(0x7A8AA0),
         rgb(0xCDD5DE), rgb(0xFFFFFF), rgb(0x5D6E85), rgb(0x2B3441), rgb(0xFFFFFF), rgb(0x4F78AE),
         rgb(0x2F5C96), rgb(0x3A7BD5), rgb(0xFFE066), 4},
    };
    return skins;
}

QString StartSkinName()
{
    return QStringLiteral("Vista (internal)");
}
