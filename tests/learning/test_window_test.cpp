// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/cards_window.h"
#include "learning/grading.h"
#include "learning/result_journal.h"
#include "learning/test_file.h"
#include "learning/test_window.h"
#include "ui/error_box.h"
#include "ui/rz_led_display.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A test file of `sections` questions, question k with `answers` answers
// of which answer 2 is right.
QString testFile(int count, int sections, int answers = 3)
{
    QString text = QStringLiteral("[Тест]\r\nНазвание теста=Проверочный тест\r\n");
    if (count != 0)
        text += QStringLiteral("Количество Вопросов =%1\r\n").arg(count);
    for (int k = 1; k <= sections; ++k) {
        text += QStringLiteral("[Вопрос №%1]\r\nТекст вопроса=Вопрос %1?\r\nКоличество кнопок=%2\r\n").arg(k).arg(answers);
        for (int i = 1; i <= answers; ++i)
            text += QStringLiteral("Текст кнопки %1=Ответ %1\r\n").arg(i);
        text += QStringLiteral("Правильный вариант=2\r\n");
    }
    return text;
}

class TestWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageSink([this](const QString& text) { messages << text; });
        SetErrorSink([this](const QString& text) { errors << text; });
        SetPupilSink([this](const Pupil& last) {
            asked << last;
            return pupil;
        });
        SetJournalFolder(journal());
    }
    void TearDown() override
    {
        SetMessageSink(nullptr);
        SetErrorSink(nullptr);
        SetPupilSink(nullptr);
    }

    QString path() const { return folder.filePath("Test.ini"); }
    QString journal() const { return folder.filePath("журнал"); }
    QStringList resultFiles() const { return QDir(journal()).entryList({"*.json"}, QDir::Files); }
    void write(const QString& text) { writeAt(path(), text); }
    static void writeAt(const QString& path, const QString& text)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QStringEncoder encoder("windows-1251");
        file.write(encoder(text));
    }
    std::unique_ptr<TForm17> open()
    {
        auto test = std::make_unique<TForm17>(path());
        RunGuarded([&test] { test->FormCreate(); });
        return test;
    }
    static void answer(TForm17& test, int i) { test.answerButtons().at(i - 1)->click(); }
    static void start(TForm17& test) { test.findChild<QPushButton*>("BtnStart")->click(); }
    // What the window tells of the test: the count, the most points, the file.
    static QStringList facts(const TForm17& test)
    {
        return {test.findChild<TRzLEDDisplay*>("RzLEDDisplay1")->caption(),
                test.findChild<TRzLEDDisplay*>("RzLEDDisplay2")->caption(), test.findChild<QLabel*>("LabelFile")->text()};
    }

    QTemporaryDir folder;
    QStringList messages;
    QStringList errors;
    // What the name and class question answers, and what it was shown filled in.
    std::optional<Pupil> pupil = Pupil{};
    QList<Pupil> asked;
};

TEST_F(TestWindowTest, FullRunCountsFivePointsAQuestion)
{
    write(testFile(20, 20));
    auto test = open();
    EXPECT_EQ(test->windowTitle(), "Проверочный тест");
    start(*test);
    EXPECT_FALSE(test->startVisible());
    for (int k = 1; k <= 20; ++k) {
        ASSERT_EQ(test->currentQuestion(), k);
        EXPECT_EQ(test->questionText(), QStringLiteral("Вопрос %1?").arg(k));
        answer(*test, 2);
    }
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 20\rКоличество набранных баллов =100\r"
                                       "100 баллов из 100: оценка 5"});
    EXPECT_TRUE(test->startVisible());
    EXPECT_TRUE(test->answerButtons().isEmpty());
    EXPECT_EQ(test->questionText(), "Вопрос 20?");

    // A second run starts from the first question with no points.
    start(*test);
    EXPECT_EQ(test->currentQuestion(), 1);
    for (int k = 1; k <= 20; ++k)
        answer(*test, 1);
    EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 20\rКоличество набранных баллов =0\r"
                               "0 баллов из 100: оценка 2");
}

TEST_F(TestWindowTest, AnswerButtonsStand29PixelsApartAndScroll)
{
    write(testFile(1, 1, 10));
    auto test = open();
    test->show();
    start(*test);
    const QList<QPushButton*> buttons = test->answerButtons();
    ASSERT_EQ(buttons.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(buttons[i]->geometry(), QRect(0, 29 * i, 405, 25));
        EXPECT_EQ(buttons[i]->text(), QStringLiteral("Ответ %1").arg(i + 1));
    }
    auto* box = test->findChild<QScrollArea*>("sScrollBox1");
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    box->ensureWidgetVisible(buttons.last());
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
}

