// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_editor_window.h"
#include "learning/test_question_preview.h"
#include "learning/test_window.h"
#include "ui/error_box.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList linesOf(const QByteArray& bytes)
{
    return QString(QStringDecoder("windows-1251").decode(bytes)).split(QStringLiteral("\r\n"));
}

// The editor on a copy of the shipped test; the boxes it would show are
// answered from `answers` and recorded.
class TestEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.filePath("Test.ini");
        ASSERT_TRUE(QFile::copy(QStringLiteral(OPTIKA_DATA "/Test.ini"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        shipped = bytesOf(path);
        SetErrorSink([this](const QString& text) { errors << text; });
        SetAnswerSink([this](const QString& text) {
            asked << text;
            if (answers.empty())
                return QMessageBox::Cancel;
            const QMessageBox::StandardButton answer = answers.front();
            answers.pop_front();
            return answer;
        });
        ASSERT_TRUE(editor.Open(path));
    }
    void TearDown() override
    {
        SetErrorSink(nullptr);
        SetAnswerSink(nullptr);
    }

    template <typename Widget>
    Widget* named(const char* accessibleName)
    {
        for (Widget* widget : editor.findChildren<Widget*>()) {
            if (widget->accessibleName() == QString::fromUtf8(accessibleName))
                return widget;
        }
        return nullptr;
    }
    QListWidget* questions() { return named<QListWidget>("Вопросы"); }
    QListWidget* answerList() { return named<QListWidget>("Ответы"); }
    const TestQuestion& question(int k) { return editor.state().content.questions[k - 1]; }

    QTemporaryDir folder;
    QString path;
    QByteArray shipped;
    TestEditorWindow editor;
    QStringList errors, asked;
    std::deque<QMessageBox::StandardButton> answers;
};

// Typing an answer in its row changes that one line of the file; undo and
// redo step through it, and a saved file is clean until the next edit.
TEST_F(TestEditorTest, AnAnswerTypedInItsRowChangesItsLineOnlyAndUndoes)
{
    EXPECT_EQ(editor.windowTitle(), "Редактор теста — Test.ini[*]");
    EXPECT_EQ(questions()->count(), 20);
    EXPECT_EQ(questions()->item(0)->text(), "1. В однородной прозрачной среде свет распространяется…");
    answerList()->item(1)->setText("по дуге окружности");
    EXPECT_EQ(question(1).answers[1], "по дуге окружности");
    EXPECT_TRUE(editor.isWindowModified());
    ASSERT_TRUE(editor.Save());
    EXPECT_TRUE(asked.isEmpty()) << asked.join('\n').toStdString();
    EXPECT_FALSE(editor.isWindowModified());

    QStringList expected = linesOf(shipped);
    expected.replace(expected.indexOf("Текст кнопки 2=по окружности"), "Текст кнопки 2=по дуге окружности");
    EXPECT_EQ(linesOf(bytesOf(path)), expected);
    EXPECT_EQ(bytesOf(path + ".bak"), shipped);

    editor.undoStack().undo();
    EXPECT_EQ(answerList()->item(1)->text(), "по окружности");
    EXPECT_TRUE(editor.isWindowModified());
    editor.undoStack().redo();
    EXPECT_EQ(answerList()->item(1)->text(), "по дуге окружности");
    EXPECT_FALSE(editor.isWindowModified());
}

// A drop moves a question or an answer (the list model moves the row, as
// Qt's drop does); the right answer's mark stays on its answer, the file
// asks the questions in the new order, and one undo puts all back.
TEST_F(TestEditorTest, DroppedRowsMoveQuestionsAndAnswersWithTheirMark)
{
    const TestQuestion first = question(1), second = question(2);
    ASSERT_TRUE(questions()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 2)); // question 1 after question 2
    EXPECT_EQ(question(1), second);
    EXPECT_EQ(question(2), first);
    EXPECT_EQ(questions()->currentRow(), 1);

    // Question 2 is now "свет распространяется…": right answer 1, "прямолинейно".
    ASSERT_TRUE(answerList()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 4)); // to the end
    EXPECT_EQ(question(2).answers, QStringList({"по окружности", "по параболе", "зигзагообразно", "прямолинейно"}));
    EXPECT_EQ(question(2).correct, 4);
    EXPECT_EQ(answerList()->item(3)->checkState(), Qt::Checked);
    EXPECT_EQ(answerList()->item(0)->checkState(), Qt::Unchecked);
    ASSERT_TRUE(editor.Save());

    QString error;
    const std::optional<TestFile> saved = TestFile::Load(path, &error);
    ASSERT_TRUE(saved) << error.toStdString();
    EXPECT_EQ(saved->content(), editor.state().content);
    EXPECT_EQ(saved->content().questions[0], second);

    editor.undoStack().undo();
    editor.undoStack().undo();
    EXPECT_EQ(question(1), first);
    EXPECT_EQ(question(2), second);
}

