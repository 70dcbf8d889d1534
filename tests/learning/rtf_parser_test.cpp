// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/rtf_document_sink.h"
#include "learning/rtf_parser.h"

#include <QBuffer>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Writes down what the parser hands over, one item per call: text in quotes
// with its formatting in braces, paragraphs, cells, rows and pictures.
class RecordingSink : public RtfDocumentSink {
public:
    QStringList calls;

    void Text(const QString& text, const QTextCharFormat& format) override
    {
        calls << '"' + text + '"' + marks(format);
    }
    void Paragraph(const QTextBlockFormat& format, const QTextCharFormat&) override
    {
        calls << (format.alignment() & Qt::AlignHCenter ? "par centred" : "par");
    }
    void CellParagraph(const QTextBlockFormat&, const QTextCharFormat&) override { calls << "cell par"; }
    void LastParagraph(const QTextBlockFormat&) override {}

    bool InTable() const override { return inTable_; }
    bool InCell() const override { return inCell_; }
    bool EnterCell(int columns) override
    {
        calls << QStringLiteral("cell of %1").arg(columns);
        inTable_ = inCell_ = true;
        return true;
    }
    void EndCell() override
    {
        inCell_ = false;
        calls << "/cell";
    }
    void EndRow() override
    {
        inCell_ = false;
        calls << "/row";
    }
    void LeaveTable() override
    {
        inTable_ = inCell_ = false;
        calls << "/table";
    }

    void Picture(const QImage& image, const QSizeF& size) override
    {
        calls << QStringLiteral("picture %1x%2 at %3x%4").arg(image.width()).arg(image.height()).arg(size.width()).arg(size.height());
    }

private:
    static QString marks(const QTextCharFormat& format)
    {
        QStringList marks;
        if (format.fontWeight() == QFont::Bold)
            marks << "bold";
        if (format.fontPointSize() != 12)
            marks << QString::number(format.fontPointSize()) + "pt";
        marks << format.fontFamilies().toStringList();
        return marks.isEmpty() ? QString() : '{' + marks.join(',') + '}';
    }

    bool inTable_ = false;
    bool inCell_ = false;
};

struct ParseCase {
    const char* name;
    const char* rtf; // "<png>" stands for a 5 x 3 PNG picture in hex, "<png-bin>" for it as \bin
    const char* calls; // the recorded calls, joined by " | "
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.rtf;
}

QByteArray png5x3()
{
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

class RtfParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RtfParser, HandsTheDocumentToTheSink)
{
    const QByteArray png = png5x3();
    QByteArray rtf = GetParam().rtf;
    rtf.replace("<png-bin>", "\\bin" + QByteArray::number(png.size()) + ' ' + png);
    rtf.replace("<png>", png.toHex());
    RecordingSink sink;
    ParseRtf("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f1 Arial;}}" + rtf + '}', sink);
    EXPECT_EQ(sink.calls.join(" | "), GetParam().calls);
}

std::string caseName(const ::testing::TestParamInfo<ParseCase>& info)
{
    return info.param.name;
}

// One word of each kind the reader knows.
INSTANTIATE_TEST_SUITE_P(
    WordKinds, RtfParser,
    ::testing::Values(ParseCase{"toggle", "{\\b bold}\\b0 not", R"("bold"{bold} | "not")"},
                      ParseCase{"value", "\\fs40\\f1 big", R"("big"{20pt,Arial})"},
                      ParseCase{"destination", "{\\info hidden}{\\*\\unknown hidden}shown", R"("shown")"},
                      ParseCase{"symbol", "a\\emdash\\'e1", R"("a—б")"},
                      ParseCase{"paragraph", "\\qc a\\par b", R"("a" | par centred | "b")"},
                      ParseCase{"table", "\\trowd\\cellx9\\cellx19\\intbl a\\cell b\\cell\\row\\pard c",
                                R"(cell of 2 | "a" | /cell | cell of 2 | "b" | /cell | /row | /table | "c")"},
                      ParseCase{"picture", "{\\pict\\pngblip\\picwgoal150\\picscaley200 <png>}",
                                "picture 5x3 at 10x6"}),
    caseName);

// The bytes after \binN are binary data wherever it stands, never rich text.
INSTANTIATE_TEST_SUITE_P(
    BinaryRuns, RtfParser,
    ::testing::Values(ParseCase{"inText", "a\\bin3 {b}c", R"("ac")"},
                      ParseCase{"inPicture", "{\\pict\\pngblip <png-bin>}", "picture 5x3 at 5x3"},
                      ParseCase{"inSkippedDestination", "{\\info{\\title t}\\bin4 }{x}}after", R"("after")"},
                      ParseCase{"inIgnorableGroup", "{\\*\\pgdesc\\bin5 }lost}after", R"("after")"},
                      ParseCase{"inFontTable", "{\\fonttbl{\\f2\\bin3 }{x Times;}}\\f2 t", R"("t"{Times})"},
                      ParseCase{"pastTheEnd", "ab{\\*\\pgdesc\\bin99 }}cd", R"("ab")"},
                      ParseCase{"lastWord", "ab\\bin", R"("ab")"}),
    caseName);

// A \* group nobody knows is skipped in the font table and in a picture too.
INSTANTIATE_TEST_SUITE_P(
    IgnorableGroups, RtfParser,
    ::testing::Values(ParseCase{"inFontTable", "{\\fonttbl{\\f2{\\*\\panose 020b0604}Tahoma;}}\\f2 t", R"("t"{Tahoma})"},
                      ParseCase{"inPicture", "{\\pict\\pngblip{\\*\\blipuid 0123456789abcdef}<png>}",
                                "picture 5x3 at 5x3"}),
    caseName);

} // namespace
