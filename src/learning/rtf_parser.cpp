// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_parser.h"

#include "learning/code_pages.h"
#include "learning/rtf_control_words.h"
#include "learning/rtf_document_sink.h"
#include "learning/rtf_font_colour_tables.h"
#include "learning/rtf_group_state.h"
#include "learning/rtf_picture.h"
#include "learning/rtf_tokenizer.h"


#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Groups nested deeper than this are not obeyed, so that no file can make
// the reader build absurd structures.
constexpr int kMaxDepth = 400;

// \uN is a UTF-16 unit, written signed above 32767; a value beyond
// 16 bits stands for the replacement character.
QChar unicodeCharacter(int parameter)
{
    if (parameter < -32768 || parameter > 65535)
        return QChar::ReplacementCharacter;
    return QChar(ushort(parameter < 0 ? parameter + 65536 : parameter));
}

// A null and half of a surrogate pair without its other half are no
// characters: they stand for the replacement character.
void replaceNonCharacters(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate() || text[i].isNull())
            text[i] = QChar::ReplacementCharacter;
    }
}

qreal twips(int value)
{
    return std::clamp(value, -20000, 20000) / 15.0;
}

QTextCharFormat defaultCharFormat()
{
    QTextCharFormat format;
    format.setFontPointSize(12);
    return format;
}

// Follows the groups and destinations of the tokens and turns the text
// destination into calls of the sink.
class RtfParser {
public:
    RtfParser(const QByteArray& data, RtfDocumentSink& sink) : tokenizer_(data), sink_(sink) {}

    void run()
    {
        RtfGroupState outermost;
        outermost.charFormat = defaultCharFormat();
        stack_.push_back(outermost);
        while (const std::optional<RtfToken> token = tokenizer_.Next())
            handle(*token);
        while (stack_.size() > 1)
            closeGroup();
        flushText();
        sink_.LastParagraph(paragraphFormat());
    }

private:
    RtfGroupState& state() { return stack_.back(); }

    void handle(const RtfToken& token)
    {
        switch (token.kind) {
        case RtfToken::Kind::GroupOpen: return openGroup();
        case RtfToken::Kind::GroupClose: return closeGroup();
        case RtfToken::Kind::ControlWord: return controlWord(token);
        case RtfToken::Kind::ControlSymbol: return controlSymbol(token);
        case RtfToken::Kind::Text: return textBytes(token.bytes);
        case RtfToken::Kind::Binary:
            if (ignoredDepth_ == 0 && state().destination == RtfDestination::Picture)
                picture_.AddBinary(token.bytes);
            return;
        }
    }

    void openGroup();
    void closeGroup();
    void controlWord(const RtfToken& token);
    void controlSymbol(const RtfToken& token);
    bool startsDestination(const RtfControlWord* word, bool ignorable);
    void textWord(const RtfControlWord& word, std::optional<int> parameter);
    void toggle(RtfAction action, bool on);
    void value(RtfAction action, std::optional<int> parameter);
    void paragraphWord(RtfAction action, int parameter);
    void tableWord(RtfAction action);
    void textBytes(QByteArrayView bytes);
    void character(QChar c);

    QTextCharFormat& changeFormat()
    {
        flushText();
        return state().charFormat;
    }
    void selectFont(int index);
    QTextBlockFormat paragraphFormat();
    void flushText();
    void endParagraph();
    void enterCell();
    void endCell();
    void leaveTable();
    void insertPicture();

    RtfTokenizer tokenizer_;
    RtfDocumentSink& sink_;
    std::vector<RtfGroupState> stack_;
    int ignoredDepth_ = 0; // groups opened beyond the deepest obeyed
    bool pendingDestination_ = false; // the next control word may open a destination
    bool ignorableDestination_ = false; // after \*: a destination to skip if unknown
    int fallbackToSkip_ = 0; // bytes after a \uN that stand in for it in old readers
    QString text_; // text not yet given to the sink, all in one format

