// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A photograph of a round glass flask of water standing before a printed
// card: through the flask, as through a lens, the card's lettering shows
// magnified. The card is printed in `language` ("ru" or "en"; Russian for
// any other). Drawn in full colour with a little grain, to be stored as JPEG.
QImage PaintFlaskPhoto(QSize size, const QString& language);

// A leather briefcase on a transparent ground, `size` pixels square.
QImage PaintBriefcase(int size);
