// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/cards_window.h"
#include "learning/test_window.h"
#include "ui/error_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

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
    }
    void TearDown() override
    {
        SetMessageSink(nullptr);
        SetErrorSink(nullptr);
    }

    QString path() const { return folder.filePath("Test.ini"); }
    void write(const QString& text)
    {
        QFile file(path());
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

    QTemporaryDir folder;
    QStringList messages;
    QStringList errors;
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
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 20\rКоличество набранных баллов =100"});
    EXPECT_TRUE(test->startVisible());
    EXPECT_TRUE(test->answerButtons().isEmpty());
    EXPECT_EQ(test->questionText(), "Вопрос 20?");

    // A second run starts from the first question with no points.
    start(*test);
    EXPECT_EQ(test->currentQuestion(), 1);
    for (int k = 1; k <= 20; ++k)
        answer(*test, 1);
    EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 20\rКоличество набранных баллов =0");
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
    EXPECT_EQ(messages, QStringList{"ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 3\rКоличество набранных баллов =15"});
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
        EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 1\rКоличество набранных баллов =5");
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
    EXPECT_EQ(messages.last(), "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 1\rКоличество набранных баллов =0");
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
