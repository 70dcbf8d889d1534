// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

// What the rich-text reader makes of a document, in reading order; each call
// goes on where the last one ended.
class RtfDocumentSink {
public:
    virtual ~RtfDocumentSink() = default;

    virtual void Text(const QString& text, const QTextCharFormat& format) = 0;
    // Ends a paragraph outside a table; it and the next one take `format`.
    virtual void Paragraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat) = 0;
    // Starts a paragraph of `format` in the cell being written.
    virtual void CellParagraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat) = 0;
    // The format of the paragraph the document ends with.
    virtual void LastParagraph(const QTextBlockFormat& format) = 0;

    virtual bool InTable() const = 0;
    virtual bool InCell() const = 0;
    // Goes on into the next cell, starting the table (of `columns`) or the
    // next row as needed; false when the table takes no more rows.
    virtual bool EnterCell(int columns) = 0;
    virtual void EndCell() = 0;
    virtual void EndRow() = 0;
    // Goes on below the table, if there is one.
    virtual void LeaveTable() = 0;

    // A picture shown at `size` in pixels.
    virtual void Picture(const QImage& image, const QSizeF& size) = 0;
};
