// tevano: the desktop program for programming the radios.

#include "base/ui/UserPrompts.h"
#include "shell/IniFile.h"
#include "shell/ProgramName.h"
#include "shell/ProgramVersion.h"
#include "shell/ui/CTevApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    R"(usage: tevano [FILE]
       tevano --print FILE
       tevano --help | --version

The programming software for Tevano handheld FM radios: reads a radio's memory over its
programming cable, edits its 128 channels and its radio-wide options, writes them back, and keeps
them in channel data files (.sin). FILE is opened as the first document.

options:
  -p, --print   print FILE's settings report on the default printer without opening the window
                (exit status 0 printed, 1 no printer or refused, 2 no FILE)
  -h, --help    show this text and exit
  --version     show the version and exit

Qt's own options (-platform, -style, ...) are taken as well.
)";

bool IsOneOf(const char* arg, const char* first, const char* second) {
    return std::strcmp(arg, first) == 0 || std::strcmp(arg, second) == 0;
}

// An option other than the program's own, once Qt has taken its options out of the line.
QString UnknownOption(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.size() > 1 && argument.startsWith('-') && argument != "--print" &&
            argument != "-p") {
            return argument;
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the application exists: they need no display.
    for (int i = 1; i < argc; ++i) {
        if (IsOneOf(argv[i], "--help", "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tevano %s\n", tevano::ProgramVersion());
            return 0;
        }
    }
    // The INI store outlives the program object: its file is written when it goes.
    tevano::CIniFile ini(4);
    QApplication application(argc, argv);
    tevano::StartupOptions options;
    options.programPath = tevano::RunningProgramPath();
    options.arguments = QApplication::arguments().mid(1);
    if (const QString unknown = UnknownOption(options.arguments); !unknown.isEmpty()) {
        std::fprintf(stderr, "tevano: unknown option %s\n%s", unknown.toLocal8Bit().constData(),
                     kUsage);
        return 2;
    }
    tevano::QtUserPrompts prompts;
    tevano::CTevApp program(ini, prompts, options);
    if (!program.InitInstance()) {
        return program.ExitInstance(1);
    }
    return program.ExitInstance(QApplication::exec());
}
