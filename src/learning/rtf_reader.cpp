// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_reader.h"

#include "kit/float_error.h"
#include "learning/code_pages.h"
#include "ui/data_files.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <vector>

namespace {

// Beyond these the reader stops obeying the input, so that no file can make
// it build absurd structures.
constexpr int kMaxDepth = 400;
constexpr int kMaxColumns = 32;
constexpr int kMaxTableRows = 500;
constexpr int kMaxPictureBytes = 32 * 1024 * 1024;

enum class Destination { Text, Skip, FontTable, ColourTable, Picture };

// The code page of a font's character set.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 204: return 1251;
    case 238: return 1250;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    default: return 1252;
    }
}

struct Font {
    QString name;
    int codePage = 1252;
};

struct GroupState {
    Destination destination = Destination::Text;
    QTextCharFormat charFormat;
    QTextBlockFormat blockFormat;
    int codePage = 1251;
    int unicodeSkip = 1;
    bool inTable = false;
};

class RtfParser {
public:
    RtfParser(const QByteArray& data, QTextDocument* document)
        : data_(data), document_(document), cursor_(document)
    {
    }

    void run()
    {
        GroupState state;
        state.charFormat = defaultCharFormat();
        stack_.push_back(state);
        while (pos_ < data_.size()) {
            const char c = data_[pos_];
            if (c == '{') {
                ++pos_;
                openGroup();
            } else if (c == '}') {
                ++pos_;
                closeGroup();
            } else if (c == '\\') {
                ++pos_;
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                character(QChar(CodePageTable(state_().codePage)[static_cast<unsigned char>(c)]), true);
            }
        }
        while (stack_.size() > 1)
            closeGroup();
        flushText();
        cursor_.setBlockFormat(paragraphFormat());
    }

private:
    GroupState& state_() { return stack_.back(); }

    QTextCharFormat defaultCharFormat() const
    {
        QTextCharFormat format;
        format.setFontPointSize(12);
        return format;
    }

    void openGroup()
    {
        if (int(stack_.size()) >= kMaxDepth) {
            ++ignoredDepth_;
            return;
        }
        flushText();
        stack_.push_back(stack_.back());
        pendingDestination_ = true;
    }

    void closeGroup()
    {
        if (ignoredDepth_ > 0) {
            --ignoredDepth_;
            return;
        }
        if (stack_.size() <= 1)
            return;
        flushText();
        const GroupState closing = stack_.back();
        stack_.pop_back();
        if (closing.destination == Destination::Picture && stack_.back().destination != Destination::Picture)
            insertPicture();
        pendingDestination_ = false;
    }

