// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/study_pictures.h"

#include "ui/data_files.h"
#include "ui/language.h"

#include <QImage>

// Read through QImage: a QPixmap read from a file stays in the global
// pixmap cache, and the reference sheet's two pictures would keep 9 MB there
// after their window has let them go, four times that at double resolution.
// For a screen of ratio 1 the double-resolution pictures are not read at all.
QPixmap StudyPicture(const QString& name, qreal devicePixelRatio)
{
    const QString resource = LocalisedPath(QStringLiteral(":/study/") + name);
    // Qt's reader gives a picture named "@2x" its ratio of 2.
    if (devicePixelRatio > 1) {
        const QImage doubled(DoubledPictureName(resource));
        if (!doubled.isNull())
            return QPixmap::fromImage(doubled);
    }
    return QPixmap::fromImage(QImage(resource));
}