TEST_F(TestWindowTest, OnlyTheCountedQuestionsAreAsked)
{
    write(testFile(3, 4));
    auto test = open();
    start(*test);
    for (int k = 1; k <= 3; ++k)
        answer(*test, 2);
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 3\rКоличество набранных баллов =15\r"
                                       "15 баллов из 15: оценка 5"});
}

TEST_F(TestWindowTest, MissingQuestionLeavesTheRunStuck)
{
    write(testFile(5, 3));
    auto test = open();
    start(*test);
    for (int k = 1; k <= 3; ++k)
        answer(*test, 1);
    EXPECT_EQ(test->currentQuestion(), 4);
    EXPECT_EQ(test->questionText(), "Вопрос отсутствует");
    EXPECT_TRUE(test->answerButtons().isEmpty());
    EXPECT_FALSE(test->startVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TestWindowTest, AnAbsurdAnswerCountIsReportedAndCutTo50)
{
    for (const char* count : {"100000", "2147483647", "$7FFFFFFF"}) {
        write(QStringLiteral("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nТекст вопроса=Опечатка\nКоличество кнопок=%1\n"
                             "Текст кнопки 1=Да\nПравильный вариант=1\n")
                  .arg(QString::fromLatin1(count)));
        auto test = open();
        test->show();
        errors.clear();
        start(*test);
        const QString asked = count[0] == '1' ? QStringLiteral("100000") : QStringLiteral("2147483647");
        EXPECT_EQ(errors, QStringList{"В файле с вопросами у вопроса №1 указано вариантов ответа: " + asked
                                      + ", а их может быть не больше 50."});
        const QList<QPushButton*> buttons = test->answerButtons();
        ASSERT_EQ(buttons.size(), 50) << count;
        EXPECT_EQ(buttons.first()->text(), "Да");
        EXPECT_EQ(buttons.last()->geometry(), QRect(0, 49 * 29, 405, 25));
        answer(*test, 1);
        EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 1\rКоличество набранных баллов =5\r"
                                   "5 баллов из 5: оценка 5");
    }
}

TEST_F(TestWindowTest, ANegativeAnswerCountLeavesTheQuestionWithoutButtons)
{
    write("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nТекст вопроса=Опечатка\nКоличество кнопок=-2147483648\n");
    auto test = open();
    start(*test);
    EXPECT_EQ(test->questionText(), "Опечатка");
    EXPECT_TRUE(test->answerButtons().isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TestWindowTest, MissingCaptionsShowTheAnswerNumbers)
{
    write("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nТекст вопроса=?\nКоличество кнопок=3\nТекст кнопки 2=Два\nПравильный вариант=2\n");
    auto test = open();
    start(*test);
    QStringList captions;
    for (QPushButton* button : test->answerButtons())
        captions << button->text();
    EXPECT_EQ(captions, (QStringList{"1", "Два", "3"}));
}

TEST_F(TestWindowTest, MissingOrNegativeRightAnswerIsReportedAndNotTaken)
{
    for (const char* right : {"", "Правильный вариант=-3\n", "Правильный вариант=три\n"}) {
        write(QStringLiteral("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nКоличество кнопок=2\n") + QString::fromUtf8(right));
        auto test = open();
        start(*test);
        errors.clear();
        answer(*test, 1);
        EXPECT_EQ(errors, QStringList{"В файле с вопросами ненаписан правильный вариант."}) << right;
        EXPECT_EQ(test->currentQuestion(), 1);
        EXPECT_EQ(test->answerButtons().size(), 2);
        EXPECT_EQ(test->score(), 0);
    }
}

TEST_F(TestWindowTest, RightAnswerOutOfRangeScoresNothing)
{
    write("[Тест]\nКоличество Вопросов =1\n[Вопрос №1]\nКоличество кнопок=2\nПравильный вариант=7\n");
    auto test = open();
    start(*test);
    answer(*test, 2);
    EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 1\rКоличество набранных баллов =0\r"
                               "0 баллов из 5: оценка 2");
}

