// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_editor_window.h"

#include "learning/test_question_preview.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kFewestAnswers = 2;

// Typing in one field undoes as one step: the fields' merge keys.
int titleKey()
{
    return 1;
}
int questionTextKey(int question)
{
    return 1000 + question;
}
int answerTextKey(int question, int answer)
{
    return 100000 + question * 100 + answer;
}

TestQuestion emptyQuestion()
{
    return TestQuestion{QString(), QStringList(kFewestAnswers, QString()), 0};
}

// The right answer is one of several: its mark is drawn as a radio button.
class RadioMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect mark = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, widget);
        const bool right = item.checkState == Qt::Checked;
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, widget);
        item.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        item.rect.setLeft(mark.right() + style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 2);
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        QStyleOptionButton radio;
        radio.rect = mark;
        radio.state = (option.state & QStyle::State_Enabled) | (right ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorRadioButton, &radio, painter, widget);
    }
};

// Ctrl+Z and Ctrl+Y in a text field undo the editor's steps, not the field's own.
class WindowUndoKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                || key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QPushButton* button(QGridLayout* grid, int row, int column)
{
    auto* pushButton = new QPushButton;
    grid->addWidget(pushButton, row, column);
    return pushButton;
}

// The new place of a row that a list moved from `start` to before `row`.
int movedTo(int start, int row)
{
    return row > start ? row - 1 : row;
}

} // namespace

// One step of the undo stack: the editor's state before and after an edit.
class TestEditStep : public QUndoCommand {
public:
    TestEditStep(TestEditorWindow& window, const QString& what, TestEditorWindow::State before,
                 TestEditorWindow::State after, int mergeKey)
        : QUndoCommand(what), window_(window), before_(std::move(before)), after_(std::move(after)), mergeKey_(mergeKey)
    {
    }

    int id() const override { return mergeKey_ < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const TestEditStep*>(other);
        if (next->mergeKey_ != mergeKey_)
            return false;
        after_ = next->after_;
        return true;
    }
    void undo() override { window_.setState(before_); }
    void redo() override { window_.setState(after_); }

private:
    TestEditorWindow& window_;
    TestEditorWindow::State before_;
    TestEditorWindow::State after_;
    int mergeKey_;
};

