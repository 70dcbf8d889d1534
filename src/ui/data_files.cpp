// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/data_files.h"

#include "kit/float_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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

QImage LoadPicture(const QString& relativeName)
{
    const QString path = DataPath(relativeName);
    RequireReadableFile(path);
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw FileOpenError(path, reader.errorString());
    return picture;
}