TEST_F(TestWindowTest, MissingFileGetsItsCountKeyAndEndsAtOnce)
{
    auto test = open();
    EXPECT_EQ(test->windowTitle(), "Тест без названия");
    EXPECT_EQ(test->questionCount(), -2);
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringEncoder encoder("windows-1251");
    EXPECT_EQ(file.readAll(), QByteArray(encoder(QStringLiteral("[Тест]\r\nКоличество Вопросов =-1\r\n"))));
    start(*test);
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = -2\rКоличество набранных баллов =0"});

    // After a restart the written key counts.
    auto restarted = open();
    EXPECT_EQ(restarted->questionCount(), -1);
}

TEST_F(TestWindowTest, AUtf8TestIsReadAndStaysUtf8)
{
    const auto writeUtf8 = [this](const QString& text) {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
    };
    writeUtf8(testFile(0, 1));
    EXPECT_EQ(open()->windowTitle(), "Проверочный тест");
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), testFile(-1, 1).toUtf8());

    writeUtf8(testFile(1, 1));
    auto test = open();
    start(*test);
    EXPECT_EQ(test->questionText(), "Вопрос 1?");
    EXPECT_EQ(test->answerButtons().at(2)->text(), "Ответ 3");
}

TEST_F(TestWindowTest, CountKeyIsFoundWithoutItsBlankAndInAnotherCase)
{
    write("[ТЕСТ]\nколичество вопросов=2\n");
    auto test = open();
    EXPECT_EQ(test->questionCount(), 2);
}

TEST_F(TestWindowTest, UnwritableFolderIsReportedAndTheWindowStillWorks)
{
    auto test = std::make_unique<TForm17>(folder.filePath("missing/Test.ini"));
    RunGuarded([&test] { test->FormCreate(); });
    EXPECT_EQ(errors, QStringList{"Unable to write to " + folder.filePath("missing/Test.ini") + "."});
    EXPECT_EQ(test->windowTitle(), "Тест без названия");
    start(*test);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(TestWindowTest, HidingTheWindowKeepsTheRun)
{
    write(testFile(10, 10));
    auto test = open();
    test->show();
    start(*test);
    for (int k = 1; k <= 6; ++k)
        answer(*test, 2);
    test->findChild<QPushButton*>("sBitBtn1")->click();
    EXPECT_FALSE(test->isVisible());
    test->show();
    EXPECT_EQ(test->currentQuestion(), 7);
    EXPECT_EQ(test->questionText(), "Вопрос 7?");
    EXPECT_EQ(test->answerButtons().size(), 3);
    EXPECT_EQ(test->score(), 6);
}

TEST_F(TestWindowTest, ChangesToQuestionsTakeEffectWithoutARestart)
{
    write(testFile(2, 2));
    auto test = open();
    start(*test);
    write(testFile(2, 2).replace("Вопрос 2?", "Новый вопрос?"));
    answer(*test, 2);
    EXPECT_EQ(test->questionText(), "Новый вопрос?");
}

struct GradeCase {
    int questions;
    int right;
    const char* result;
};

void PrintTo(const GradeCase& c, std::ostream* os)
{
    *os << c.right << " of " << c.questions;
}

class GradedRun : public TestWindowTest, public ::testing::WithParamInterface<GradeCase> {};

// A test written by the editor, taken with scripted answers: the window
// counts the questions as it goes and ends with the points and the mark.
TEST_P(GradedRun, EndsWithThePointsAndTheMark)
{
    const auto [n, right, result] = GetParam();
    const auto key = [](int k) { return 1 + k % 3; };
    TestContent content{"Проверка", {}};
    for (int k = 1; k <= n; ++k)
        content.questions << TestQuestion{QStringLiteral("Вопрос %1?").arg(k), {"да", "нет", "не знаю"}, key(k)};
    QString error;
    ASSERT_TRUE(SaveTestFile(path(), TestFile().Bytes(content).value(), &error)) << error.toStdString();

    auto test = open();
    EXPECT_EQ(facts(*test), (QStringList{QString::number(n), QString::number(5 * n), "Файл: Test.ini"}));
    auto* progress = test->findChild<QLabel*>("LabelProgress");
    EXPECT_TRUE(progress->isHidden());
    start(*test);
    for (int k = 1; k <= n; ++k) {
        ASSERT_EQ(progress->text(), QStringLiteral("Вопрос %1 из %2").arg(k).arg(n));
        ASSERT_FALSE(progress->isHidden());
        answer(*test, k <= right ? key(k) : key(k) % 3 + 1);
    }
    EXPECT_TRUE(progress->isHidden());
    EXPECT_EQ(messages, QStringList{QStringLiteral("ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = %1\rКоличество набранных баллов =%2\r")
                                        .arg(n)
                                        .arg(5 * right)
                                    + QString::fromUtf8(result)});
}

INSTANTIATE_TEST_SUITE_P(Scores, GradedRun,
                         ::testing::Values(GradeCase{20, 20, "100 баллов из 100: оценка 5"},
                                           GradeCase{20, 0, "0 баллов из 100: оценка 2"},
                                           GradeCase{20, 7, "35 баллов из 100: оценка 2"},
                                           GradeCase{20, 8, "40 баллов из 100: оценка 3"},
                                           GradeCase{20, 15, "75 баллов из 100: оценка 4"},
                                           GradeCase{20, 16, "80 баллов из 100: оценка 5"},
                                           // 35 and 35.5 of 100: a half rounds up into the next mark.
                                           GradeCase{200, 70, "350 баллов из 1000: оценка 2"},
                                           GradeCase{200, 71, "355 баллов из 1000: оценка 3"},
                                           GradeCase{3, 2, "10 баллов из 15: оценка 4"}));

TEST_F(TestWindowTest, OpensAnotherTestAndRefusesAFileThatIsNoTest)
{
    write(testFile(20, 20));
    auto test = open();
    start(*test);
    answer(*test, 2);

    const QString physics = folder.filePath("Physics7.ini");
    writeAt(physics, testFile(3, 3).replace("Проверочный тест", "Физика, 7 класс"));
    ASSERT_TRUE(test->OpenTest(physics));
    EXPECT_EQ(test->windowTitle(), "Физика, 7 класс");
    EXPECT_EQ(facts(*test), (QStringList{"3", "15", "Файл: Physics7.ini"}));
    EXPECT_TRUE(test->startVisible());
    EXPECT_TRUE(test->answerButtons().isEmpty());
    EXPECT_EQ(test->questionText(), "");
    EXPECT_TRUE(test->findChild<QLabel*>("LabelProgress")->isHidden());
    start(*test);
    for (int k = 1; k <= 3; ++k)
        answer(*test, 2);
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 3\rКоличество набранных баллов =15\r"
                                    "15 баллов из 15: оценка 5"});

    const QString notes = folder.filePath("notes.ini");
    writeAt(notes, "[Журнал]\nКласс=7Б\n");
    EXPECT_FALSE(test->OpenTest(notes));
    EXPECT_EQ(errors, QStringList{"Файл " + notes + " — не тест: в нём нет раздела [Тест]."});
    EXPECT_EQ(test->windowTitle(), "Физика, 7 класс");
    EXPECT_EQ(facts(*test), (QStringList{"3", "15", "Файл: Physics7.ini"}));
    EXPECT_EQ(test->testPath(), physics);
}

