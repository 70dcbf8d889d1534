// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/code_pages.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct CodePoint {
    QChar character;
    unsigned char byte;
};

// The characters the program reads and writes in Windows-1251, with their
// bytes as the code page lays them out: ASCII as it is, the Cyrillic
// alphabet from А at C0 to я at FF with Ё and ё apart, and the signs of the
// test file and its texts.
std::vector<CodePoint> programCharacters()
{
    std::vector<CodePoint> points;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        points.push_back({QChar(c), static_cast<unsigned char>(c)});
    for (char16_t c = u'А'; c <= u'я'; ++c)
        points.push_back({QChar(c), static_cast<unsigned char>(0xC0 + (c - u'А'))});
    points.push_back({QChar(u'Ё'), 0xA8});
    points.push_back({QChar(u'ё'), 0xB8});
    points.push_back({QChar(u'№'), 0xB9});
    points.push_back({QChar(u'…'), 0x85});
    points.push_back({QChar(u'°'), 0xB0});
    points.push_back({QChar(u'«'), 0xAB});
    points.push_back({QChar(u'»'), 0xBB});
    points.push_back({QChar(u'—'), 0x97});
    points.push_back({QChar(u'–'), 0x96});
    points.push_back({QLatin1Char('\r'), 0x0D});
    points.push_back({QLatin1Char('\n'), 0x0A});
    points.push_back({QLatin1Char('\t'), 0x09});
    return points;
}

TEST(CodePage1251, EveryCharacterOfTheProgramGoesToItsByteAndBack)
{
    for (const CodePoint& point : programCharacters()) {
        SCOPED_TRACE(QString(point.character).toStdString());
        const QByteArray byte(1, char(point.byte));
        EXPECT_EQ(DecodeCodePage(byte, 1251), QString(point.character));
        EXPECT_EQ(EncodeCodePage(QString(point.character), 1251), byte);
    }
}

// Whatever bytes a teacher's editor left in the file, each reads as a
// character of its own and is written back as the same byte.
TEST(CodePage1251, EveryByteReadsAsACharacterOfItsOwnAndBack)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = DecodeCodePage(all, 1251);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    EXPECT_EQ(EncodeCodePage(text, 1251), all);
}

TEST(CodePage1251, TheShippedTestReadsAndWritesBackByteForByte)
{
    QFile shipped(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    const QString text = DecodeCodePage(bytes, 1251);
    EXPECT_TRUE(text.contains(QStringLiteral("[Вопрос №1]")));
    EXPECT_TRUE(text.contains(QStringLiteral("свет распространяется…")));
    EXPECT_EQ(EncodeCodePage(text, 1251), bytes);
}

// A text with a character the code page lacks has no bytes there: a
// substitute such as '?' would read back as another text.
TEST(CodePage1251, TextWithACharacterOutsideItHasNoBytes)
{
    for (const QString& text : {QStringLiteral("Größe"), QStringLiteral("Ω"), QStringLiteral("Луч 😀"),
                                QStringLiteral("Señal")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(EncodeCodePage(text, 1251), std::nullopt);
    }
    EXPECT_EQ(EncodeCodePage(QString(), 1251), QByteArray());
}

} // namespace
