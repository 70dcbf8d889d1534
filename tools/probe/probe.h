// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

struct ProgramWindows;
class ModelSheet;

// Everything the probe's verbs share: the program's windows created as at
// start-up (without the splash) and the error boxes raised meanwhile.
struct ProbeSession {
    ProgramWindows& windows;
    QStringList errors;

    // The sheet of `model`, or nullptr after printing why there is none.
    ModelSheet* sheetOf(const QString& model) const;
};

// Sets a control of the sheet from `NAME=VALUE` through the control itself,
// so its change event fires; false for a control the sheet has not.
bool ApplySetting(ModelSheet* sheet, const QString& setting);

int RunModelVerb(ProbeSession& session, const QStringList& args);
int RunShotVerb(ProbeSession& session, const QStringList& args);
// A title card for the picture of a model whose sheet is not built yet.
int RunCardVerb(ProbeSession& session, const QString& model, const QString& file);
// Runs the test of INI_FILE with the given answers: ARGS = INI_FILE ANSWER ...
int RunQuizVerb(const QStringList& args);
// Prints how many results the journal FOLDER holds, of how many pupils and
// classes, and the files it cannot read.
int RunJournalVerb(const QString& folder);
// Prints the plain text of a rich-text file and a summary of its formatting.
int RunRtfVerb(const QStringList& args);
// ARGS = roundtrip FILE: reads the test file and saves it back as the editor
// does, unchanged; ARGS = check FILE: prints the editor's checks, one a line.
int RunTestFileVerb(const QStringList& args);
int RunGalleryVerb(ProbeSession& session, const QString& skin, const QString& file);

// Puts the named skin on the program; false, after saying why, for an unknown name.
bool ApplySkin(ProbeSession& session, const QString& skin);
