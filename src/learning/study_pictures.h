// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// A picture of a study window's layout ("flask.jpg", "formula_1.png"),
// built into the program; the windows show nothing in place of a missing one.
// It is the picture in the language installed where that has one of its own
// (":/study/en/NAME"), else the Russian one. For a screen of a ratio above 1
// it is that picture's double-resolution version where there is one, at
// ratio 2, so of the same logical size.
QPixmap StudyPicture(const QString& name, qreal devicePixelRatio = 1);