class CardsWindowTest : public TestWindowTest {
protected:
    void SetUp() override
    {
        TestWindowTest::SetUp();
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QDir(folder.path()).mkpath("txt");
        QFile card(folder.filePath("txt/k1.rtf"));
        card.open(QIODevice::WriteOnly);
        card.write("{\\rtf1\\ansi\\ansicpg1251 {\\b \\'ca\\'e0\\'f0\\'f2\\'ee\\'f7\\'ea\\'e0} 1}");
    }
    void TearDown() override
    {
        QDir::setCurrent(previous);
        TestWindowTest::TearDown();
    }
    QString previous;
};

TEST_F(CardsWindowTest, LoadsACardAndEmptiesItOnClosing)
{
    TForm14 cards;
    cards.show();
    cards.findChild<QPushButton*>("sBitBtn3")->click();
    EXPECT_EQ(cards.cardText(), "Карточка 1");

    cards.findChild<QPushButton*>("sBitBtn2")->click(); // k2.rtf is missing
    EXPECT_EQ(errors, QStringList{"Cannot open file \"" + folder.filePath("txt/k2.rtf") + "\". No such file or directory."});
    EXPECT_EQ(cards.cardText(), "Карточка 1");

    cards.findChild<QPushButton*>("sBitBtn1")->click();
    EXPECT_FALSE(cards.isVisible());
    cards.show();
    EXPECT_EQ(cards.cardText(), "");
}

TEST_F(CardsWindowTest, OpensTheTest)
{
    write(testFile(1, 1));
    TForm14 cards;
    auto test = open();
    cards.SetTestWindow(test.get());
    cards.findChild<QPushButton*>("sBitBtn7")->click();
    EXPECT_TRUE(test->isVisible());
}

} // namespace

