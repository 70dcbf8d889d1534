// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The program's data files are named as "img\1.png", relative to the current
// directory, with a backslash; this is the one place that turns such a name
// into a path of this system.
QString DataPath(const QString& relativeName);

// The error of a file that cannot be opened: "Cannot open file", the full
// path in double quotes, a full stop and the system's reason.
class AppError;
AppError FileOpenError(const QString& path, const QString& reason);

// Raises the file-open error, with the system's own reason (as the C
// library words it), for a file that is missing, a folder or unreadable.
void RequireReadableFile(const QString& path);

// The name of a picture's double-resolution version, in Qt's own naming:
// "img/1.png" becomes "img/1@2x.png".
QString DoubledPictureName(const QString& name);

// Reads a picture from a data file; a missing or unreadable file raises the
// file-open error. For a screen of a ratio above 1 the file's
// double-resolution version is read instead where there is one, with its
// device pixel ratio set to 2, so that it shows at the same logical size.
QImage LoadPicture(const QString& relativeName, qreal devicePixelRatio = 1);
