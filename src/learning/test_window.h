// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/ini_file.h"
#include "learning/pupil_dialog.h"
#include "learning/result_journal.h"

#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class TForm17;
}

class QFileInfo;
class QPushButton;
class TestEditorWindow;
class TForm19;

// The multiple-choice test. Its title and question count come from
// "Test.ini" beside the program at start-up, or from the test file opened
// later; each question's keys are read from the file when the question is
// shown or answered.
class TForm17 : public QWidget {
    Q_OBJECT

public:
    explicit TForm17(QWidget* parent = nullptr);
    // A test read from another file, as the probe and the tests use it.
    explicit TForm17(const QString& iniPath, QWidget* parent = nullptr);
    ~TForm17() override;

    void SetGradingWindow(TForm19* window);
    // The editor that "Редактор теста" opens on the test shown; a test it
    // saves over the one shown is taken anew once no run is going.
    void SetTestEditor(TestEditorWindow* editor);
    void ShowTestEditor();

    // Reads the title and the question count; writes the count key as -1
    // when it is missing or below -1.
    void FormCreate();
    // Asks who takes the test, then starts a run; cancelling starts none.
    void BtnStartClick();
    // Asks for another test file, in the folder of the one shown, and opens it.
    void BtnOpenClick();
    // Takes the test of another file: its title, count and questions, the
    // window idle again. A file that is no test is refused in the error box
    // and the test shown stays.
    bool OpenTest(const QString& path);
    // An answer; a sender that is not an answer button is ignored.
    void ButtonClick(QObject* sender);
    void sBitBtn1Click();
    void sBitBtn2Click();

    int currentQuestion() const { return current_; }
    int score() const { return score_; }
    int questionCount() const { return count_; }
    // The answer buttons of the question shown, in order.
    QList<QPushButton*> answerButtons() const { return buttons_; }
    QString questionText() const;
    bool startVisible() const;
    QString testPath() const { return file_.path(); }
    // The results finished here that wait for the journal folder.
    int pendingResults() const { return journal_.pendingCount(); }

    // The path of "Test.ini" beside the executable, in the language
    // installed ("en/Test.ini" in English).
    static QString DefaultTestPath();

protected:
    // Closing tries again to write the results that wait.
    void closeEvent(QCloseEvent* event) override;

private:
    // The displays and the file name that describe the test.
    void showTestFacts();
    // One of the program's own tests, of any language.
    static bool isDefaultTest(const QFileInfo& file);
    void showFileName();
    // "Вопрос 3 из 10" above the question.
    void showProgress();
    void showCurrentQuestion();
    void removeAnswerButtons();
    QString questionSection() const;
    void recordResult();

    std::unique_ptr<Ui::TForm17> ui;
    IniFile file_;
    TForm19* grading_ = nullptr;
    TestEditorWindow* editor_ = nullptr;
    int count_ = 0;
    int current_ = 0;
    int score_ = 0;
    QList<QPushButton*> buttons_;
    // Who takes the test, kept for the next run until the program ends.
    Pupil pupil_;
    QList<AnswerRecord> answers_;
    ResultJournal journal_;
};
