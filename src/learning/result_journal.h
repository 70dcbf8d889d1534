// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_result.h"

#include <QList>
#include <QString>
#include <QStringList>

// The journal is a folder of result files, often one folder shared by a
// whole classroom: each computer adds files and never changes one, so no
// two writers ever touch the same file.

// "Оптика — результаты" in the user's documents folder.
QString DefaultJournalFolder();
// The folder the teacher chose, or the default one.
QString JournalFolder();
// Keeps the teacher's choice: the one setting of the program.
void SetJournalFolder(const QString& folder);

// Writes `result` as a new file of `folder`, creating the folder when it is
// missing; returns the file's path, or an empty string and the reason.
QString WriteResultFile(const QString& folder, const TestResult& result, QString* reason);

// The results of one computer on their way into the journal folder. A result
// that cannot be written waits in memory and is tried again with the next one,
// on request, and a last time when the journal goes.
class ResultJournal {
public:
    ResultJournal() = default;
    ResultJournal(const ResultJournal&) = delete;
    ResultJournal& operator=(const ResultJournal&) = delete;
    // The last try: the journal folder, else the default one.
    ~ResultJournal();

    // Adds the result to those waiting and writes them all, oldest first.
    // False with the message for the pupil when one stays waiting.
    bool Record(const TestResult& result, QString* message);
    bool WritePending(QString* message);
    int pendingCount() const { return int(pending_.size()); }

private:
    bool writeAll(const QString& folder, QString* message);

    QList<TestResult> pending_;
};

// Every file of a journal folder that looks like a result.
struct JournalContents {
    QList<TestResult> results;
    // The file names of those that are no complete result; they stay untouched.
    QStringList unreadable;
};
JournalContents ReadJournal(const QString& folder);
