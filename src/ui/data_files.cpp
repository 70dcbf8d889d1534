// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/data_files.h"

#include "kit/float_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstring>

QString DataPath(const QString& relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().absoluteFilePath(name);
}

AppError FileOpenError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

void RequireReadableFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        throw FileOpenError(path, QString::fromLocal8Bit(std::strerror(ENOENT)));
    if (!file.isReadable() || file.isDir())
        throw FileOpenError(path, QString::fromLocal8Bit(std::strerror(file.isDir() ? EISDIR : EACCES)));
}

QString DoubledPictureName(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const int folder = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const int end = dot > folder ? dot : name.size();
    return QString(name).insert(end, QLatin1String("@2x"));
}

QImage LoadPicture(const QString& relativeName, qreal devicePixelRatio)
{
    // A double-resolution file that is there but unreadable is an error of
    // its own, not a reason to show the plain picture enlarged. Qt's reader
    // gives a picture named "@2x" its ratio of 2.
    const QString doubled = devicePixelRatio > 1 ? DataPath(DoubledPictureName(relativeName)) : QString();
    const QString path = !doubled.isEmpty() && QFileInfo::exists(doubled) ? doubled : DataPath(relativeName);
    RequireReadableFile(path);
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw FileOpenError(path, reader.errorString());
    return picture;
}
