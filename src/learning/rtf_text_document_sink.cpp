// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_text_document_sink.h"

#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace {

// Beyond these a table grows no further, so that no file can make the
// reader build absurd structures.
constexpr int kMaxColumns = 32;
constexpr int kMaxTableRows = 500;

} // namespace

RtfTextDocumentSink::RtfTextDocumentSink(QTextDocument* document) : document_(document), cursor_(document) {}

void RtfTextDocumentSink::Text(const QString& text, const QTextCharFormat& format)
{
    cursor_.insertText(text, format);
}

void RtfTextDocumentSink::Paragraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat)
{
    cursor_.setBlockFormat(format);
    cursor_.insertBlock(format, charFormat);
}

void RtfTextDocumentSink::CellParagraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat)
{
    cursor_.insertBlock(format, charFormat);
}

void RtfTextDocumentSink::LastParagraph(const QTextBlockFormat& format)
{
    cursor_.setBlockFormat(format);
}

bool RtfTextDocumentSink::EnterCell(int columns)
{
    if (cellOpen_)
        return true;
    if (!table_) {
        if (tableRows_ >= kMaxTableRows)
            return false;
        startTable(columns);
    } else if (rowEnded_) {
        if (row_ + 1 >= kMaxTableRows) {
            LeaveTable();
            return false;
        }
        table_->appendRows(1);
        ++row_;
        column_ = 0;
    }
    rowEnded_ = false;
    if (column_ >= table_->columns()) {
        if (table_->columns() >= kMaxColumns)
            column_ = table_->columns() - 1;
        else
            table_->appendColumns(1);
    }
    cursor_ = table_->cellAt(row_, column_).lastCursorPosition();
    cellOpen_ = true;
    return true;
}

void RtfTextDocumentSink::startTable(int columns)
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    table_ = cursor_.insertTable(1, std::clamp(columns, 1, kMaxColumns), format);
    row_ = 0;
    column_ = 0;
}

void RtfTextDocumentSink::EndCell()
{
    cellOpen_ = false;
    ++column_;
}

void RtfTextDocumentSink::EndRow()
{
    cellOpen_ = false;
    rowEnded_ = true;
    ++tableRows_;
}

void RtfTextDocumentSink::LeaveTable()
{
    if (!table_)
        return;
    cursor_ = table_->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
    cellOpen_ = false;
    rowEnded_ = false;
    tableRows_ = 0;
}

void RtfTextDocumentSink::Picture(const QImage& image, const QSizeF& size)
{
    const QString name = QStringLiteral("rtfpicture://%1").arg(++pictures_);
    document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    cursor_.insertImage(format);
}
