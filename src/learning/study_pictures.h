// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// A picture of a study window's layout ("flask.jpg", "formula_1.png"),
// built into the program; the windows show nothing in place of a missing one.
QPixmap StudyPicture(const QString& name);
