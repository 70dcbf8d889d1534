// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/study_pictures.h"

#include <QImage>

// Read through QImage: a QPixmap read from a file stays in the global
// pixmap cache, and the reference sheet's two pictures would keep 9 MB there
// after their window has let them go.
QPixmap StudyPicture(const QString& name)
{
    return QPixmap::fromImage(QImage(QStringLiteral(":/study/") + name));
}