    // Reads one control word or symbol after its backslash.
    void controlWord()
    {
        if (pos_ >= data_.size())
            return;
        const char c = data_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < data_.size() && isLetter(data_[pos_]) && pos_ - start < 32)
            ++pos_;
        const QByteArray word = data_.mid(start, pos_ - start);
        bool hasParameter = false;
        int parameter = 0;
        bool negative = false;
        if (pos_ < data_.size() && data_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        long long magnitude = 0;
        int digits = 0;
        while (pos_ < data_.size() && isDigit(data_[pos_])) {
            if (digits < 10)
                magnitude = magnitude * 10 + (data_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        if (digits > 0) {
            hasParameter = true;
            magnitude = std::min<long long>(magnitude, 2147483647LL);
            parameter = int(negative ? -magnitude : magnitude);
        }
        if (pos_ < data_.size() && data_[pos_] == ' ')
            ++pos_;
        const bool firstInGroup = pendingDestination_;
        pendingDestination_ = false;
        if (ignoredDepth_ == 0)
            apply(word, hasParameter, parameter, firstInGroup);
    }

    void controlSymbol(char c)
    {
        const bool firstInGroup = pendingDestination_;
        pendingDestination_ = false;
        if (ignoredDepth_ > 0)
            return;
        switch (c) {
        case '\'': {
            const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
            const int low = pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            pos_ += 2;
            character(CodePageTable(state_().codePage)[high * 16 + low], true);
            break;
        }
        case '*':
            // Marks the destination that the group's next word opens as one to skip if unknown.
            if (firstInGroup) {
                ignorableDestination_ = true;
                pendingDestination_ = true;
            }
            break;
        case '~': character(QChar(0x00A0), false); break;
        case '_': character(QChar(0x2011), false); break;
        case '-': break;
        case '\\': case '{': case '}': character(QLatin1Char(c), false); break;
        case '\r': case '\n': endParagraph(); break;
        case '\t': character(QLatin1Char('\t'), false); break;
        default: break;
        }
    }

    void apply(const QByteArray& word, bool hasParameter, int parameter, bool firstInGroup)
    {
        GroupState& s = state_();
        const bool ignorable = ignorableDestination_;
        ignorableDestination_ = false;

        if (firstInGroup && startsDestination(word, ignorable))
            return;
        if (s.destination == Destination::Skip)
            return;
        if (s.destination == Destination::FontTable) {
            fontTableWord(word, parameter);
            return;
        }
        if (s.destination == Destination::ColourTable) {
            colourTableWord(word, parameter);
            return;
        }
        if (s.destination == Destination::Picture) {
            pictureWord(word, parameter);
            return;
        }

        const bool on = !hasParameter || parameter != 0;
        // Character formatting.
        if (word == "b") return setFormat([&](QTextCharFormat& f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
        if (word == "i") return setFormat([&](QTextCharFormat& f) { f.setFontItalic(on); });
        if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" || word == "ulth")
            return setFormat([&](QTextCharFormat& f) { f.setFontUnderline(on); });
        if (word == "ulnone") return setFormat([&](QTextCharFormat& f) { f.setFontUnderline(false); });
        if (word == "strike") return setFormat([&](QTextCharFormat& f) { f.setFontStrikeOut(on); });
        if (word == "fs" && hasParameter && parameter > 0)
            return setFormat([&](QTextCharFormat& f) { f.setFontPointSize(std::clamp(parameter, 2, 400) / 2.0); });
        if (word == "cf") return setFormat([&](QTextCharFormat& f) { applyColour(f, parameter, false); });
        if (word == "highlight" || word == "cb" || word == "chcbpat")
            return setFormat([&](QTextCharFormat& f) { applyColour(f, parameter, true); });
        if (word == "super") return setFormat([](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });
        if (word == "sub") return setFormat([](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); });
        if (word == "nosupersub") return setFormat([](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignNormal); });
        if (word == "f") return selectFont(parameter);
        if (word == "plain") {
            flushText();
            s.charFormat = defaultCharFormat();
            selectFont(defaultFont_);
            return;
        }
        // Document and code page.
        if (word == "ansicpg" && hasParameter) {
            documentCodePage_ = parameter;
            s.codePage = parameter;
            return;
        }
        if (word == "deff") {
            defaultFont_ = parameter;
            return;
        }
        if (word == "uc") {
            s.unicodeSkip = std::clamp(parameter, 0, 10);
            return;
        }
        if (word == "u") {
            character(unicodeCharacter(hasParameter ? parameter : 0), false);
            fallbackToSkip_ = s.unicodeSkip; // the characters that stand in for it in old readers
            return;
        }
        // Paragraphs.
        if (word == "par" || word == "sect") return endParagraph();
        if (word == "line") return character(QChar(QChar::LineSeparator), false);
        if (word == "pard") {
            flushText();
            s.blockFormat = QTextBlockFormat();
            s.inTable = false;
            return;
        }
        if (word == "ql") return setAlignment(Qt::AlignLeft);
        if (word == "qc") return setAlignment(Qt::AlignHCenter);
        if (word == "qr") return setAlignment(Qt::AlignRight);
        if (word == "qj") return setAlignment(Qt::AlignJustify);
        if (word == "li") return s.blockFormat.setLeftMargin(twips(parameter));
        if (word == "ri") return s.blockFormat.setRightMargin(twips(parameter));
        if (word == "fi") return s.blockFormat.setTextIndent(twips(parameter));
        if (word == "sb") return s.blockFormat.setTopMargin(twips(parameter));
        if (word == "sa") return s.blockFormat.setBottomMargin(twips(parameter));
        if (word == "tx") {
            QList<QTextOption::Tab> tabs = s.blockFormat.tabPositions();
            if (tabs.size() < 64)
                tabs.append(QTextOption::Tab(twips(parameter), QTextOption::LeftTab));
            return s.blockFormat.setTabPositions(tabs);
        }
        // Tables.
        if (word == "trowd") return startRowDefinition();
        if (word == "cellx") {
            ++definedColumns_;
            return;
        }
        if (word == "intbl") {
            s.inTable = true;
            return;
        }
        if (word == "cell") return endCell();
        if (word == "row") return endRow();
        // Special characters.
        if (word == "tab") return character(QLatin1Char('\t'), false);
        if (word == "emdash") return character(QChar(0x2014), false);
        if (word == "endash") return character(QChar(0x2013), false);
        if (word == "bullet") return character(QChar(0x2022), false);
        if (word == "lquote") return character(QChar(0x2018), false);
        if (word == "rquote") return character(QChar(0x2019), false);
        if (word == "ldblquote") return character(QChar(0x201C), false);
        if (word == "rdblquote") return character(QChar(0x201D), false);
        if (word == "bin" && hasParameter) {
            pos_ += std::clamp<qsizetype>(parameter, 0, data_.size() - pos_);
            return;
        }
    }

    // A group's first control word may open a destination of its own.
    bool startsDestination(const QByteArray& word, bool ignorable)
    {
        GroupState& s = state_();
        if (s.destination == Destination::Skip)
            return true;
        static const QList<QByteArray> skipped = {
            "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
            "footerf", "footnote", "fldinst", "listtable", "listoverridetable", "revtbl", "rsidtbl",
            "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
            "filetbl", "pgdsctbl", "mmathPr", "nonshppict", "object", "objdata", "comment", "annotation",
            "atnid", "atnauthor", "bkmkstart", "bkmkend", "template", "userprops", "docvar", "passwordhash",
        };
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
            return true;
        }
        if (word == "colortbl") {
            s.destination = Destination::ColourTable;
            colours_.clear();
            colourEntry_ = {0, 0, 0, false};
            return true;
        }
        if (word == "pict") {
            s.destination = Destination::Picture;
            picture_ = PictureState{};
            return true;
        }
        if (word == "shppict" || word == "fldrslt" || word == "result")
            return true; // their content is the text to show
        if (skipped.contains(word) || (ignorable && s.destination == Destination::Text)) {
            s.destination = Destination::Skip;
            return true;
        }
        return false;
    }

    void fontTableWord(const QByteArray& word, int parameter)
    {
        if (word == "f") {
            currentFont_ = parameter;
            fonts_[currentFont_] = Font{};
        } else if (word == "fcharset") {
            fonts_[currentFont_].codePage = codePageOfCharset(parameter);
        } else if (word == "cpg") {
            fonts_[currentFont_].codePage = parameter;
        }
    }

    void colourTableWord(const QByteArray& word, int parameter)
    {
        int* channel = word == "red" ? &colourEntry_.r : word == "green" ? &colourEntry_.g
                                                       : word == "blue"  ? &colourEntry_.b
                                                                         : nullptr;
        if (channel) {
            *channel = std::clamp(parameter, 0, 255);
            colourEntry_.set = true;
        }
    }

    void pictureWord(const QByteArray& word, int parameter)
    {
        if (word == "pngblip")
            picture_.format = "PNG";
        else if (word == "jpegblip")
            picture_.format = "JPEG";
        else if (word == "picwgoal")
            picture_.widthTwips = parameter;
        else if (word == "pichgoal")
            picture_.heightTwips = parameter;
        else if (word == "picscalex")
            picture_.scaleX = std::clamp(parameter, 1, 1000);
        else if (word == "picscaley")
            picture_.scaleY = std::clamp(parameter, 1, 1000);
        else if (word == "bin" && parameter > 0) {
            const qsizetype n = std::min<qsizetype>(parameter, data_.size() - pos_);
            if (picture_.bytes.size() + n <= kMaxPictureBytes)
                picture_.bytes += data_.mid(pos_, n);
            pos_ += n;
        }
    }

    // Plain characters: in the font table they name the font, in the colour
    // table a ';' ends an entry, in a picture they are its hex data.
    void character(QChar c, bool countsForFallback)
    {
        if (countsForFallback && fallbackToSkip_ > 0) {
            --fallbackToSkip_;
            return;
        }
        if (ignoredDepth_ > 0)
            return;
        GroupState& s = state_();
        switch (s.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == QLatin1Char(';'))
                fonts_[currentFont_].name = fonts_[currentFont_].name.trimmed();
            else
                fonts_[currentFont_].name += c;
            return;
        case Destination::ColourTable:
            if (c == QLatin1Char(';')) {
                colours_.push_back(colourEntry_.set ? QColor(colourEntry_.r, colourEntry_.g, colourEntry_.b) : QColor());
                colourEntry_ = {0, 0, 0, false};
            }
            return;
        case Destination::Picture: {
            const int v = hexValue(char(c.unicode() < 128 ? c.unicode() : 0));
            if (v < 0 || picture_.bytes.size() >= kMaxPictureBytes)
                return;
            if (picture_.highNibble < 0) {
                picture_.highNibble = v;
            } else {
                picture_.bytes.append(char(picture_.highNibble * 16 + v));
                picture_.highNibble = -1;
            }
            return;
        }
        case Destination::Text:
            if (s.inTable)
                enterCell();
            else if (table_)
                leaveTable();
            text_ += c;
            return;
        }
    }

