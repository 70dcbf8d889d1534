// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/rtf_control_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>

// The picture of one \pict group: its bytes, as hex digits or binary runs,
// the format its blip names and the size it is shown at.
class RtfPicture {
public:
    // A picture word of the group.
    void Apply(RtfAction action, int parameter);
    // Text of the group: its hex digits are the picture's bytes, anything else is ignored.
    void AddHex(QByteArrayView text);
    void AddBinary(QByteArrayView bytes);

    // The picture decoded as the format its blip names, a null image if it
    // names none or the bytes are no such picture.
    QImage Decode() const;
    // The size in pixels to show `image` at: its goal size in twips, scaled.
    QSizeF DisplaySize(const QImage& image) const;

private:
    const char* format_ = nullptr; // the reader its blip names, PNG or JPEG
    QByteArray bytes_;
    int highNibble_ = -1;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    int scaleX_ = 100;
    int scaleY_ = 100;
};