TestEditorWindow::TestEditorWindow(QWidget* parent)
    : QWidget(parent),
      title_(new QLineEdit),
      questions_(new QListWidget),
      questionText_(new QPlainTextEdit),
      answers_(new QListWidget),
      preview_(new TestQuestionPreview)
{
    setObjectName(QStringLiteral("TestEditorWindow"));
    auto* layout = new QVBoxLayout(this);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto command = [this, tools](const QList<QKeySequence>& keys, const std::function<void()>& run) {
        auto* action = tools->addAction(QString());
        action->setShortcuts(keys);
        ConnectGuarded(action, &QAction::triggered, this, run);
        addAction(action);
        return action;
    };
    QAction* const newTest = command({QKeySequence::New}, [this] { New(); });
    QAction* const open = command({QKeySequence::Open}, [this] { chooseAndOpen(); });
    QAction* const save = command({QKeySequence::Save}, [this] { Save(); });
    QAction* const saveAs = command({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [this] { chooseAndSaveAs(); });
    tools->addSeparator();
    // The stack's own undo and redo actions keep the words they were made
    // with; these take them anew in each language.
    QAction* const undo = command({QKeySequence::Undo}, [this] { undo_.undo(); });
    QAction* const redo = command({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                                  [this] { undo_.redo(); });
    const auto showSteps = [this, undo, redo] {
        undo->setText(tr("Отменить %1").arg(undo_.undoText()).trimmed());
        undo->setEnabled(undo_.canUndo());
        redo->setText(tr("Повторить %1").arg(undo_.redoText()).trimmed());
        redo->setEnabled(undo_.canRedo());
    };
    connect(&undo_, &QUndoStack::indexChanged, this, showSteps);
    layout->addWidget(tools);

    auto* titleRow = new QHBoxLayout;
    auto* titleLabel = new QLabel;
    titleLabel->setBuddy(title_);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(title_, 1);
    layout->addLayout(titleRow);

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    auto* questionColumn = new QGridLayout;
    auto* questionsLabel = new QLabel;
    questionsLabel->setBuddy(questions_);
    questionColumn->addWidget(questionsLabel, 0, 0, 1, 3);
    questions_->setDragDropMode(QAbstractItemView::InternalMove);
    questions_->setMinimumWidth(260);
    questions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    questions_->setTextElideMode(Qt::ElideRight);
    questionColumn->addWidget(questions_, 1, 0, 1, 3);
    QPushButton* addQuestion = button(questionColumn, 2, 0);
    QPushButton* duplicateQuestion = button(questionColumn, 2, 1);
    deleteQuestion_ = button(questionColumn, 2, 2);
    QPushButton* questionUp = button(questionColumn, 3, 0);
    QPushButton* questionDown = button(questionColumn, 3, 1);
    columns->addLayout(questionColumn);

    auto* answerColumn = new QGridLayout;
    auto* textLabel = new QLabel;
    textLabel->setBuddy(questionText_);
    answerColumn->addWidget(textLabel, 0, 0, 1, 2);
    questionText_->setFixedHeight(100);
    questionText_->setTabChangesFocus(true);
    questionText_->setUndoRedoEnabled(false);
    answerColumn->addWidget(questionText_, 1, 0, 1, 2);
    auto* answersLabel = new QLabel;
    answersLabel->setBuddy(answers_);
    answerColumn->addWidget(answersLabel, 2, 0, 1, 2);
    answers_->setDragDropMode(QAbstractItemView::InternalMove);
    answers_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                              | QAbstractItemView::AnyKeyPressed);
    answers_->setItemDelegate(new RadioMarkDelegate(answers_));
    answerColumn->addWidget(answers_, 3, 0, 1, 2);
    addAnswer_ = button(answerColumn, 4, 0);
    deleteAnswer_ = button(answerColumn, 4, 1);
    QPushButton* answerUp = button(answerColumn, 5, 0);
    QPushButton* answerDown = button(answerColumn, 5, 1);
    columns->addLayout(answerColumn, 1);

    auto* previewBox = new QGroupBox;
    (new QVBoxLayout(previewBox))->addWidget(preview_);
    columns->addWidget(previewBox);

    auto* undoKeys = new WindowUndoKeys(this);
    title_->installEventFilter(undoKeys);
    questionText_->installEventFilter(undoKeys);

    ConnectGuarded(addQuestion, &QPushButton::clicked, this, [this] { AddQuestion(); });
    ConnectGuarded(duplicateQuestion, &QPushButton::clicked, this, [this] { DuplicateQuestion(); });
    ConnectGuarded(deleteQuestion_, &QPushButton::clicked, this, [this] { DeleteQuestion(); });
    ConnectGuarded(questionUp, &QPushButton::clicked, this, [this] { MoveQuestion(state_.question, state_.question - 1); });
    ConnectGuarded(questionDown, &QPushButton::clicked, this, [this] { MoveQuestion(state_.question, state_.question + 1); });
    ConnectGuarded(addAnswer_, &QPushButton::clicked, this, [this] { AddAnswer(); });
    ConnectGuarded(deleteAnswer_, &QPushButton::clicked, this, [this] { DeleteAnswer(); });
    ConnectGuarded(answerUp, &QPushButton::clicked, this, [this] { MoveAnswer(state_.answer, state_.answer - 1); });
    ConnectGuarded(answerDown, &QPushButton::clicked, this, [this] { MoveAnswer(state_.answer, state_.answer + 1); });
    connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) { RunGuarded([&] { SetTitle(text); }); });
    connect(questionText_, &QPlainTextEdit::textChanged, this,
            [this] { RunGuarded([&] { SetQuestionText(questionText_->toPlainText()); }); });
    connect(questions_, &QListWidget::currentRowChanged, this, [this](int row) { RunGuarded([&] { SelectQuestion(row); }); });
    connect(answers_, &QListWidget::currentRowChanged, this, [this](int row) {
        state_.answer = row;
        deleteAnswer_->setEnabled(row >= 0 && question().answers.size() > kFewestAnswers);
    });
    connect(answers_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { RunGuarded([&] { answerItemChanged(item); }); });
    // A drop moves one row of the list; the test follows.
    connect(questions_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                RunGuarded([&] { MoveQuestion(start, movedTo(start, row)); });
            });
    connect(answers_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                RunGuarded([&] { MoveAnswer(start, movedTo(start, row)); });
            });
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });

    const auto retranslate = [=, this] {
        for (const auto& [action, caption] : {std::pair{newTest, tr("Создать")}, std::pair{open, tr("Открыть…")},
                                              std::pair{save, tr("Сохранить")}, std::pair{saveAs, tr("Сохранить как…")}}) {
            action->setText(caption);
            action->setToolTip(
                QStringLiteral("%1 (%2)").arg(caption, action->shortcut().toString(QKeySequence::NativeText)));
        }
        showSteps();
        titleLabel->setText(tr("&Название теста:"));
        title_->setAccessibleName(tr("Название теста"));
        questionsLabel->setText(tr("&Вопросы:"));
        questions_->setAccessibleName(tr("Вопросы"));
        addQuestion->setText(tr("Добавить"));
        duplicateQuestion->setText(tr("Копировать"));
        deleteQuestion_->setText(tr("Удалить"));
        questionUp->setText(tr("Выше"));
        questionDown->setText(tr("Ниже"));
        textLabel->setText(tr("&Текст вопроса:"));
        questionText_->setAccessibleName(tr("Текст вопроса"));
        answersLabel->setText(tr("О&тветы (кружок отмечает верный):"));
        answers_->setAccessibleName(tr("Ответы"));
        addAnswer_->setText(tr("Добавить ответ"));
        deleteAnswer_->setText(tr("Удалить ответ"));
        answerUp->setText(tr("Ответ выше"));
        answerDown->setText(tr("Ответ ниже"));
        previewBox->setTitle(tr("Так увидит вопрос ученик"));
    };
    retranslate();
    RetranslateOnLanguageChange(this, [this, retranslate] {
        retranslate();
        // A new test not yet touched is new in the new language too.
        if (path_.isEmpty() && undo_.count() == 0)
            state_.content.title = newTestTitle();
        render();
    });

    resize(1060, 640);
    ShapeWindow(this, WindowShape::Centred().Minimisable().Maximisable().Resizable());
    New();
}

