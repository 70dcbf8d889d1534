// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/result_journal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TestResult sample()
{
    TestResult result;
    result.testTitle = QStringLiteral("Контрольный тест «Линзы»");
    result.testFile = QStringLiteral("Линзы.ini");
    result.pupilName = QStringLiteral("Иванова Мария");
    result.pupilClass = QStringLiteral("8 Б");
    result.computer = QStringLiteral("kab7-pc12");
    result.finished = QDateTime(QDate(2024, 5, 14), QTime(10, 32, 5), Qt::OffsetFromUTC, 3 * 3600);
    result.points = 5;
    result.maxPoints = 10;
    result.mark = 3;
    result.answers = {{1, QStringLiteral("Что такое фокус?"), 2, QStringLiteral("Точка \"F\""), true},
                      {2, QStringLiteral("Оптическая сила; в диоптриях?"), 1, QStringLiteral("1/F"), false}};
    return result;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// The journal test taker, started on `folder`.
std::unique_ptr<QProcess> startWriter(const QString& folder, int count, const QString& tag)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(OPTIKA_JOURNAL_WRITER), {folder, QString::number(count), tag});
    EXPECT_TRUE(process->waitForStarted());
    return process;
}

QStringList printedPaths(QProcess& process)
{
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(ResultFileTest, IsNamedByTimeComputerAndRandomPart)
{
    const QDateTime finished(QDate(2024, 5, 14), QTime(10, 32, 5));
    const std::pair<const char*, const char*> computers[] = {
        {"PC12", "2024-05-14_10-32-05_pc12_3fa2c41b.json"},
        {"Кабинет 7 / ПК-3", "2024-05-14_10-32-05_7-3_3fa2c41b.json"},
        {"", "2024-05-14_10-32-05_pc_3fa2c41b.json"},
        {"kab7 pc.local", "2024-05-14_10-32-05_kab7-pc-local_3fa2c41b.json"},
    };
    for (const auto& [computer, name] : computers)
        EXPECT_EQ(ResultFileName(finished, QString::fromUtf8(computer), 0x3fa2c41b), name) << computer;
    EXPECT_EQ(ResultFileName(finished, "pc", 7), "2024-05-14_10-32-05_pc_00000007.json");
}

TEST(ResultFileTest, HoldsEveryFieldInUtf8AndReadsBackTheSame)
{
    QTemporaryDir folder;
    const QString journal = folder.filePath("нет/такой/папки");
    QString reason;
    const QString path = WriteResultFile(journal, sample(), &reason);
    ASSERT_FALSE(path.isEmpty()) << reason.toStdString();
    EXPECT_TRUE(path.startsWith(journal + "/2024-05-14_10-32-05_kab7-pc12_"));
    const QByteArray bytes = readAll(path);
    for (const char* line : {"\"pupilName\": \"Иванова Мария\"", "\"pupilClass\": \"8 Б\"",
                             "\"finished\": \"2024-05-14T10:32:05+03:00\"", "\"testFile\": \"Линзы.ini\"",
                             "\"answerText\": \"Точка \\\"F\\\"\"", "\"right\": false", "\"mark\": 3"})
        EXPECT_TRUE(bytes.contains(line)) << line;
    EXPECT_EQ(ResultFromJson(bytes), sample());
    EXPECT_EQ(QDir(journal).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()}) << "no temporary file left";
}

// Damaged and foreign files are named as unreadable, stay where they are,
// and the results beside them still show; a writer's temporary file is no result.
TEST(ResultFileTest, DamagedFilesAreListedAndKeptAndTheOthersStillRead)
{
    QTemporaryDir folder;
    QString reason;
    ASSERT_FALSE(WriteResultFile(folder.path(), sample(), &reason).isEmpty());
    const QByteArray good = ResultToJson(sample());
    QByteArray garbage(600, '\0');
    for (char& byte : garbage)
        byte = char(QRandomGenerator::global()->bounded(256));
    QStringEncoder cp1251("windows-1251");
    const std::pair<const char*, QByteArray> damaged[] = {
        {"a-truncated.json", good.left(good.size() / 2)},
        {"b-cp1251.json", cp1251(QString::fromUtf8(good))},
        {"c-garbage.json", garbage},
        {"d-empty.json", {}},
        {"e-no-mark.json", QByteArray(good).replace("\"mark\"", "\"note\"")},
        {"f-points-as-text.json", QByteArray(good).replace("\"points\": 5", "\"points\": \"5\"")},
        {"g-other-program.json", "{\"name\": \"Иванова\", \"score\": 5}"},
        {"h-array.json", "[1, 2, 3]"},
    };
    for (const auto& [name, bytes] : damaged)
        writeAll(folder.filePath(name), bytes);
    writeAll(folder.filePath("2024-05-14_10-32-05_pc_00000001.json.Xa1b2C"), good.left(40));

    const JournalContents contents = ReadJournal(folder.path());
    EXPECT_EQ(contents.results, QList<TestResult>{sample()});
    QStringList names;
    for (const auto& [name, bytes] : damaged) {
        names << name;
        EXPECT_EQ(readAll(folder.filePath(name)), bytes) << name << " was changed";
    }
    EXPECT_EQ(contents.unreadable, names);
}

TEST(ResultFileTest, TwoComputersWriting200EachIntoOneFolderLoseNothing)
{
    QTemporaryDir folder;
    auto first = startWriter(folder.path(), 200, "8 А");
    auto second = startWriter(folder.path(), 200, "8 Б");
    ASSERT_TRUE(first->waitForFinished(60000));
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_EQ(second->exitCode(), 0);
    const QStringList written = printedPaths(*first) + printedPaths(*second);
    EXPECT_EQ(written.size(), 400);

    const JournalContents contents = ReadJournal(folder.path());
    EXPECT_TRUE(contents.unreadable.isEmpty());
    ASSERT_EQ(contents.results.size(), 400);
    int of8A = 0;
    for (const TestResult& result : contents.results)
        of8A += result.pupilClass == "8 А";
    EXPECT_EQ(of8A, 200);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 400);
}

// A computer switched off mid-write: every result written before is whole,
// and what the killed writer left is nothing the journal takes for a result.
TEST(ResultFileTest, AWriterKilledAtAnyMomentLeavesEveryEarlierResultReadable)
{
    QTemporaryDir folder;
    QStringList written;
    for (int round = 0; round < 6; ++round) {
        auto writer = startWriter(folder.path(), 0, QStringLiteral("раунд %1").arg(round));
        QThread::msleep(QRandomGenerator::global()->bounded(10, 200));
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished(10000));
        written += printedPaths(*writer);

        const JournalContents contents = ReadJournal(folder.path());
        EXPECT_TRUE(contents.unreadable.isEmpty()) << contents.unreadable.join(' ').toStdString();
        const QStringList results = QDir(folder.path()).entryList({"*.json"}, QDir::Files);
        EXPECT_EQ(contents.results.size(), results.size());
        for (const QString& path : std::as_const(written))
            EXPECT_TRUE(results.contains(QFileInfo(path).fileName())) << path.toStdString() << " is lost";
    }
    EXPECT_GT(written.size(), 0) << "no writer got as far as one result";
}
