// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_reader.h"

#include "kit/float_error.h"
#include "learning/rtf_parser.h"
#include "learning/rtf_text_document_sink.h"
#include "ui/data_files.h"
#include "ui/language.h"

#include <QFile>
#include <QTextDocument>

void ReadRtf(const QByteArray& data, QTextDocument* document)
{
    document->clear();
    RtfTextDocumentSink sink(document);
    ParseRtf(data, sink);
}

void LoadRtfFile(const QString& relativeName, QTextDocument* document)
{
    const QString path = LocalisedPath(DataPath(relativeName));
    RequireReadableFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(path, file.errorString());
    ReadRtf(file.readAll(), document);
}
