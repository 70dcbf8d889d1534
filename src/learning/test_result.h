// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One answer of a finished run: the question, the button pressed and
// whether it was the right one.
struct AnswerRecord {
    int question = 0;
    QString questionText;
    int answer = 0;
    QString answerText;
    bool right = false;

    bool operator==(const AnswerRecord& other) const;
};

// A finished test as the journal keeps it: one small JSON file per result.
struct TestResult {
    QString testTitle;
    QString testFile; // the test file's name, without its folder
    QString pupilName;
    QString pupilClass;
    QString computer;
    QDateTime finished;
    int points = 0;
    int maxPoints = 0;
    int mark = 0; // of the grading table
    QList<AnswerRecord> answers;

    bool operator==(const TestResult& other) const;
};

// The result of the run that gave `answers` on the test titled `title` in
// the file `testPath`, finished now on this computer.
TestResult MakeResult(const QString& title, const QString& testPath, const QString& pupilName,
                      const QString& pupilClass, const QList<AnswerRecord>& answers);

// "2024-05-14_10-32-05_pc12_3fa2c41b.json": sorted by time, and unique across
// the computers of one shared folder through the name and the random part.
QString ResultFileName(const QDateTime& finished, const QString& computer, quint32 random);

QByteArray ResultToJson(const TestResult& result);
// The result in `json`, or nothing unless the text parses completely and
// carries every field with its kind.
std::optional<TestResult> ResultFromJson(const QByteArray& json);
