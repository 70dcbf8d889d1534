// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test runs with a QApplication on the offscreen platform, so canvases
// have fonts and windows can be shown without a display.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the documents folder (where the journal goes by default)
    // of a home of the tests' own, so no test reads or changes the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QFile userDirs(QDir(home.path()).filePath(QStringLiteral("user-dirs.dirs")));
    if (userDirs.open(QIODevice::WriteOnly))
        userDirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(home.filePath(QStringLiteral("Documents"))) + "\"\n");
    userDirs.close();
    QApplication application(argc, argv);
    // The program's own language, whatever the machine's; a test of another
    // language switches to it and back.
    QSettings(QSettings::UserScope, QStringLiteral("optika"), QStringLiteral("optika"))
        .setValue(QStringLiteral("language"), QStringLiteral("ru"));
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