    template <typename Change>
    void setFormat(Change change)
    {
        flushText();
        change(state_().charFormat);
    }

    void applyColour(QTextCharFormat& format, int index, bool background)
    {
        const QColor colour = index >= 0 && index < int(colours_.size()) ? colours_[index] : QColor();
        if (background) {
            if (colour.isValid())
                format.setBackground(colour);
            else
                format.clearBackground();
        } else {
            if (colour.isValid())
                format.setForeground(colour);
            else
                format.clearForeground();
        }
    }

    void selectFont(int index)
    {
        flushText();
        GroupState& s = state_();
        const auto it = fonts_.constFind(index);
        if (it == fonts_.constEnd())
            return;
        if (!it->name.isEmpty()) {
            QString name = it->name;
            replaceNonCharacters(name);
            s.charFormat.setFontFamilies({name});
        }
        s.codePage = it->codePage == 1252 && documentCodePage_ != 1252 ? documentCodePage_ : it->codePage;
    }

    void setAlignment(Qt::Alignment alignment)
    {
        state_().blockFormat.setAlignment(alignment);
    }

    static qreal twips(int value)
    {
        return std::clamp(value, -20000, 20000) / 15.0;
    }

    void flushText()
    {
        if (text_.isEmpty())
            return;
        replaceNonCharacters(text_);
        cursor_.insertText(text_, state_().charFormat);
        text_.clear();
    }