// Saving a test that would trouble a class asks first, naming each problem;
// "Нет" leaves the file as it was. A character that Windows-1251 lacks
// asks for UTF-8, and the file is then UTF-8 with its mark.
TEST_F(TestEditorTest, ProblemsAndForeignLettersAskBeforeTheFileIsWritten)
{
    editor.SelectQuestion(2);
    answerList()->setCurrentRow(1); // the right answer of question 3
    editor.DeleteAnswer();
    editor.AddAnswer();
    EXPECT_EQ(question(3).answers.size(), 5);
    editor.SetQuestionText("Угол α между лучом и нормалью…");

    answers = {QMessageBox::No};
    EXPECT_FALSE(editor.Save());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("Вопрос 3: ответ 5 пустой\nВопрос 3: не отмечен правильный ответ\n"))
        << asked[0].toStdString();
    EXPECT_EQ(bytesOf(path), shipped);

    answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_FALSE(editor.Save());
    EXPECT_TRUE(asked.last().contains("UTF-8")) << asked.last().toStdString();
    EXPECT_EQ(bytesOf(path), shipped);

    answers = {QMessageBox::Yes, QMessageBox::Yes};
    ASSERT_TRUE(editor.Save());
    const QByteArray written = bytesOf(path);
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(QString::fromUtf8(written).contains("Текст вопроса=Угол α между лучом и нормалью…\r\n"));
    EXPECT_TRUE(errors.isEmpty());
}

// Closing with unsaved changes asks: "Отмена" keeps the window and its
// changes, "Не сохранять" lets them go, and the editor shows the file again.
TEST_F(TestEditorTest, ClosingWithChangesAsksAndDiscardingShowsTheFile)
{
    editor.show();
    editor.SetTitle("Другое название");
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(editor.close());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(named<QLineEdit>("Название теста")->text(), "Другое название");

    answers = {QMessageBox::Discard};
    EXPECT_TRUE(editor.close());
    EXPECT_EQ(asked.last(), "Сохранить изменения теста «Другое название»?");
    EXPECT_EQ(editor.state().content.title, "КОНТРОЛЬНЫЙ ТЕСТ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ");
    EXPECT_EQ(bytesOf(path), shipped);
    EXPECT_FALSE(editor.isWindowModified());
}

// The preview shows the selected question as the test window does and says
// whether an answer clicked there would count.
TEST_F(TestEditorTest, PreviewShowsTheQuestionAsThePupilSeesIt)
{
    questions()->setCurrentRow(3);
    const TestQuestionPreview& preview = editor.preview();
    const QList<QPushButton*> buttons = preview.answerButtons();
    ASSERT_EQ(buttons.size(), 3);
    for (int i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->text(), question(4).answers[i]);
        EXPECT_EQ(buttons[i]->geometry(), QRect(0, 29 * i, 405, 25));
    }
    EXPECT_EQ(preview.findChild<QLabel*>()->text(), "Вопрос 4 из 20");
    buttons[0]->click();
    EXPECT_EQ(preview.verdict(), "Неверно: верный ответ — 2.");
    buttons[1]->click();
    EXPECT_EQ(preview.verdict(), "Верно: тест засчитает этот ответ.");
}

// A test cut down to three questions in the editor and saved is the test the
// test window then gives, and scores as the grading table says.
TEST_F(TestEditorTest, ATestSavedFromTheEditorIsTheOneTheTestWindowGives)
{
    TForm17 test(path);
    test.FormCreate();
    test.SetTestEditor(&editor);
    editor.SetTitle("Другое название");
    test.ShowTestEditor();
    EXPECT_EQ(editor.state().content.title, "Другое название") << "unsaved changes are not thrown away";
    editor.undoStack().undo();
    test.ShowTestEditor();
    while (editor.state().content.questions.size() > 3) {
        editor.SelectQuestion(editor.state().content.questions.size() - 1);
        editor.DeleteQuestion();
    }
    editor.SelectQuestion(2);
    editor.SetQuestionText("Тень от точечного источника…");
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(test.questionCount(), 3);

    QStringList messages;
    SetMessageSink([&](const QString& text) { messages << text; });
    SetPupilSink([](const Pupil&) { return Pupil{}; });
    for (const std::vector<int>& choices : {std::vector<int>{1, 2, 2}, {1, 2, 1}, {3, 3, 3}}) {
        test.BtnStartClick();
        for (const int choice : choices)
            test.answerButtons()[choice - 1]->click();
    }
    SetMessageSink(nullptr);
    SetPupilSink(nullptr);
    const QString finished = "ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = 3\rКоличество набранных баллов =%1\r%2";
    EXPECT_EQ(messages, QStringList({finished.arg(15).arg("15 баллов из 15: оценка 5"),
                                     finished.arg(10).arg("10 баллов из 15: оценка 4"),
                                     finished.arg(0).arg("0 баллов из 15: оценка 2")}));
}

} // namespace
