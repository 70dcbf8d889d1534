// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_window.h"

#include "learning/grading.h"
#include "learning/grading_window.h"
#include "learning/test_editor_window.h"
#include "learning/test_file.h"
#include "kit/float_error.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_test_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace {

const QString kTestSection = QStringLiteral("Тест");
const QString kCountKey = QStringLiteral("Количество Вопросов ");
const char* const kUntitled = QT_TRANSLATE_NOOP("TForm17", "Тест без названия");
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 4;

} // namespace

TForm17::TForm17(QWidget* parent)
    : TForm17(DefaultTestPath(), parent)
{
}

TForm17::TForm17(const QString& iniPath, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm17>()), file_(iniPath)
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        // The title is the test's, from its file, not the layout's.
        const QString title = windowTitle();
        ui->retranslateUi(this);
        setWindowTitle(title);
        showFileName();
        if (ui->LabelProgress->isVisibleTo(this))
            showProgress();
        // The program's own test, not yet begun, gives way to the new
        // language's; a test the teacher opened stays.
        const QFileInfo shown(file_.path());
        if (ui->BtnStart->isVisibleTo(this) && isDefaultTest(shown) && shown != QFileInfo(DefaultTestPath()))
            OpenTest(DefaultTestPath());
    });
    ShapeWindow(this, WindowShape::At(161, 161));

    ConnectGuarded(ui->BtnStart, &QPushButton::clicked, this, [this] { BtnStartClick(); });
    ConnectGuarded(ui->BtnOpen, &QPushButton::clicked, this, [this] { BtnOpenClick(); });
    ConnectGuarded(ui->BtnEditor, &QPushButton::clicked, this, [this] { ShowTestEditor(); });
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
    ConnectGuarded(ui->sBitBtn2, &QPushButton::clicked, this, [this] { sBitBtn2Click(); });
}

TForm17::~TForm17() = default;

QString TForm17::DefaultTestPath()
{
    return LocalisedPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Test.ini")));
}

bool TForm17::isDefaultTest(const QFileInfo& file)
{
    const QDir program(QCoreApplication::applicationDirPath());
    QDir folder = file.absoluteDir();
    if (file.fileName() != QLatin1String("Test.ini"))
        return false;
    return folder == program || (folder.cdUp() && folder == program);
}

void TForm17::SetGradingWindow(TForm19* window)
{
    grading_ = window;
}

void TForm17::FormCreate()
{
    setWindowTitle(file_.ReadString(kTestSection, QStringLiteral("Название теста"), tr(kUntitled)));
    current_ = 0;
    score_ = 0;
    count_ = file_.ReadInteger(kTestSection, kCountKey, -2);
    showTestFacts();
    // A missing count is written as -1, so that the teacher finds the key to fill in.
    if (count_ < -1)
        file_.WriteInteger(kTestSection, kCountKey, -1);
}

void TForm17::SetTestEditor(TestEditorWindow* editor)
{
    editor_ = editor;
    connect(editor, &TestEditorWindow::saved, this, [this](const QString& path) {
        if (QFileInfo(path) == QFileInfo(testPath()) && startVisible())
            RunGuarded([&] { OpenTest(path); });
    });
}

void TForm17::ShowTestEditor()
{
    if (!editor_)
        return;
    editor_->OpenUnlessChanged(testPath());
    ShowModeless(editor_);
}

void TForm17::BtnOpenClick()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть тест"), QFileInfo(file_.path()).absolutePath(),
                                                      tr("Тесты (*.ini)"));
    if (!path.isEmpty())
        OpenTest(path);
}

bool TForm17::OpenTest(const QString& path)
{
    QString error;
    const std::optional<TestFile> test = TestFile::Load(path, &error);
    if (!test) {
        ShowError(error);
        return false;
    }
    file_ = IniFile(path);
    const TestContent content = test->content();
    setWindowTitle(content.title.isEmpty() ? tr(kUntitled) : content.title);
    count_ = int(content.questions.size());
    removeAnswerButtons();
    current_ = 0;
    score_ = 0;
    ui->Label1->clear();
    ui->BtnStart->show();
    showTestFacts();
    return true;
}

void TForm17::showTestFacts()
{
    // A test without questions has none to show, whatever its count says.
    const int questions = std::max(count_, 0);
    ui->RzLEDDisplay1->setCaption(QString::number(questions));
    ui->RzLEDDisplay2->setCaption(QString::number(qint64(questions) * kPointsPerAnswer));
    ui->LabelProgress->hide();
    showFileName();
}

