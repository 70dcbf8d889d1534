#include "app/program_windows.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    PrepareApplication(application);
    ProgramWindows windows;
    return RunProgram(application, windows);
}
