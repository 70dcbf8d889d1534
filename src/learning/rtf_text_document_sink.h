// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/rtf_document_sink.h"

#include <QTextCursor>

class QTextDocument;
class QTextTable;

// Builds the reader's document into a QTextDocument: text at a cursor,
// tables with a thin border, pictures as image resources of the document.
class RtfTextDocumentSink : public RtfDocumentSink {
public:
    explicit RtfTextDocumentSink(QTextDocument* document);

    void Text(const QString& text, const QTextCharFormat& format) override;
    void Paragraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat) override;
    void CellParagraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat) override;
    void LastParagraph(const QTextBlockFormat& format) override;

    bool InTable() const override { return table_ != nullptr; }
    bool InCell() const override { return cellOpen_; }
    bool EnterCell(int columns) override;
    void EndCell() override;
    void EndRow() override;
    void LeaveTable() override;

    void Picture(const QImage& image, const QSizeF& size) override;

private:
    void startTable(int columns);

    QTextDocument* document_;
    QTextCursor cursor_;
    int pictures_ = 0;

    QTextTable* table_ = nullptr;
    int row_ = 0;
    int column_ = 0;
    int tableRows_ = 0; // rows ended since the last table was left
    bool cellOpen_ = false;
    bool rowEnded_ = false;
};