    RtfFontTable fonts_;
    int defaultFont_ = 0;
    int documentCodePage_ = 1251;
    RtfColourTable colours_;
    RtfPicture picture_;
    int definedColumns_ = 0;
};

void RtfParser::openGroup()
{
    if (int(stack_.size()) >= kMaxDepth) {
        ++ignoredDepth_;
        return;
    }
    flushText();
    stack_.push_back(stack_.back());
    pendingDestination_ = true;
}

void RtfParser::closeGroup()
{
    if (ignoredDepth_ > 0) {
        --ignoredDepth_;
        return;
    }
    if (stack_.size() <= 1)
        return;
    flushText();
    const bool closesPicture = state().destination == RtfDestination::Picture;
    stack_.pop_back();
    if (closesPicture && state().destination != RtfDestination::Picture)
        insertPicture();
    pendingDestination_ = false;
}

void RtfParser::controlWord(const RtfToken& token)
{
    const bool firstInGroup = std::exchange(pendingDestination_, false);
    if (ignoredDepth_ > 0)
        return;
    const bool ignorable = std::exchange(ignorableDestination_, false);
    const RtfControlWord* word = FindRtfControlWord(token.bytes);
    if (firstInGroup && startsDestination(word, ignorable))
        return;
    if (!word)
        return;
    const int parameter = token.parameter.value_or(0);
    switch (state().destination) {
    case RtfDestination::Skip: return;
    case RtfDestination::FontTable: return fonts_.Apply(word->action, parameter);
    case RtfDestination::ColourTable: return colours_.Apply(word->action, parameter);
    case RtfDestination::Picture:
        if (word->kind == RtfWordKind::Picture)
            picture_.Apply(word->action, parameter);
        return;
    case RtfDestination::Text: return textWord(*word, token.parameter);
    }
}

void RtfParser::controlSymbol(const RtfToken& token)
{
    const bool firstInGroup = std::exchange(pendingDestination_, false);
    if (ignoredDepth_ > 0)
        return;
    const char symbol = token.bytes[0];
    switch (symbol) {
    case '\'':
        if (token.parameter) {
            const char byte = char(*token.parameter);
            textBytes(QByteArrayView(&byte, 1));
        }
        return;
    case '*':
        // Marks the destination that the group's next word opens as one to skip if unknown.
        if (firstInGroup) {
            ignorableDestination_ = true;
            pendingDestination_ = true;
        }
        return;
    case '~': return character(QChar(0x00A0));
    case '_': return character(QChar(0x2011));
    case '\\': case '{': case '}': case '\t': return character(QLatin1Char(symbol));
    case '\r': case '\n': return endParagraph();
    default: return;
    }
}

// A group's first control word may open a destination of its own.
bool RtfParser::startsDestination(const RtfControlWord* word, bool ignorable)
{
    RtfGroupState& s = state();
    if (s.destination == RtfDestination::Skip)
        return true;
    if (word && word->kind == RtfWordKind::Destination) {
        switch (word->action) {
        case RtfAction::FontTable: s.destination = RtfDestination::FontTable; break;
        case RtfAction::ColourTable:
            s.destination = RtfDestination::ColourTable;
            colours_.Clear();
            break;
        case RtfAction::PictureData:
            s.destination = RtfDestination::Picture;
            picture_ = RtfPicture{};
            break;
        case RtfAction::Skipped: s.destination = RtfDestination::Skip; break;
        default: break; // the content of the others is the text to show
        }
        return true;
    }
    // In any destination: the \*\panose of a font or the \*\blipuid of a
    // picture is no part of its name or data.
    if (ignorable) {
        s.destination = RtfDestination::Skip;
        return true;
    }
    return false;
}

void RtfParser::textWord(const RtfControlWord& word, std::optional<int> parameter)
{
    switch (word.kind) {
    case RtfWordKind::Toggle: return toggle(word.action, parameter.value_or(1) != 0);
    case RtfWordKind::Value: return value(word.action, parameter);
    case RtfWordKind::Symbol: return character(QChar(word.character));
    case RtfWordKind::Paragraph: return paragraphWord(word.action, parameter.value_or(0));
    case RtfWordKind::Table: return tableWord(word.action);
    case RtfWordKind::Destination: case RtfWordKind::Picture: return;
    }
}

