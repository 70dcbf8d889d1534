// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/test_result.h"

#include "learning/grading.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSysInfo>

namespace {

const QString kFormat = QStringLiteral("optika-result");
constexpr int kVersion = 1;

// A name that is safe in a file name on every system of a classroom.
QString fileNamePart(const QString& computer)
{
    QString part = computer.toLower();
    part.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    part = part.left(32);
    while (part.startsWith(u'-'))
        part.remove(0, 1);
    while (part.endsWith(u'-'))
        part.chop(1);
    return part.isEmpty() ? QStringLiteral("pc") : part;
}

// The field `key` when it is a string; sets `complete` to false otherwise.
QString text(const QJsonObject& object, const QString& key, bool& complete)
{
    const QJsonValue value = object.value(key);
    complete = complete && value.isString();
    return value.toString();
}

int number(const QJsonObject& object, const QString& key, bool& complete)
{
    const QJsonValue value = object.value(key);
    const double n = value.toDouble();
    complete = complete && value.isDouble() && n == int(n);
    return int(n);
}

bool flag(const QJsonObject& object, const QString& key, bool& complete)
{
    const QJsonValue value = object.value(key);
    complete = complete && value.isBool();
    return value.toBool();
}

} // namespace

bool AnswerRecord::operator==(const AnswerRecord& other) const
{
    return question == other.question && questionText == other.questionText && answer == other.answer
        && answerText == other.answerText && right == other.right;
}

bool TestResult::operator==(const TestResult& other) const
{
    return testTitle == other.testTitle && testFile == other.testFile && pupilName == other.pupilName
        && pupilClass == other.pupilClass && computer == other.computer && finished == other.finished
        && points == other.points && maxPoints == other.maxPoints && mark == other.mark && answers == other.answers;
}

TestResult MakeResult(const QString& title, const QString& testPath, const QString& pupilName,
                      const QString& pupilClass, const QList<AnswerRecord>& answers)
{
    TestResult result;
    result.testTitle = title;
    result.testFile = QFileInfo(testPath).fileName();
    result.pupilName = pupilName.trimmed();
    result.pupilClass = pupilClass.trimmed();
    result.computer = QSysInfo::machineHostName();
    // Whole seconds with the offset from UTC: what the file keeps.
    const QDateTime now = QDateTime::currentDateTime();
    result.finished = now.toOffsetFromUtc(now.offsetFromUtc()).addMSecs(-now.time().msec());
    const int right = int(std::count_if(answers.begin(), answers.end(), [](const AnswerRecord& a) { return a.right; }));
    result.points = right * kPointsPerAnswer;
    result.maxPoints = int(answers.size()) * kPointsPerAnswer;
    result.mark = answers.isEmpty() ? 0 : MarkFor(right, int(answers.size()));
    result.answers = answers;
    return result;
}

QString ResultFileName(const QDateTime& finished, const QString& computer, quint32 random)
{
    return QStringLiteral("%1_%2_%3.json")
        .arg(finished.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")), fileNamePart(computer))
        .arg(random, 8, 16, QLatin1Char('0'));
}

QByteArray ResultToJson(const TestResult& result)
{
    QJsonArray answers;
    for (const AnswerRecord& a : result.answers) {
        answers.append(QJsonObject{{"question", a.question},
                                   {"questionText", a.questionText},
                                   {"answer", a.answer},
                                   {"answerText", a.answerText},
                                   {"right", a.right}});
    }
    const QJsonObject object{
        {"format", kFormat},
        {"version", kVersion},
        {"testTitle", result.testTitle},
        {"testFile", result.testFile},
        {"pupilName", result.pupilName},
        {"pupilClass", result.pupilClass},
        {"computer", result.computer},
        {"finished", result.finished.toString(Qt::ISODate)},
        {"points", result.points},
        {"maxPoints", result.maxPoints},
        {"mark", result.mark},
        {"answers", answers},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<TestResult> ResultFromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    bool complete = true;
    if (text(object, "format", complete) != kFormat || number(object, "version", complete) != kVersion)
        return std::nullopt;
    TestResult result;
    result.testTitle = text(object, "testTitle", complete);
    result.testFile = text(object, "testFile", complete);
    result.pupilName = text(object, "pupilName", complete);
    result.pupilClass = text(object, "pupilClass", complete);
    result.computer = text(object, "computer", complete);
    result.finished = QDateTime::fromString(text(object, "finished", complete), Qt::ISODate);
    result.points = number(object, "points", complete);
    result.maxPoints = number(object, "maxPoints", complete);
    result.mark = number(object, "mark", complete);
    const QJsonValue answers = object.value("answers");
    complete = complete && answers.isArray() && result.finished.isValid();
    for (const QJsonValue& value : answers.toArray()) {
        const QJsonObject a = value.toObject();
        complete = complete && value.isObject();
        result.answers.append({number(a, "question", complete), text(a, "questionText", complete),
                               number(a, "answer", complete), text(a, "answerText", complete),
                               flag(a, "right", complete)});
    }
    if (!complete)
        return std::nullopt;
    return result;
}