void TestEditorWindow::setState(const State& state)
{
    state_ = state;
    render();
}

void TestEditorWindow::edit(const QString& what, const std::function<void(State&)>& change, int mergeKey)
{
    State after = state_;
    change(after);
    if (after.content == state_.content) {
        setState(after);
        return;
    }
    undo_.push(new TestEditStep(*this, what, state_, after, mergeKey));
}

void TestEditorWindow::SetTitle(const QString& title)
{
    edit(tr("название"), [&](State& s) { s.content.title = title; }, titleKey());
}

void TestEditorWindow::SetQuestionText(const QString& text)
{
    edit(tr("текст вопроса %1").arg(state_.question + 1),
         [&](State& s) { s.content.questions[s.question].text = text; }, questionTextKey(state_.question));
}

void TestEditorWindow::SetAnswerText(int answer, const QString& text)
{
    edit(tr("ответ %1").arg(answer + 1), [&](State& s) {
        s.content.questions[s.question].answers[answer] = text;
        s.answer = answer;
    }, answerTextKey(state_.question, answer));
}

void TestEditorWindow::MarkRight(int answer)
{
    edit(tr("верный ответ"), [&](State& s) {
        s.content.questions[s.question].correct = answer + 1;
        s.answer = answer;
    });
}

void TestEditorWindow::SelectQuestion(int question)
{
    if (question < 0 || question >= state_.content.questions.size() || question == state_.question)
        return;
    state_.question = question;
    state_.answer = -1;
    render();
}

void TestEditorWindow::AddQuestion()
{
    edit(tr("новый вопрос"), [](State& s) {
        s.content.questions.insert(++s.question, emptyQuestion());
        s.answer = -1;
    });
    questionText_->setFocus();
}

void TestEditorWindow::DuplicateQuestion()
{
    edit(tr("копия вопроса"), [](State& s) {
        const TestQuestion copy = s.content.questions[s.question];
        s.content.questions.insert(++s.question, copy);
    });
}

void TestEditorWindow::DeleteQuestion()
{
    if (state_.content.questions.size() <= 1)
        return;
    edit(tr("удаление вопроса"), [](State& s) {
        s.content.questions.removeAt(s.question);
        s.question = std::min<int>(s.question, s.content.questions.size() - 1);
        s.answer = -1;
    });
}

void TestEditorWindow::MoveQuestion(int from, int to)
{
    const int count = state_.content.questions.size();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    edit(tr("перестановка вопросов"), [&](State& s) {
        s.content.questions.move(from, to);
        s.question = to;
    });
}