    void endParagraph()
    {
        if (state_().destination != Destination::Text || ignoredDepth_ > 0)
            return;
        if (state_().inTable) {
            enterCell();
            flushText();
            cursor_.insertBlock(state_().blockFormat, state_().charFormat);
            return;
        }
        leaveTable();
        flushText();
        cursor_.setBlockFormat(paragraphFormat());
        cursor_.insertBlock(paragraphFormat(), state_().charFormat);
    }

    // The paragraph's format; a hanging first line gets a tab stop at the
    // left indent, where the text of a numbered item begins.
    QTextBlockFormat paragraphFormat()
    {
        QTextBlockFormat format = state_().blockFormat;
        if (format.textIndent() < 0 && format.tabPositions().isEmpty())
            format.setTabPositions({QTextOption::Tab(format.leftMargin(), QTextOption::LeftTab)});
        return format;
    }

    // Tables: each \trowd defines a row, \cell ends a cell, \row ends the row.
    void startRowDefinition()
    {
        flushText();
        definedColumns_ = 0;
        state_().inTable = true;
    }

    void enterCell()
    {
        if (cellOpen_)
            return;
        flushText();
        if (!table_) {
            if (tableRows_ >= kMaxTableRows) {
                state_().inTable = false;
                return;
            }
            const int columns = std::clamp(definedColumns_, 1, kMaxColumns);
            QTextTableFormat format;
            format.setBorder(1);
            format.setCellPadding(3);
            format.setCellSpacing(0);
            table_ = cursor_.insertTable(1, columns, format);
            row_ = 0;
            column_ = 0;
        } else if (rowEnded_) {
            if (row_ + 1 >= kMaxTableRows) {
                leaveTable();
                state_().inTable = false;
                return;
            }
            table_->appendRows(1);
            ++row_;
            column_ = 0;
        }
        rowEnded_ = false;
        if (column_ >= table_->columns()) {
            if (table_->columns() >= kMaxColumns) {
                column_ = table_->columns() - 1;
            } else {
                table_->appendColumns(1);
            }
        }
        cursor_ = table_->cellAt(row_, column_).lastCursorPosition();
        cellOpen_ = true;
    }