void RtfParser::toggle(RtfAction action, bool on)
{
    QTextCharFormat& format = changeFormat();
    switch (action) {
    case RtfAction::Bold: return format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    case RtfAction::Italic: return format.setFontItalic(on);
    case RtfAction::Underline: return format.setFontUnderline(on);
    default: return format.setFontStrikeOut(on);
    }
}

void RtfParser::value(RtfAction action, std::optional<int> parameter)
{
    const int number = parameter.value_or(0);
    RtfGroupState& s = state();
    switch (action) {
    case RtfAction::NoUnderline: return changeFormat().setFontUnderline(false);
    case RtfAction::FontSize:
        if (number > 0)
            changeFormat().setFontPointSize(std::clamp(number, 2, 400) / 2.0);
        return;
    case RtfAction::Foreground:
        if (const QColor c = colours_.Colour(number); c.isValid())
            return changeFormat().setForeground(c);
        return changeFormat().clearForeground();
    case RtfAction::Background:
        if (const QColor c = colours_.Colour(number); c.isValid())
            return changeFormat().setBackground(c);
        return changeFormat().clearBackground();
    case RtfAction::Superscript: return changeFormat().setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    case RtfAction::Subscript: return changeFormat().setVerticalAlignment(QTextCharFormat::AlignSubScript);
    case RtfAction::NoSuperSub: return changeFormat().setVerticalAlignment(QTextCharFormat::AlignNormal);
    case RtfAction::Font: return selectFont(number);
    case RtfAction::Plain:
        changeFormat() = defaultCharFormat();
        return selectFont(defaultFont_);
    case RtfAction::AnsiCodePage:
        if (parameter)
            documentCodePage_ = s.codePage = number;
        return;
    case RtfAction::DefaultFont: defaultFont_ = number; return;
    case RtfAction::UnicodeSkip: s.unicodeSkip = std::clamp(number, 0, 10); return;
    case RtfAction::Unicode:
        character(unicodeCharacter(number));
        fallbackToSkip_ = state().unicodeSkip;
        return;
    default: return; // the words of the font and colour tables
    }
}

void RtfParser::paragraphWord(RtfAction action, int parameter)
{
    QTextBlockFormat& format = state().blockFormat;
    switch (action) {
    case RtfAction::EndParagraph: return endParagraph();
    case RtfAction::ResetParagraph:
        flushText();
        format = QTextBlockFormat();
        state().inTable = false;
        return;
    case RtfAction::AlignLeft: return format.setAlignment(Qt::AlignLeft);
    case RtfAction::AlignCentre: return format.setAlignment(Qt::AlignHCenter);
    case RtfAction::AlignRight: return format.setAlignment(Qt::AlignRight);
    case RtfAction::Justify: return format.setAlignment(Qt::AlignJustify);
    case RtfAction::LeftIndent: return format.setLeftMargin(twips(parameter));
    case RtfAction::RightIndent: return format.setRightMargin(twips(parameter));
    case RtfAction::FirstIndent: return format.setTextIndent(twips(parameter));
    case RtfAction::SpaceBefore: return format.setTopMargin(twips(parameter));
    case RtfAction::SpaceAfter: return format.setBottomMargin(twips(parameter));
    case RtfAction::TabStop: {
        QList<QTextOption::Tab> tabs = format.tabPositions();
        if (tabs.size() < 64)
            tabs.append(QTextOption::Tab(twips(parameter), QTextOption::LeftTab));
        return format.setTabPositions(tabs);
    }
    default: return;
    }
}

