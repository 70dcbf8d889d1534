// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/result_export.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>

namespace {

constexpr QChar kSeparator = u';';

QString field(QString text)
{
    if (text.contains(kSeparator) || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

// "2+ 1- 3+": the button pressed for each question in turn, and whether it was right.
QString answersText(const TestResult& result)
{
    QStringList answers;
    for (const AnswerRecord& answer : result.answers)
        answers << QString::number(answer.answer) + (answer.right ? u'+' : u'-');
    return answers.join(u' ');
}

void addLine(QString& csv, const QStringList& fields)
{
    QStringList quoted;
    for (const QString& text : fields)
        quoted << field(text);
    csv += quoted.join(kSeparator) + QStringLiteral("\r\n");
}

} // namespace

QByteArray ResultsCsv(const QList<TestResult>& results)
{
    QString csv;
    static const char* const heads[] = {
        QT_TRANSLATE_NOOP("ResultExport", "Дата"),      QT_TRANSLATE_NOOP("ResultExport", "Время"),
        QT_TRANSLATE_NOOP("ResultExport", "Класс"),     QT_TRANSLATE_NOOP("ResultExport", "Ученик"),
        QT_TRANSLATE_NOOP("ResultExport", "Тест"),      QT_TRANSLATE_NOOP("ResultExport", "Файл теста"),
        QT_TRANSLATE_NOOP("ResultExport", "Баллы"),     QT_TRANSLATE_NOOP("ResultExport", "Максимум"),
        QT_TRANSLATE_NOOP("ResultExport", "Оценка"),    QT_TRANSLATE_NOOP("ResultExport", "Компьютер"),
        QT_TRANSLATE_NOOP("ResultExport", "Ответы")};
    QStringList headLine;
    for (const char* head : heads)
        headLine << QCoreApplication::translate("ResultExport", head);
    addLine(csv, headLine);
    for (const TestResult& r : results) {
        const QDateTime local = r.finished.toLocalTime();
        addLine(csv, {local.toString(QStringLiteral("dd.MM.yyyy")), local.toString(QStringLiteral("HH:mm:ss")),
                      r.pupilClass, r.pupilName, r.testTitle, r.testFile, QString::number(r.points),
                      QString::number(r.maxPoints), QString::number(r.mark), r.computer, answersText(r)});
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

bool ExportResults(const QString& path, const QList<TestResult>& results, QString* reason)
{
    QSaveFile file(path);
    const QByteArray csv = ResultsCsv(results);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}
