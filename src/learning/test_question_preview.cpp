// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_question_preview.h"

#include "ui/error_box.h"
#include "ui/language.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The test window's own measures: its answer box and button pitch.
constexpr int kAnswerWidth = 409;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 4;

} // namespace

TestQuestionPreview::TestQuestionPreview(QWidget* parent)
    : QWidget(parent), place_(new QLabel), text_(new QTextEdit), answers_(new QScrollArea), verdict_(new QLabel)
{
    setStyleSheet(QStringLiteral("QPushButton { font: bold 11px \"MS Sans Serif\"; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(place_);
    auto* box = new QGroupBox;
    auto* boxLayout = new QVBoxLayout(box);
    text_->setReadOnly(true);
    text_->setFixedHeight(73);
    text_->setStyleSheet(QStringLiteral("background: #EDF2F9; color: black; font: bold 13px \"MS Sans Serif\";"));
    boxLayout->addWidget(text_);
    layout->addWidget(box);
    answers_->setFixedWidth(kAnswerWidth);
    answers_->setMinimumHeight(8 * (kButtonHeight + kButtonGap) + 4);
    answers_->setWidget(new QWidget);
    layout->addWidget(answers_, 1);
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    // The question's place and its answers' names follow as the editor shows it again.
    const auto retranslate = [this, box] {
        box->setTitle(tr("ВОПРОС:"));
        text_->setAccessibleName(tr("Текст вопроса в окне теста"));
        answers_->setAccessibleName(tr("Варианты ответов"));
    };
    retranslate();
    RetranslateOnLanguageChange(this, retranslate);
}

void TestQuestionPreview::Show(const TestQuestion& question, int number, int count)
{
    question_ = question;
    place_->setText(tr("Вопрос %1 из %2").arg(number).arg(count));
    text_->setPlainText(question.text);
    verdict_->clear();
    qDeleteAll(buttons_);
    buttons_.clear();
    QWidget* box = answers_->widget();
    const int width = kAnswerWidth - 4;
    for (int i = 0; i < question.answers.size(); ++i) {
        auto* button = new QPushButton(question.answers[i], box);
        if (question.answers[i].isEmpty())
            button->setAccessibleName(tr("Ответ %1, пустой").arg(i + 1));
        button->setGeometry(0, i * (kButtonHeight + kButtonGap), width, kButtonHeight);
        button->show();
        ConnectGuarded(button, &QPushButton::clicked, this, [this, i] { answer(i + 1); });
        buttons_.append(button);
    }
    box->resize(width, std::max<int>(question.answers.size() * (kButtonHeight + kButtonGap), answers_->viewport()->height()));
}

void TestQuestionPreview::answer(int number)
{
    if (question_.correct == 0)
        verdict_->setText(tr("Верный ответ не отмечен: тест не засчитает ни один."));
    else if (number == question_.correct)
        verdict_->setText(tr("Верно: тест засчитает этот ответ."));
    else
        verdict_->setText(tr("Неверно: верный ответ — %1.").arg(question_.correct));
}

QString TestQuestionPreview::verdict() const
{
    return verdict_->text();
}
