// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_windows.h"
#include "app/startup.h"

#include <QApplication>
#include <QDir>

#include <memory>

// The program's windows as the start-up creates them, in the folder that
// holds its img/ and txt/ data, as the program is started.
inline std::unique_ptr<ProgramWindows> CreateProgramWindows()
{
    PrepareApplication(*qApp);
    auto windows = std::make_unique<ProgramWindows>();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(OPTIKA_DATA));
    windows->CreateAll();
    QDir::setCurrent(previous);
    return windows;
}
