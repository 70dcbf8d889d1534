// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_picture.h"

#include "learning/rtf_tokenizer.h"

#include <algorithm>

namespace {

// Beyond this a picture takes no more bytes, so that no file can make the
// reader hold absurd amounts of memory.
constexpr int kMaxPictureBytes = 32 * 1024 * 1024;
// Nor is a picture shown larger than this, in pixels.
constexpr qreal kMaxSide = 2000;

} // namespace

void RtfPicture::Apply(RtfAction action, int parameter)
{
    switch (action) {
    case RtfAction::Png: format_ = "PNG"; break;
    case RtfAction::Jpeg: format_ = "JPEG"; break;
    case RtfAction::GoalWidth: widthTwips_ = parameter; break;
    case RtfAction::GoalHeight: heightTwips_ = parameter; break;
    case RtfAction::ScaleX: scaleX_ = std::clamp(parameter, 1, 1000); break;
    case RtfAction::ScaleY: scaleY_ = std::clamp(parameter, 1, 1000); break;
    default: break;
    }
}

void RtfPicture::AddHex(QByteArrayView text)
{
    for (const char c : text) {
        const int v = HexDigitValue(c);
        if (v < 0 || bytes_.size() >= kMaxPictureBytes)
            continue;
        if (highNibble_ < 0) {
            highNibble_ = v;
        } else {
            bytes_.append(char(highNibble_ * 16 + v));
            highNibble_ = -1;
        }
    }
}

void RtfPicture::AddBinary(QByteArrayView bytes)
{
    if (bytes_.size() + bytes.size() <= kMaxPictureBytes)
        bytes_.append(bytes);
}

QImage RtfPicture::Decode() const
{
    // Only the format the blip names: a picture never gets decoded by
    // whatever reader its bytes happen to look like.
    if (!format_ || bytes_.isEmpty())
        return QImage();
    return QImage::fromData(bytes_, format_);
}

QSizeF RtfPicture::DisplaySize(const QImage& image) const
{
    const qreal width = widthTwips_ > 0 ? widthTwips_ / 15.0 : image.width();
    const qreal height = heightTwips_ > 0 ? heightTwips_ / 15.0 : image.height();
    return QSizeF(std::min<qreal>(width * scaleX_ / 100, kMaxSide), std::min<qreal>(height * scaleY_ / 100, kMaxSide));
}
