// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_file.h"

#include <QUndoStack>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class TestQuestionPreview;

// "Редактор теста": the teacher's test file as a title and a list of
// questions with their answers, the right one marked, and the selected
// question as the pupil will see it. Every edit can be undone; saving checks
// the test first and writes the file in its own shape (see TestFile).
class TestEditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit TestEditorWindow(QWidget* parent = nullptr);

    // What the editor shows and changes: the content and which question and
    // answer are selected.
    struct State {
        TestContent content;
        int question = 0;
        int answer = -1;
    };

    // Opens the test at `path`, after asking about unsaved changes; a file
    // that is no test is refused with a message and the test shown stays.
    bool Open(const QString& path);
    // Shows the test at `path` unless the editor holds unsaved changes.
    void OpenUnlessChanged(const QString& path);
    void New();
    // Saves to the file opened (Save As for a new test); false when the
    // teacher declined or the write failed, the file then as it was.
    bool Save();
    bool SaveAs(const QString& path);

    QString path() const { return path_; }
    const State& state() const { return state_; }
    QUndoStack& undoStack() { return undo_; }
    TestQuestionPreview& preview() const { return *preview_; }

    // The edits the window's controls make, each one step to undo.
    void SetTitle(const QString& title);
    void SetQuestionText(const QString& text);
    void SetAnswerText(int answer, const QString& text);
    void MarkRight(int answer);
    void SelectQuestion(int question);
    void AddQuestion();
    void DuplicateQuestion();
    void DeleteQuestion();
    void MoveQuestion(int from, int to);
    void AddAnswer();
    void DeleteAnswer();
    void MoveAnswer(int from, int to);

signals:
    // A test was written to `path`.
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TestEditStep;
    void setState(const State& state);
    // One undoable step from the present state to `change`d; edits with the
    // same merge key in a row (typing in one field) undo as one.
    void edit(const QString& what, const std::function<void(State&)>& change, int mergeKey = -1);
    static QString newTestTitle();
    static QString fileFilter();
    bool closeChanges();
    bool write(const QString& path);
    void load(const TestFile& file, const QString& path);
    void chooseAndOpen();
    void chooseAndSaveAs();
    void render();
    void renderQuestions();
    void renderAnswers();
    void answerItemChanged(QListWidgetItem* item);
    TestQuestion& question() { return state_.content.questions[state_.question]; }

    TestFile file_;
    QString path_;
    State state_;
    QUndoStack undo_;
    QLineEdit* title_;
    QListWidget* questions_;
    QPlainTextEdit* questionText_;
    QListWidget* answers_;
    TestQuestionPreview* preview_;
    QPushButton* deleteQuestion_;
    QPushButton* addAnswer_;
    QPushButton* deleteAnswer_;
};
