// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_windows.h"
#include "app/startup.h"
#include "ui/error_box.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

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

// A test suite on one set of the program's windows, run in the program's
// folder, where the chooser finds the models' pictures; an error box fails
// the test instead of waiting for its OK.
class ProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        windows = CreateProgramWindows().release();
        previousFolder = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(OPTIKA_DATA));
        SetErrorSink([](const QString& text) { ADD_FAILURE() << "error box: " << text.toStdString(); });
    }
    static void TearDownTestSuite()
    {
        SetErrorSink(nullptr);
        QDir::setCurrent(previousFolder);
        delete windows;
        windows = nullptr;
    }

    inline static ProgramWindows* windows = nullptr;
    inline static QString previousFolder;
};
