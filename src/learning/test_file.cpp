// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_file.h"

#include "learning/ini_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// The names as the test window reads them.
const QString kTestSection = QStringLiteral("Тест");
const QString kTitleKey = QStringLiteral("Название теста");
const QString kCountKey = QStringLiteral("Количество Вопросов ");
const QString kTextKey = QStringLiteral("Текст вопроса");
const QString kAnswerCountKey = QStringLiteral("Количество кнопок");
const QString kAnswerKeyPrefix = QStringLiteral("Текст кнопки ");
const QString kRightKey = QStringLiteral("Правильный вариант");

// A count beyond this is a slip of the keyboard, not a test to allocate.
constexpr int kMostQuestionsRead = 1000;

QString questionSection(int k)
{
    return QStringLiteral("Вопрос №") + QString::number(k);
}

QString answerKey(int i)
{
    return kAnswerKeyPrefix + QString::number(i);
}

TestQuestion readQuestion(const IniSection& section)
{
    TestQuestion question;
    question.text = section.ReadString(kTextKey, {});
    const int count = std::clamp(section.ReadInteger(kAnswerCountKey, 0), 0, kMostAnswersRead);
    for (int i = 1; i <= count; ++i)
        question.answers << section.ReadString(answerKey(i), {});
    const int right = section.ReadInteger(kRightKey, 0);
    question.correct = right >= 1 && right <= count ? right : 0;
    return question;
}

// Removes the captions of answers `from` and on, which no count reaches any more.
void removeAnswersFrom(IniText& text, const QString& section, int from)
{
    for (const QString& name : text.KeyNames(section)) {
        if (!name.startsWith(kAnswerKeyPrefix.trimmed(), Qt::CaseInsensitive))
            continue;
        bool isNumber = false;
        const int i = name.mid(kAnswerKeyPrefix.size() - 1).trimmed().toInt(&isNumber);
        if (isNumber && i >= from && answerKey(i).compare(name, Qt::CaseInsensitive) == 0)
            text.RemoveKey(section, name);
    }
}

// Writes question k over what the file had for it (`before`, or nothing
// when the file had no such question): only what differs.
bool writeQuestion(IniText& text, int k, const TestQuestion& question, const TestQuestion* before)
{
    const QString section = questionSection(k);
    if (!text.HasSection(section)) {
        if (!text.AddSection(section))
            return false;
        before = nullptr;
    }
    bool ok = true;
    const auto done = [&ok](bool step) { ok = step && ok; };
    if (!before || question.text != before->text)
        done(text.SetString(section, kTextKey, question.text));
    const int count = int(question.answers.size());
    // The count as the test window reads it, a missing key being none.
    if (!before || text.Section(section).ReadInteger(kAnswerCountKey, 0) != count)
        done(text.SetInteger(section, kAnswerCountKey, count, kTextKey));
    for (int i = 1; i <= count; ++i) {
        if (!before || i > before->answers.size() || question.answers[i - 1] != before->answers[i - 1])
            done(text.SetString(section, answerKey(i), question.answers[i - 1], i == 1 ? kAnswerCountKey : answerKey(i - 1)));
    }
    if (!before || count != before->answers.size())
        removeAnswersFrom(text, section, count + 1);
    if (!before || question.correct != before->correct) {
        // No key rather than a number that no button has: the test window
        // then says that the right answer is missing.
        if (question.correct > 0)
            done(text.SetInteger(section, kRightKey, question.correct, answerKey(count)));
        else
            text.RemoveKey(section, kRightKey);
    }
    return ok;
}

void removeQuestion(IniText& text, int k)
{
    const QString section = questionSection(k);
    for (const QString& key : {kTextKey, kAnswerCountKey, kRightKey})
        text.RemoveKey(section, key);
    removeAnswersFrom(text, section, 1);
    text.RemoveSectionIfEmpty(section);
}

} // namespace

TestFile::TestFile()
    : TestFile(QByteArray())
{
}

TestFile::TestFile(const QByteArray& bytes)
    : text_(bytes)
{
    const IniSection test = text_.Section(kTestSection);
    content_.title = test.ReadString(kTitleKey, {});
    const int count = std::min(test.ReadInteger(kCountKey, -1), kMostQuestionsRead);
    for (int k = 1; count >= 0 ? k <= count : k <= kMostQuestionsRead && text_.HasSection(questionSection(k)); ++k)
        content_.questions << readQuestion(text_.Section(questionSection(k)));
}

std::optional<TestFile> TestFile::Read(const QByteArray& bytes, QString* error)
{
    TestFile file(bytes);
    if (!file.text_.HasSection(kTestSection)) {
        *error = QCoreApplication::translate("TestFile", "в нём нет раздела [Тест]");
        return std::nullopt;
    }
    if (!file.text_.HasSection(questionSection(1))) {
        *error = QCoreApplication::translate("TestFile", "в нём нет ни одного вопроса (раздела [Вопрос №1])");
        return std::nullopt;
    }
    return file;
}

std::optional<TestFile> TestFile::Load(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("TestFile", "Файл %1 не открывается: %2").arg(shown, file.errorString());
        return std::nullopt;
    }
    QString reason;
    std::optional<TestFile> test = Read(file.readAll(), &reason);
    if (!test)
        *error = QCoreApplication::translate("TestFile", "Файл %1 — не тест: %2").arg(shown, reason);
    return test;
}

std::optional<QByteArray> TestFile::Bytes(const TestContent& edited, Encoding encoding) const
{
    IniText text = text_;
    if (encoding == Encoding::Utf8WithBom)
        text.ConvertToUtf8();
    bool ok = true;
    const auto done = [&ok](bool step) { ok = step && ok; };
    if (edited.title != content_.title)
        done(text.SetString(kTestSection, kTitleKey, edited.title));
    const int count = int(edited.questions.size());
    if (text.Section(kTestSection).ReadInteger(kCountKey, -1) != count)
        done(text.SetInteger(kTestSection, kCountKey, count, kTitleKey));
    for (int k = 1; k <= count; ++k)
        done(writeQuestion(text, k, edited.questions[k - 1], k <= content_.questions.size() ? &content_.questions[k - 1] : nullptr));
    for (int k = count + 1; k <= content_.questions.size(); ++k)
        removeQuestion(text, k);
    if (!ok)
        return std::nullopt;
    return text.Bytes();
}

bool SaveTestFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString unchanged = QCoreApplication::translate("TestFile", "Не удалось записать файл %1; он остался прежним").arg(shown);
    // The new bytes go to the disk first, under a temporary name: the backup
    // is replaced only when they are there, the file itself last.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteWhole(file, bytes)) {
        *error = unchanged;
        return false;
    }
    QFile previous(path);
    if (previous.exists()) {
        const QString backupPath = path + QStringLiteral(".bak");
        QSaveFile backup(backupPath);
        if (!previous.open(QIODevice::ReadOnly) || !backup.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
            || !WriteWhole(backup, previous.readAll()) || !backup.commit()) {
            *error = QCoreApplication::translate("TestFile", "Не удалось записать резервную копию %1; файл %2 остался прежним")
                         .arg(QDir::toNativeSeparators(backupPath), shown);
            return false;
        }
    }
    if (!file.commit()) {
        *error = unchanged;
        return false;
    }
    return true;
}