void TestEditorWindow::AddAnswer()
{
    if (question().answers.size() >= kTestWindowAnswers)
        return;
    edit(tr("новый ответ"), [](State& s) {
        QStringList& answers = s.content.questions[s.question].answers;
        answers.append(QString());
        s.answer = answers.size() - 1;
    });
    answers_->setFocus();
    answers_->editItem(answers_->item(state_.answer));
}

void TestEditorWindow::DeleteAnswer()
{
    if (state_.answer < 0 || question().answers.size() <= kFewestAnswers)
        return;
    edit(tr("удаление ответа"), [](State& s) {
        TestQuestion& q = s.content.questions[s.question];
        q.answers.removeAt(s.answer);
        if (q.correct == s.answer + 1)
            q.correct = 0;
        else if (q.correct > s.answer + 1)
            --q.correct;
        s.answer = std::min<int>(s.answer, q.answers.size() - 1);
    });
}

void TestEditorWindow::MoveAnswer(int from, int to)
{
    const int count = question().answers.size();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    edit(tr("перестановка ответов"), [&](State& s) {
        TestQuestion& q = s.content.questions[s.question];
        const QString right = q.correct > 0 ? q.answers[q.correct - 1] : QString();
        const int rightAt = q.correct - 1;
        q.answers.move(from, to);
        if (rightAt >= 0) {
            // The mark moves with its answer, wherever the move puts it.
            int at = rightAt;
            if (rightAt == from)
                at = to;
            else if (from < rightAt && to >= rightAt)
                --at;
            else if (from > rightAt && to <= rightAt)
                ++at;
            q.correct = at + 1;
        }
        s.answer = to;
    });
}

void TestEditorWindow::answerItemChanged(QListWidgetItem* item)
{
    const int row = answers_->row(item);
    if (row < 0 || row >= question().answers.size())
        return;
    if (item->text() != question().answers[row])
        SetAnswerText(row, item->text());
    else if (item->checkState() == Qt::Checked && question().correct != row + 1)
        MarkRight(row);
    else
        render(); // the right answer's mark stays until another is marked
}

bool TestEditorWindow::Open(const QString& path)
{
    if (!closeChanges())
        return false;
    QString error;
    const std::optional<TestFile> file = TestFile::Load(path, &error);
    if (!file) {
        ShowError(error);
        return false;
    }
    load(*file, path);
    return true;
}

void TestEditorWindow::OpenUnlessChanged(const QString& path)
{
    if (!undo_.isClean())
        return;
    QString error;
    if (const std::optional<TestFile> file = TestFile::Load(path, &error)) {
        load(*file, path);
        return;
    }
    // A missing test file becomes a new test to be saved there.
    New();
    if (!QFileInfo::exists(path))
        path_ = path;
    else
        ShowError(error);
    render();
}

void TestEditorWindow::load(const TestFile& file, const QString& path)
{
    file_ = file;
    path_ = path;
    state_ = State{file.content(), 0, -1};
    if (state_.content.questions.isEmpty())
        state_.content.questions.append(emptyQuestion());
    undo_.clear();
    render();
}

void TestEditorWindow::New()
{
    if (!closeChanges())
        return;
    file_ = TestFile();
    path_.clear();
    state_ = State{TestContent{newTestTitle(), {emptyQuestion()}}, 0, -1};
    undo_.clear();
    render();
}

bool TestEditorWindow::Save()
{
    if (path_.isEmpty()) {
        chooseAndSaveAs();
        return undo_.isClean() && !path_.isEmpty();
    }
    return write(path_);
}

bool TestEditorWindow::SaveAs(const QString& path)
{
    return write(path);
}