void TForm17::showFileName()
{
    QLabel* label = ui->LabelFile;
    label->ensurePolished();
    const QString text = tr("Файл: ") + QFileInfo(file_.path()).fileName();
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
    label->setToolTip(QDir::toNativeSeparators(file_.path()));
}

void TForm17::showProgress()
{
    ui->LabelProgress->setText(tr("Вопрос %1 из %2").arg(current_).arg(count_));
}

void TForm17::BtnStartClick()
{
    if (ui->BtnStart->isHidden())
        return;
    const std::optional<Pupil> pupil = AskPupil(this, pupil_);
    if (!pupil)
        return;
    pupil_ = *pupil;
    ui->BtnStart->hide();
    current_ = 1;
    score_ = 0;
    answers_.clear();
    showCurrentQuestion();
}

QString TForm17::questionSection() const
{
    return QStringLiteral("Вопрос №") + QString::number(current_);
}

void TForm17::showCurrentQuestion()
{
    removeAnswerButtons();
    if (count_ < current_ && current_ > 0) {
        QString message = tr("ВЫ ЗАКОНЧИЛИ ТЕСТ\rВсего вопросов теста = %1\rКоличество набранных баллов =%2")
                              .arg(count_)
                              .arg(qint64(score_) * kPointsPerAnswer);
        if (count_ > 0)
            message += QLatin1Char('\r') + ResultLine(score_, count_);
        ui->LabelProgress->hide();
        if (count_ > 0)
            recordResult();
        ShowMessage(message);
        ui->BtnStart->show();
        return;
    }
    showProgress();
    ui->LabelProgress->show();

    const IniSection question = file_.ReadSection(questionSection());
    ui->Label1->setPlainText(question.ReadString(QStringLiteral("Текст вопроса"), tr("Вопрос отсутствует")));
    int m = question.ReadInteger(QStringLiteral("Количество кнопок"), 0);
    if (m > kMostAnswersRead) {
        ShowError(tr("В файле с вопросами у вопроса №%1 указано вариантов ответа: %2, а их может быть не больше %3")
                      .arg(current_)
                      .arg(m)
                      .arg(kMostAnswersRead));
        m = kMostAnswersRead;
    }
    QWidget* box = ui->answers;
    const int width = ui->sScrollBox1->width() - 4;
    for (int i = 1; i <= m; ++i) {
        auto* button = new QPushButton(box);
        button->setText(question.ReadString(QStringLiteral("Текст кнопки ") + QString::number(i), QString::number(i)));
        button->setProperty("tag", i);
        button->setGeometry(0, (i - 1) * (kButtonHeight + kButtonGap), width, kButtonHeight);
        button->show();
        ConnectGuarded(button, &QPushButton::clicked, this, [this, button] { ButtonClick(button); });
        buttons_.append(button);
    }
    const int contentHeight = std::max(m, 0) * (kButtonHeight + kButtonGap);
    box->resize(width, std::max(contentHeight, ui->sScrollBox1->viewport()->height()));
}

void TForm17::removeAnswerButtons()
{
    // A button may be the sender of the click being handled: it goes later.
    for (QPushButton* button : std::as_const(buttons_)) {
        button->hide();
        button->deleteLater();
    }
    buttons_.clear();
}

void TForm17::ButtonClick(QObject* sender)
{
    auto* button = qobject_cast<QPushButton*>(sender);
    if (!button || !buttons_.contains(button))
        return;
    const int correct = file_.ReadInteger(questionSection(), QStringLiteral("Правильный вариант"), -1);
    if (correct < 0)
        throw AppError(tr("В файле с вопросами ненаписан правильный вариант"));
    const int given = button->property("tag").toInt();
    if (correct == given)
        ++score_;
    answers_.append({current_, questionText(), given, button->text(), correct == given});
    ++current_;
    showCurrentQuestion();
}

// The result goes into the journal before the pupil sees the points; one
// that cannot be written waits and the pupil is told to call the teacher.
void TForm17::recordResult()
{
    QString failure;
    if (!journal_.Record(MakeResult(windowTitle(), testPath(), pupil_.name, pupil_.className, answers_), &failure))
        ShowError(failure);
}

void TForm17::closeEvent(QCloseEvent* event)
{
    QString failure;
    if (journal_.pendingCount() > 0 && !journal_.WritePending(&failure))
        ShowError(failure);
    QWidget::closeEvent(event);
}

void TForm17::sBitBtn1Click()
{
    close();
}

void TForm17::sBitBtn2Click()
{
    if (grading_)
        ShowModeless(grading_);
}

QString TForm17::questionText() const
{
    return ui->Label1->toPlainText();
}

bool TForm17::startVisible() const
{
    return !ui->BtnStart->isHidden();
}
