// SPDX-License-Identifier: GPL-3.0-or-later
// A test taker without windows for the journal tests: writes COUNT results
// (0: until it is killed) into FOLDER and prints each file's path once it is
// complete. usage: journal_writer FOLDER COUNT TAG
#include "learning/result_journal.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 4)
        return 2;
    const QString folder = args[1];
    const int count = args[2].toInt();
    QTextStream out(stdout);
    QList<AnswerRecord> answers;
    for (int q = 1; q <= 20; ++q)
        answers.append({q, QStringLiteral("Вопрос %1: что такое угол падения?").arg(q), q % 3 + 1,
                        QStringLiteral("Ответ %1").arg(q % 3 + 1), q % 4 != 0});
    for (int i = 1; count == 0 || i <= count; ++i) {
        const TestResult result = MakeResult(QStringLiteral("Тест ") + args[3], QStringLiteral("Test.ini"),
                                             QStringLiteral("Ученик %1").arg(i), args[3], answers);
        QString reason;
        const QString path = WriteResultFile(folder, result, &reason);
        if (path.isEmpty()) {
            QTextStream(stderr) << reason << '\n';
            return 1;
        }
        out << path << '\n';
        out.flush();
    }
    return 0;
}
