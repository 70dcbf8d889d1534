// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"
#include "app/startup.h"

#include <QApplication>

#include <malloc.h>

int main(int argc, char* argv[])
{
    // Pictures of a megabyte and more (a model's canvas, the reference
    // sheet) are let go as their windows close. glibc would raise its mmap
    // threshold past them at the first such free and take the next from the
    // heap, never to be given back (scripts/peak-memory).
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QApplication application(argc, argv);
    PrepareApplication(application);
    ProgramWindows windows;
    return RunProgram(application, windows);
}