    void endCell()
    {
        if (!state_().inTable || state_().destination != Destination::Text)
            return;
        enterCell();
        flushText();
        cellOpen_ = false;
        ++column_;
    }

    void endRow()
    {
        flushText();
        cellOpen_ = false;
        rowEnded_ = true;
        ++tableRows_;
    }

    void leaveTable()
    {
        if (!table_)
            return;
        flushText();
        cursor_ = table_->lastCursorPosition();
        cursor_.movePosition(QTextCursor::NextBlock);
        table_ = nullptr;
        cellOpen_ = false;
        rowEnded_ = false;
        tableRows_ = 0;
    }

    void insertPicture()
    {
        if (!picture_.format || picture_.bytes.isEmpty() || state_().destination != Destination::Text)
            return;
        // Only the format the blip names: a picture never gets decoded by
        // whatever reader its bytes happen to look like.
        const QImage image = QImage::fromData(picture_.bytes, picture_.format);
        if (image.isNull())
            return;
        const QString name = QStringLiteral("rtfpicture://%1").arg(++pictures_);
        document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.setName(name);
        qreal width = picture_.widthTwips > 0 ? picture_.widthTwips / 15.0 : image.width();
        qreal height = picture_.heightTwips > 0 ? picture_.heightTwips / 15.0 : image.height();
        format.setWidth(std::min<qreal>(width * picture_.scaleX / 100, 2000));
        format.setHeight(std::min<qreal>(height * picture_.scaleY / 100, 2000));
        if (state_().inTable)
            enterCell();
        cursor_.insertImage(format);
    }

    // \uN is a UTF-16 unit, written signed above 32767; a value beyond
    // 16 bits stands for the replacement character.
    static QChar unicodeCharacter(int parameter)
    {
        if (parameter < -32768 || parameter > 65535)
            return QChar::ReplacementCharacter;
        return QChar(ushort(parameter < 0 ? parameter + 65536 : parameter));
    }

    // A null and half of a surrogate pair without its other half are no
    // characters: they stand for the replacement character.
    static void replaceNonCharacters(QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate() || text[i].isNull())
                text[i] = QChar::ReplacementCharacter;
        }
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    struct PictureState {
        const char* format = nullptr; // the reader its blip names, PNG or JPEG
        QByteArray bytes;
        int highNibble = -1;
        int widthTwips = 0;
        int heightTwips = 0;
        int scaleX = 100;
        int scaleY = 100;
    };
    struct ColourEntry {
        int r, g, b;
        bool set;
    };

    const QByteArray& data_;
    QTextDocument* document_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_;
    int ignoredDepth_ = 0;
    bool pendingDestination_ = false;
    bool ignorableDestination_ = false;
    int fallbackToSkip_ = 0;
    QString text_;

    QHash<int, Font> fonts_;
    int currentFont_ = 0;
    int defaultFont_ = 0;
    int documentCodePage_ = 1251;
    std::vector<QColor> colours_;
    ColourEntry colourEntry_{0, 0, 0, false};
    PictureState picture_;
    int pictures_ = 0;

    QTextTable* table_ = nullptr;
    int definedColumns_ = 0;
    int row_ = 0;
    int column_ = 0;
    int tableRows_ = 0;
    bool cellOpen_ = false;
    bool rowEnded_ = false;
};

} // namespace

void ReadRtf(const QByteArray& data, QTextDocument* document)
{
    document->clear();
    RtfParser(data, document).run();
}

void LoadRtfFile(const QString& relativeName, QTextDocument* document)
{
    const QString path = DataPath(relativeName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(path, file.errorString());
    ReadRtf(file.readAll(), document);
}
