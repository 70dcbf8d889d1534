#include "learning/study_pictures.h"

QPixmap StudyPicture(const QString& name)
{
    return QPixmap(QStringLiteral(":/study/") + name);
}
