// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_content.h"

#include <QCoreApplication>

namespace {

// A value longer than this is cut when the test window reads it.
constexpr int kLongestValue = 2047;

// Answers a pupil could not tell apart.
bool lookAlike(const QString& a, const QString& b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

void checkQuestion(const TestQuestion& question, int k, QStringList* problems)
{
    const QString name = QCoreApplication::translate("TestContent", "Вопрос %1: ").arg(k);
    if (question.text.trimmed().isEmpty())
        *problems << name + QCoreApplication::translate("TestContent", "нет текста вопроса");
    else if (question.text.size() > kLongestValue)
        *problems << name + QCoreApplication::translate("TestContent", "текст вопроса длиннее %1 знаков").arg(kLongestValue);
    const int count = int(question.answers.size());
    if (count < 2)
        *problems << name + QCoreApplication::translate("TestContent", "ответов меньше двух");
    else if (count > kTestWindowAnswers)
        *problems << name + QCoreApplication::translate("TestContent", "ответов %1, а окно теста показывает не больше %2").arg(count).arg(kTestWindowAnswers);
    for (int i = 0; i < count; ++i) {
        const QString& answer = question.answers[i];
        if (answer.trimmed().isEmpty()) {
            *problems << name + QCoreApplication::translate("TestContent", "ответ %1 пустой").arg(i + 1);
            continue;
        }
        if (answer.size() > kLongestValue)
            *problems << name + QCoreApplication::translate("TestContent", "ответ %1 длиннее %2 знаков").arg(i + 1).arg(kLongestValue);
        for (int j = 0; j < i; ++j) {
            if (lookAlike(question.answers[j], answer)) {
                *problems << name + QCoreApplication::translate("TestContent", "ответы %1 и %2 совпадают").arg(j + 1).arg(i + 1);
                break;
            }
        }
    }
    if (question.correct < 1 || question.correct > count)
        *problems << name + QCoreApplication::translate("TestContent", "не отмечен правильный ответ");
}

} // namespace

QStringList CheckTest(const TestContent& content)
{
    QStringList problems;
    if (content.title.trimmed().isEmpty())
        problems << QCoreApplication::translate("TestContent", "Нет названия теста");
    if (content.questions.isEmpty())
        problems << QCoreApplication::translate("TestContent", "В тесте нет ни одного вопроса");
    for (int k = 0; k < content.questions.size(); ++k)
        checkQuestion(content.questions[k], k + 1, &problems);
    return problems;
}
