// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_result.h"

#include <QList>
#include <QString>

// How a group of pupils did on one question of one test: what shows a
// teacher the topic a class has not understood.
struct QuestionTally {
    QString testTitle;
    QString testFile;
    int question = 0;
    QString questionText; // as the latest result asked it
    int right = 0;
    int answered = 0;
};

// One tally per question of each test in `results`, by test and question number.
QList<QuestionTally> TallyQuestions(const QList<TestResult>& results);
