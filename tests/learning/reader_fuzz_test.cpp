// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/ini_file.h"
#include "learning/rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A damaged copy of `seed`: flipped bytes, RTF syntax dropped in, parts cut
// out or repeated, or the tail lost, as a broken disk or editor leaves files.
QByteArray mutate(const QByteArray& seed, QRandomGenerator& random)
{
    static const QByteArray syntax[] = {"{", "}", "\\", "\\'", "\\u", "\\u-", "\\bin999999 ", "\\pict\\pngblip ",
                                        "\\trowd", "\\cell", "\\row", "\\cellx", "\\*", "\\fs99999999999",
                                        "\\'zz", ";", "\\par", "\\intbl"};
    QByteArray data = seed;
    const int edits = 1 + random.bounded(8);
    for (int e = 0; e < edits && !data.isEmpty(); ++e) {
        const int at = random.bounded(int(data.size()));
        switch (random.bounded(5)) {
        case 0: data[at] = char(random.bounded(256)); break;
        case 1: data.insert(at, syntax[random.bounded(int(std::size(syntax)))]); break;
        case 2: data.remove(at, random.bounded(64)); break;
        case 3: data.insert(at, data.mid(at, random.bounded(256)).repeated(1 + random.bounded(4))); break;
        case 4: data.truncate(at); break;
        }
    }
    return data;
}

TEST(ReaderFuzz, RichTextSurvivesDamagedFiles)
{
    const QList<QByteArray> seeds = {
        fileBytes(QStringLiteral(OPTIKA_TEST_FIXTURES "/abiword_card.rtf")),
        fileBytes(QStringLiteral(OPTIKA_DATA "/txt/dk.rtf")),
        fileBytes(QStringLiteral(OPTIKA_DATA "/txt/k1.rtf")),
    };
    for (const QByteArray& seed : seeds)
        ASSERT_FALSE(seed.isEmpty());
    QRandomGenerator random(20261209);
    for (int i = 0; i < 3000; ++i) {
        QTextDocument document;
        ReadRtf(mutate(seeds[i % seeds.size()], random), &document);
    }
    // Deep nesting and a huge flat run.
    QTextDocument document;
    ReadRtf(QByteArray(100000, '{') + "lost" + QByteArray(100000, '}') + "kept", &document);
    EXPECT_EQ(document.toPlainText(), "kept");
    ReadRtf("{\\rtf1 " + QByteArray(2000000, 'a') + "}", &document);
    EXPECT_EQ(document.characterCount(), 2000001);
}

TEST(ReaderFuzz, IniFileSurvivesDamagedFiles)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Test.ini");
    const QByteArray seed = fileBytes(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    ASSERT_FALSE(seed.isEmpty());
    QRandomGenerator random(15);
    for (int i = 0; i < 3000; ++i) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(mutate(seed, random));
        file.close();
        IniFile ini(path);
        ini.ReadString(QStringLiteral("Тест"), QStringLiteral("Название теста"), QString());
        ini.ReadInteger(QStringLiteral("Вопрос №%1").arg(i % 25), QStringLiteral("Количество кнопок"), 0);
        if (i % 10 == 0)
            ini.WriteInteger(QStringLiteral("Тест"), QStringLiteral("Количество Вопросов "), -1);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Тест"), QStringLiteral("Количество Вопросов "), -1),
                  ini.ReadInteger(QStringLiteral("Тест"), QStringLiteral("количество вопросов"), -1));
    }
}

} // namespace
