// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text into `document`, replacing what it held: text in the
// document's code page (Windows-1251 above all) and \uN characters, fonts,
// colours, bold, italic, underline, sizes, paragraph alignment and indents,
// simple tables and PNG or JPEG pictures. Whatever it does not understand it
// skips; malformed, truncated or huge input never makes it fail or hang.
void ReadRtf(const QByteArray& data, QTextDocument* document);

// Loads a rich-text data file named relative to the current directory
// ("txt\k1.rtf"). A file that cannot be read raises the file-open error and
// leaves the document as it was.
void LoadRtfFile(const QString& relativeName, QTextDocument* document);
