// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

// The splash picture: a string of glowing light bulbs against an evening sky
// under the title lettering.
QPixmap PaintSplashPicture(const QSize& size);