bool TestEditorWindow::write(const QString& path)
{
    const QStringList problems = CheckTest(state_.content);
    if (!problems.isEmpty()
        && Ask(tr("В тесте есть недочёты, которые ученики увидят:\n%1\n\nСохранить тест всё равно?")
                   .arg(problems.join(QLatin1Char('\n'))),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return false;
    TestFile::Encoding encoding = TestFile::Encoding::AsFound;
    if (file_.NeedsUtf8(state_.content)) {
        if (Ask(tr("В тексте теста есть знаки, которых нет в кодировке Windows-1251 этого файла. "
                   "Сохранить файл в кодировке UTF-8? Окно теста прочтёт его так же."),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            != QMessageBox::Yes)
            return false;
        encoding = TestFile::Encoding::Utf8WithBom;
    }
    const std::optional<QByteArray> bytes = file_.Bytes(state_.content, encoding);
    QString error;
    if (!bytes || !SaveTestFile(path, *bytes, &error)) {
        ShowError(error);
        return false;
    }
    // What the test window will read back from now on, values trimmed as it trims them.
    if (std::optional<TestFile> written = TestFile::Read(*bytes, &error)) {
        file_ = *written;
        state_.content = file_.content();
    }
    path_ = path;
    undo_.setClean();
    render();
    emit saved(path);
    return true;
}

QString TestEditorWindow::newTestTitle()
{
    return tr("Новый тест");
}

QString TestEditorWindow::fileFilter()
{
    return tr("Тесты (*.ini);;Все файлы (*)");
}

bool TestEditorWindow::closeChanges()
{
    if (undo_.isClean())
        return true;
    const QString title = state_.content.title.isEmpty() ? tr("без названия") : state_.content.title;
    switch (Ask(tr("Сохранить изменения теста «%1»?").arg(title),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TestEditorWindow::closeEvent(QCloseEvent* event)
{
    const bool changed = !undo_.isClean();
    if (!closeChanges()) {
        event->ignore();
        return;
    }
    // Changes let go are gone: opened again, the editor shows the file.
    if (changed && !undo_.isClean()) {
        undo_.setClean();
        OpenUnlessChanged(path_);
    }
    event->accept();
}

void TestEditorWindow::chooseAndOpen()
{
    const QString folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть тест"), folder, fileFilter());
    if (!path.isEmpty())
        Open(path);
}

void TestEditorWindow::chooseAndSaveAs()
{
    const QString start = path_.isEmpty() ? state_.content.title + QStringLiteral(".ini") : path_;
    QString path = QFileDialog::getSaveFileName(this, tr("Сохранить тест как"), start, fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ini");
    SaveAs(path);
}

void TestEditorWindow::render()
{
    const QSignalBlocker blockTitle(title_), blockQuestions(questions_), blockText(questionText_),
        blockAnswers(answers_);
    if (title_->text() != state_.content.title)
        title_->setText(state_.content.title);
    renderQuestions();
    renderAnswers();
    const TestQuestion& shown = question();
    if (questionText_->toPlainText() != shown.text)
        questionText_->setPlainText(shown.text);
    deleteQuestion_->setEnabled(state_.content.questions.size() > 1);
    addAnswer_->setEnabled(shown.answers.size() < kTestWindowAnswers);
    deleteAnswer_->setEnabled(state_.answer >= 0 && shown.answers.size() > kFewestAnswers);
    preview_->Show(shown, state_.question + 1, state_.content.questions.size());
    const QString file = path_.isEmpty() ? tr("новый тест") : QFileInfo(path_).fileName();
    setWindowTitle(tr("Редактор теста — %1[*]").arg(file));
    setWindowModified(!undo_.isClean());
}

void TestEditorWindow::renderQuestions()
{
    const QList<TestQuestion>& questions = state_.content.questions;
    while (questions_->count() > questions.size())
        delete questions_->takeItem(questions_->count() - 1);
    while (questions_->count() < questions.size())
        new QListWidgetItem(questions_);
    for (int i = 0; i < questions.size(); ++i) {
        const QString text = questions[i].text.simplified();
        QListWidgetItem* item = questions_->item(i);
        item->setText(QStringLiteral("%1. %2").arg(i + 1).arg(text.isEmpty() ? tr("(без текста)") : text));
        item->setToolTip(questions[i].text);
    }
    questions_->setCurrentRow(state_.question);
}

void TestEditorWindow::renderAnswers()
{
    const TestQuestion& shown = question();
    while (answers_->count() > shown.answers.size())
        delete answers_->takeItem(answers_->count() - 1);
    while (answers_->count() < shown.answers.size()) {
        auto* item = new QListWidgetItem(answers_);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsUserCheckable
                       | Qt::ItemIsDragEnabled);
    }
    for (int i = 0; i < shown.answers.size(); ++i) {
        QListWidgetItem* item = answers_->item(i);
        item->setText(shown.answers[i]);
        item->setCheckState(shown.correct == i + 1 ? Qt::Checked : Qt::Unchecked);
    }
    if (state_.answer >= 0)
        answers_->setCurrentRow(state_.answer);
    else
        answers_->setCurrentRow(-1);
}
