// tevano: the desktop program for programming the radios.

#include "shell/IniFile.h"
#include "shell/ProgramName.h"
#include "shell/ui/CTevApp.h"
#include "shell/ui/UserPrompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The INI store outlives the program object: its file is written when it goes.
    tevano::CIniFile ini(4);
    QApplication application(argc, argv);
    tevano::QtUserPrompts prompts;
    tevano::StartupOptions options;
    options.programPath = tevano::RunningProgramPath();
    options.arguments = QApplication::arguments().mid(1);
    tevano::CTevApp program(ini, prompts, options);
    if (!program.InitInstance()) {
        return program.ExitInstance(1);
    }
    return program.ExitInstance(QApplication::exec());
}