TEST_F(TestWindowTest, TheRunAsksWhoTakesItAndWritesItsResultIntoTheJournal)
{
    write(testFile(3, 3));
    auto test = open();
    pupil = Pupil{"Иванова Мария", "8 Б"};
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    start(*test);
    for (const int choice : {2, 1, 2})
        answer(*test, choice);
    const QDateTime after = QDateTime::currentDateTime();

    ASSERT_EQ(resultFiles().size(), 1);
    const JournalContents contents = ReadJournal(journal());
    ASSERT_EQ(contents.results.size(), 1);
    const TestResult& result = contents.results.first();
    EXPECT_EQ(result.testTitle, "Проверочный тест");
    EXPECT_EQ(result.testFile, "Test.ini");
    EXPECT_EQ(result.pupilName, "Иванова Мария");
    EXPECT_EQ(result.pupilClass, "8 Б");
    EXPECT_EQ(result.points, 10);
    EXPECT_EQ(result.maxPoints, 15);
    EXPECT_EQ(result.mark, 4);
    EXPECT_EQ(result.answers, QList<AnswerRecord>({{1, "Вопрос 1?", 2, "Ответ 2", true},
                                                   {2, "Вопрос 2?", 1, "Ответ 1", false},
                                                   {3, "Вопрос 3?", 2, "Ответ 2", true}}));
    EXPECT_TRUE(result.finished >= before && result.finished <= after) << result.finished.toString().toStdString();
    EXPECT_TRUE(errors.isEmpty());

    // The next pupil finds the last answer filled in; cancelling starts no run.
    pupil = std::nullopt;
    start(*test);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(asked.last().name, "Иванова Мария");
    EXPECT_EQ(asked.last().className, "8 Б");
    EXPECT_TRUE(test->startVisible());
    EXPECT_TRUE(test->answerButtons().isEmpty());
}

// A journal folder that cannot be written: the pupil is told to call the
// teacher, the result waits, and it is written with the next result, when
// the window closes, or when the program ends.
TEST_F(TestWindowTest, AResultThatCannotBeWrittenWaitsAndIsWrittenLater)
{
    write(testFile(2, 2));
    // The folder goes away, a file of its name in its place, as a network folder
    // whose server is off leaves only its mount point behind.
    const auto block = [this] {
        QDir().rename(journal(), journal() + ".away");
        writeAt(journal(), "a file where the folder should be");
    };
    const auto unblock = [this] {
        QFile::remove(journal());
        QDir().rename(journal() + ".away", journal());
    };
    const auto run = [this](TForm17& test) {
        start(test);
        answer(test, 2);
        answer(test, 1);
    };
    const QString failed = "Результат не удалось записать в журнал (папка «" + journal()
                         + "»: папки нет, и создать её нельзя). Позовите учителя: результат сохранится при следующей попытке.";
    auto test = open();

    block();
    run(*test);
    EXPECT_EQ(errors, QStringList{failed});
    EXPECT_EQ(messages.size(), 1) << "the points are shown all the same";
    EXPECT_EQ(test->pendingResults(), 1);
    run(*test);
    EXPECT_EQ(errors, QStringList({failed, failed}));
    EXPECT_EQ(test->pendingResults(), 2);

    unblock();
    run(*test);
    EXPECT_EQ(test->pendingResults(), 0);
    EXPECT_EQ(resultFiles().size(), 3);

    block();
    run(*test);
    unblock();
    test->close();
    EXPECT_EQ(test->pendingResults(), 0);
    EXPECT_EQ(resultFiles().size(), 4);

    block();
    run(*test);
    unblock();
    test.reset();
    EXPECT_EQ(resultFiles().size(), 5);
    EXPECT_EQ(errors.size(), 4);
}

TEST_F(TestWindowTest, AReadOnlyJournalFolderKeepsTheResultToo)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    write(testFile(1, 1));
    QDir().mkpath(journal());
    QFile::setPermissions(journal(), QFile::ReadOwner | QFile::ExeOwner);
    auto test = open();
    start(*test);
    answer(*test, 2);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith("Результат не удалось записать в журнал (папка «" + journal() + "»: "));
    EXPECT_EQ(test->pendingResults(), 1);
    QFile::setPermissions(journal(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    test->close();
    EXPECT_EQ(resultFiles().size(), 1);
}
