// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/question_tally.h"

#include <map>
#include <tuple>

QList<QuestionTally> TallyQuestions(const QList<TestResult>& results)
{
    using Key = std::tuple<QString, QString, int>;
    std::map<Key, QuestionTally> tallies;
    std::map<Key, QDateTime> asked;
    for (const TestResult& result : results) {
        for (const AnswerRecord& answer : result.answers) {
            const Key key{result.testTitle, result.testFile, answer.question};
            QuestionTally& tally = tallies[key];
            tally.testTitle = result.testTitle;
            tally.testFile = result.testFile;
            tally.question = answer.question;
            ++tally.answered;
            tally.right += answer.right;
            // A teacher may have reworded a question since: the latest wording names it.
            QDateTime& when = asked[key];
            if (!when.isValid() || result.finished >= when) {
                when = result.finished;
                tally.questionText = answer.questionText;
            }
        }
    }
    QList<QuestionTally> list;
    for (const auto& entry : tallies)
        list.append(entry.second);
    return list;
}