// Each \trowd defines a row, \cell ends a cell, \row ends the row.
void RtfParser::tableWord(RtfAction action)
{
    switch (action) {
    case RtfAction::RowDefinition:
        flushText();
        definedColumns_ = 0;
        state().inTable = true;
        return;
    case RtfAction::CellBoundary: ++definedColumns_; return;
    case RtfAction::InTable: state().inTable = true; return;
    case RtfAction::EndCell: return endCell();
    case RtfAction::EndRow:
        flushText();
        return sink_.EndRow();
    default: return;
    }
}

// Bytes of text, as they stand or as \'hh: in the font table they name the
// font, in the colour table a ';' ends an entry, in a picture they are its
// hex data. Those standing in for a \uN are dropped first.
void RtfParser::textBytes(QByteArrayView bytes)
{
    const qsizetype fallback = std::min<qsizetype>(fallbackToSkip_, bytes.size());
    fallbackToSkip_ -= int(fallback);
    bytes = bytes.sliced(fallback);
    if (ignoredDepth_ > 0)
        return;
    switch (state().destination) {
    case RtfDestination::Skip: return;
    case RtfDestination::Picture: return picture_.AddHex(bytes);
    case RtfDestination::ColourTable: return colours_.AddText(bytes);
    case RtfDestination::FontTable: case RtfDestination::Text: {
        const std::array<QChar, 256>& table = CodePageTable(state().codePage);
        for (const char byte : bytes)
            character(table[static_cast<unsigned char>(byte)]);
        return;
    }
    }
}

void RtfParser::character(QChar c)
{
    if (state().destination == RtfDestination::FontTable) {
        fonts_.AddNameCharacter(c);
    } else if (state().destination == RtfDestination::Text) {
        if (state().inTable)
            enterCell();
        else
            leaveTable();
        text_ += c;
    }
}

void RtfParser::selectFont(int index)
{
    flushText();
    const RtfFontTable::Font* font = fonts_.Find(index);
    if (!font)
        return;
    if (!font->name.isEmpty()) {
        QString name = font->name;
        replaceNonCharacters(name);
        state().charFormat.setFontFamilies({name});
    }
    // A font of the Western character set is read in the document's code page.
    state().codePage = font->codePage == 1252 && documentCodePage_ != 1252 ? documentCodePage_ : font->codePage;
}

// The paragraph's format; a hanging first line gets a tab stop at the
// left indent, where the text of a numbered item begins.
QTextBlockFormat RtfParser::paragraphFormat()
{
    QTextBlockFormat format = state().blockFormat;
    if (format.textIndent() < 0 && format.tabPositions().isEmpty())
        format.setTabPositions({QTextOption::Tab(format.leftMargin(), QTextOption::LeftTab)});
    return format;
}

void RtfParser::flushText()
{
    if (text_.isEmpty())
        return;
    replaceNonCharacters(text_);
    sink_.Text(text_, state().charFormat);
    text_.clear();
}

void RtfParser::endParagraph()
{
    if (state().destination != RtfDestination::Text)
        return;
    if (state().inTable) {
        enterCell();
        flushText();
        sink_.CellParagraph(state().blockFormat, state().charFormat);
        return;
    }
    leaveTable();
    flushText();
    sink_.Paragraph(paragraphFormat(), state().charFormat);
}

// Text waiting for the sink stays where it was written.
void RtfParser::enterCell()
{
    if (sink_.InCell())
        return;
    flushText();
    if (!sink_.EnterCell(definedColumns_))
        state().inTable = false;
}

void RtfParser::endCell()
{
    if (!state().inTable)
        return;
    enterCell();
    flushText();
    sink_.EndCell();
}

void RtfParser::leaveTable()
{
    if (!sink_.InTable())
        return;
    flushText();
    sink_.LeaveTable();
}

void RtfParser::insertPicture()
{
    if (state().destination != RtfDestination::Text)
        return;
    const QImage image = picture_.Decode();
    if (image.isNull())
        return;
    if (state().inTable)
        enterCell();
    sink_.Picture(image, picture_.DisplaySize(image));
}

} // namespace

void ParseRtf(const QByteArray& data, RtfDocumentSink& sink)
{
    RtfParser(data, sink).run();
}
