// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "learning/rtf_reader.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

QString read(const QByteArray& rtf, QTextDocument* document)
{
    ReadRtf(rtf, document);
    return document->toPlainText();
}

// The character format at the first occurrence of `text`.
QTextCharFormat formatAt(QTextDocument& document, const QString& text)
{
    QTextCursor found = document.find(text);
    QTextCursor cursor(&document);
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QTextBlockFormat blockOf(QTextDocument& document, const QString& text)
{
    return document.find(text).block().blockFormat();
}

const QByteArray kHead = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1 Times;}}"
                         "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

TEST(RtfReader, DecodesWindows1251AndUnicode)
{
    QTextDocument document;
    // "Луч" in Windows-1251 bytes, then "свет" as \uN with question-mark fallbacks.
    const QString text = read(kHead + "\\f0 \\'cb\\'f3\\'f7 \\uc1\\u1089?\\u1074?\\u1077?\\u1090?}", &document);
    EXPECT_EQ(text, "Луч свет");
}

TEST(RtfReader, KeepsCharacterFormatting)
{
    QTextDocument document;
    read(kHead + "\\f0 plain {\\b bold} {\\i italic} {\\ul under\\ulnone line} {\\cf1 red} {\\fs40 big}\\par}", &document);
    EXPECT_EQ(document.toPlainText(), "plain bold italic underline red big\n");
    EXPECT_EQ(formatAt(document, "bold").fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(document, "plain").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(document, "italic").fontItalic());
    EXPECT_TRUE(formatAt(document, "under").fontUnderline());
    EXPECT_FALSE(formatAt(document, "line").fontUnderline());
    EXPECT_EQ(formatAt(document, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(document, "big").fontPointSize(), 20);
    EXPECT_EQ(formatAt(document, "plain").fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(RtfReader, KeepsParagraphAlignmentAndIndents)
{
    QTextDocument document;
    read(kHead + "\\pard\\qc centre\\par\\pard\\qr right\\par\\pard\\qj\\li720\\fi-360 justified\\par\\pard left}", &document);
    EXPECT_EQ(blockOf(document, "centre").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockOf(document, "right").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(blockOf(document, "justified").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_EQ(blockOf(document, "justified").leftMargin(), 48);
    EXPECT_EQ(blockOf(document, "justified").textIndent(), -24);
    EXPECT_EQ(blockOf(document, "left").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReader, SkipsTablesOfFontsStylesAndUnknownDestinations)
{
    QTextDocument document;
    const QString text = read(kHead + "{\\stylesheet{\\s1 Heading;}}{\\info{\\title Secret}}"
                                      "{\\*\\unknowndest hidden}{\\*\\bkmkstart mark}visible}",
                              &document);
    EXPECT_EQ(text, "visible");
}

TEST(RtfReader, BuildsSimpleTables)
{
    QTextDocument document;
    read(kHead + "before\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl A1\\cell B1\\cell\\row"
                 "\\trowd\\cellx2000\\cellx4000\\pard\\intbl A2\\cell B2\\cell\\row\\pard after\\par}",
         &document);
    QTextCursor cursor = document.find("A1");
    QTextTable* table = cursor.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().block().text(), "B2");
    EXPECT_EQ(document.find("after").currentTable(), nullptr);
}

TEST(RtfReader, ShowsEmbeddedPictures)
{
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    QTextDocument document;
    read(kHead + "look: {\\pict\\pngblip\\picw12\\pich8\\picwgoal360\\pichgoal240 " + png.toHex() + "} done}", &document);
    bool found = false;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.isImageFormat()) {
            found = true;
            EXPECT_EQ(format.toImageFormat().width(), 24);
            const QImage resource = document.resource(QTextDocument::ImageResource, format.toImageFormat().name()).value<QImage>();
            EXPECT_EQ(resource.pixelColor(3, 3), QColor(0, 128, 255));
        }
    }
    EXPECT_TRUE(found);
    EXPECT_FALSE(document.toPlainText().contains("89504e47")); // the hex data is no text
}

struct UnicodeCase {
    const char* rtf;
    const char16_t* text;
};

void PrintTo(const UnicodeCase& c, std::ostream* os)
{
    *os << c.rtf;
}

class RtfUnicode : public ::testing::TestWithParam<UnicodeCase> {};

TEST_P(RtfUnicode, KeepsOnlyRealCharacters)
{
    QTextDocument document;
    EXPECT_EQ(read(kHead + "\\uc1 [" + GetParam().rtf + "]}", &document), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Units, RtfUnicode,
    ::testing::Values(UnicodeCase{"\\u1089?", u"[с]"}, UnicodeCase{"\\u-3913?", u"[\uF0B7]"},
                      UnicodeCase{"\\u0?", u"[\uFFFD]"}, UnicodeCase{"\\u?", u"[\uFFFD]"},
                      UnicodeCase{"\\'00", u"[\uFFFD]"}, UnicodeCase{"\\u65536?", u"[\uFFFD]"},
                      UnicodeCase{"\\u-32769?", u"[\uFFFD]"}, UnicodeCase{"\\u99999999999?", u"[\uFFFD]"},
                      UnicodeCase{"\\u55296?", u"[\uFFFD]"}, UnicodeCase{"\\u56832?x", u"[\uFFFDx]"},
                      UnicodeCase{"\\u55357?\\u55357?", u"[\uFFFD\uFFFD]"},
                      // A character beyond 16 bits comes as its surrogate pair.
                      UnicodeCase{"\\u-10179?\\u-8704?", u"[\U0001F600]"}));

// The pictures of a document and the size of each.
QList<QSize> picturesOf(const QTextDocument& document)
{
    QList<QSize> sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                sizes << document.resource(QTextDocument::ImageResource, format.toImageFormat().name()).value<QImage>().size();
        }
    }
    return sizes;
}

QByteArray encodedPicture(const char* format, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes.toHex();
}

TEST(RtfReader, DecodesAPictureOnlyAsTheFormatItsBlipNames)
{
    const QByteArray png = encodedPicture("PNG", {5, 3});
    const QByteArray jpeg = encodedPicture("JPEG", {7, 4});
    const QByteArray bmp = encodedPicture("BMP", {6, 6});
    QTextDocument document;
    read(kHead + "{\\pict\\pngblip " + png + "}{\\pict\\jpegblip " + jpeg + "}", &document);
    EXPECT_EQ(picturesOf(document), (QList<QSize>{{5, 3}, {7, 4}}));

    read(kHead + "{\\pict\\jpegblip " + png + "}{\\pict\\pngblip " + jpeg + "}{\\pict\\pngblip " + bmp
             + "}{\\pict\\wmetafile8 " + png + "}{\\pict\\emfblip " + png + "}{\\pict\\dibitmap0 " + bmp + "}{\\pict "
             + png + "}}",
         &document);
    EXPECT_TRUE(picturesOf(document).isEmpty());
}

TEST(RtfReader, ReadsAFileSavedByAWordProcessor)
{
    QTextDocument document;
    LoadRtfFile(QStringLiteral(OPTIKA_TEST_FIXTURES "/abiword_card.rtf"), &document);
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.startsWith("Законы отражения\nОтветьте на вопросы\n1. Угол падения равен углу отражения."));
    EXPECT_TRUE(text.contains("Свет распространяется прямолинейно в однородной среде — это закон геометрической оптики."));
    EXPECT_TRUE(formatAt(document, "Ответьте").fontItalic());
    EXPECT_EQ(formatAt(document, "1.").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(document, "углу отражения").fontUnderline());
    EXPECT_EQ(formatAt(document, "Красный").foreground().color(), QColor(0xC0, 0, 0));
    EXPECT_EQ(blockOf(document, "Ответьте").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QTextTable* table = document.find("Алмаз").currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->cellAt(2, 1).firstCursorPosition().block().text(), "2,42");
}

TEST(RtfReader, MissingFileRaisesTheFileOpenErrorAndKeepsTheDocument)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QTextDocument document;
    document.setPlainText("kept");
    try {
        LoadRtfFile(QStringLiteral("txt\\k9.rtf"), &document);
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), "Cannot open file \"" + folder.filePath("txt/k9.rtf") + "\". No such file or directory");
    }
    QDir::setCurrent(previous);
    EXPECT_EQ(document.toPlainText(), "kept");
}

} // namespace
