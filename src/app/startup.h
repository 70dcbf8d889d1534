// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
struct ProgramWindows;

// The application's title: the caption of the task-bar entry and of error boxes.
extern const char* const kApplicationTitle;

// Fonts, hints and look shared by the program and the probe.
void PrepareApplication(QApplication& application);

// Splash for three seconds, every window created in order, then the main
// window until it closes. Returns the exit code of the message loop.
int RunProgram(QApplication& application, ProgramWindows& windows);
