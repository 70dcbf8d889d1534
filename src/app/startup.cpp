// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "ui/balloon_hints.h"
#include "ui/error_box.h"
#include "ui/fonts.h"
#include "ui/language.h"

#include <QApplication>

const char* const kApplicationTitle = QT_TRANSLATE_NOOP("Startup", "**ОБУЧАЮЩАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**");

void PrepareApplication(QApplication& application)
{
    InstallFontSubstitutions();
    InstallBalloonHints(application);
    // The layouts' default face: MS Sans Serif, 11 pixels.
    application.setFont(UiFont(QStringLiteral("MS Sans Serif"), 11));
    application.setQuitOnLastWindowClosed(false);
    InstallLanguage(application, ChosenLanguage());
}

int RunProgram(QApplication& application, ProgramWindows& windows)
{
    auto splash = std::make_unique<TForm15>();
    splash->show();
    splash->repaint();
    splash->WaitForTimer();

    const auto showTitle = [] {
        const QString title = QCoreApplication::translate("Startup", kApplicationTitle);
        QApplication::setApplicationName(title);
        SetApplicationTitle(title);
    };
    showTitle();

    windows.CreateAll();
    RetranslateOnLanguageChange(windows.form1.get(), showTitle);

    splash->hide();
    splash.reset();

    windows.form1->show();
    return application.exec();
}
