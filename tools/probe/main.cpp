// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"
#include "app/startup.h"
#include "probe.h"

#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "learning/pupil_dialog.h"
#include "learning/result_journal.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage:\n"
               "  optika-probe model MODEL [CONTROL=VALUE ...] [--ops] [--png FILE [--scale N]\n"
               "                    [--fit WxH]] [--svg FILE] [--pdf FILE]\n"
               "  optika-probe shot WINDOW [--skin NAME] [--model MODEL [CONTROL=VALUE ...]]\n"
               "                    [--click [WINDOW.]BUTTON ...] [--answer N ...] [--focus CONTROL] FILE.png\n"
               "  optika-probe gallery FILE.png [--skin NAME]\n"
               "  optika-probe card MODEL FILE.png\n"
               "  optika-probe quiz INI_FILE ANSWER ...\n"
               "  optika-probe journal FOLDER\n"
               "any verb takes [--journal FOLDER] [--name NAME] [--class CLASS]: the journal folder\n"
               "(else a temporary one) and who takes the test\n"
               "  optika-probe rtf FILE.rtf\n"
               "  optika-probe test-file roundtrip|check FILE\n",
               stderr);
    return 2;
}

// Takes `--option VALUE` out of the arguments; `fallback` when it is not there.
QString takeOption(QStringList& args, const char* option, const QString& fallback = {})
{
    const int at = args.indexOf(QLatin1String(option));
    if (at < 0 || at + 1 >= args.size())
        return fallback;
    const QString value = args.takeAt(at + 1);
    args.removeAt(at);
    return value;
}

} // namespace

bool ApplySkin(ProbeSession& session, const QString& skin)
{
    if (!SkinManager::skinNames().contains(skin)) {
        std::fprintf(stderr, "no skin %s\n", qPrintable(skin));
        return false;
    }
    session.windows.form1->sSkinManager1.setSkinName(skin);
    return true;
}

ModelSheet* ProbeSession::sheetOf(const QString& model) const
{
    const ModelEntry* entry = FindModel(model);
    ModelSheet* sheet = entry ? windows.form1->modelSheet(entry->sheet) : nullptr;
    if (!sheet)
        std::fprintf(stderr, "no model %s\n", qPrintable(model));
    return sheet;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PrepareApplication(application);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    SetApplicationTitle(QString::fromUtf8(kApplicationTitle));

    QStringList args = application.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString verb = args.takeFirst();
    // A probe run keeps the user's settings and journal as they are: its
    // settings live in a folder of its own, its results go where it is told.
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    SetJournalFolder(takeOption(args, "--journal", scratch.filePath(QStringLiteral("journal"))));
    const Pupil pupil{takeOption(args, "--name"), takeOption(args, "--class")};
    SetPupilSink([pupil](const Pupil&) { return pupil; });
    // These need no windows of the program.
    if (verb == QLatin1String("quiz"))
        return RunQuizVerb(args);
    if (verb == QLatin1String("rtf"))
        return RunRtfVerb(args);
    if (verb == QLatin1String("journal"))
        return args.size() == 1 ? RunJournalVerb(args.first()) : usage();
    if (verb == QLatin1String("test-file")) {
        const int code = RunTestFileVerb(args);
        return code == 2 ? usage() : code;
    }

    ProgramWindows windows;
    ProbeSession session{windows, {}};
    SetErrorSink([&session](const QString& text) { session.errors << text; });
    windows.CreateAll();

    int code = 2;
    if (verb == QLatin1String("model"))
        code = RunModelVerb(session, args);
    else if (verb == QLatin1String("shot"))
        code = RunShotVerb(session, args);
    else if (verb == QLatin1String("card"))
        code = args.size() == 2 ? RunCardVerb(session, args[0], args[1]) : 2;
    else if (verb == QLatin1String("gallery")) {
        const int skinAt = args.indexOf(QStringLiteral("--skin"));
        const QString skin = skinAt >= 0 && skinAt + 1 < args.size() ? args.takeAt(skinAt + 1) : StartSkinName();
        if (skinAt >= 0)
            args.removeAt(skinAt);
        code = args.size() == 1 && ApplySkin(session, skin) ? RunGalleryVerb(session, skin, args.first()) : 2;
    }
    else
        return usage();

    QTextStream out(stdout);
    for (const QString& error : session.errors)
        out << "error=" << error << '\n';
    return code;
}
