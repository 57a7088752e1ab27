// tevano: the desktop program for programming the radios.

#include "base/PrintableText.h"
#include "base/StandardDescriptors.h"
#include "base/ui/UserPrompts.h"
#include "report/PrintSwitchText.h"
#include "shell/IniFile.h"
#include "shell/ProgramName.h"
#include "shell/ProgramVersion.h"
#include "shell/ui/CTevApp.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

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

// Qt's own options, for reading the command line when Qt could not: those that take the next
// argument as their value, and those that stand alone.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
    "style",    "stylesheet",         "session",       "display",     "name"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "testability"};

// The option's name without its dashes ("-" or "--") and without "=value".
std::string QtOptionName(const char* argument) {
    std::string name = argument + (argument[1] == '-' ? 2 : 1);
    return name.substr(0, name.find('='));
}

bool IsIn(const std::string& name, const char* const* first, const char* const* last) {
    return std::any_of(first, last, [&name](const char* option) { return name == option; });
}

// The program's answer when Qt found no display to start on: a wrong command line is told as
// such (it needs no display), anything else is told as the missing display. Returns the exit
// status.
int AnswerWithoutDisplay(int argc, char** argv) {
    bool print = false;
    bool file = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (IsOneOf(argument, "--print", "-p")) {
            print = true;
        } else if (argument[0] != '-' || argument[1] == '\0') {
            file = true;
        } else if (const std::string name = QtOptionName(argument);
                   IsIn(name, std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue))) {
            i += std::strchr(argument, '=') == nullptr ? 1 : 0;
        } else if (!IsIn(name, std::begin(kQtFlags), std::end(kQtFlags))) {
            std::fprintf(stderr, "tevano: unknown option %s\n%s",
                         tevano::PrintableText(argument).c_str(), kUsage);
            return 2;
        }
    }
    if (print && !file) {
        std::fputs(tevano::kPrintSwitchNeedsFile, stderr);
        return 2;
    }
    std::fputs("tevano: no display can be reached: the window needs an X11 or Wayland display "
               "(DISPLAY or WAYLAND_DISPLAY). --print FILE needs none with -platform offscreen.\n",
               stderr);
    return 1;
}

int g_argc = 0;
char** g_argv = nullptr;
bool g_starting = false;
QtMessageHandler g_qtMessages = nullptr;

// Qt ends the program with an abort when it finds no display; the program ends with its own
// answer instead.
void EndWhenNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && g_starting) {
        std::fflush(stdout);
        const int status = AnswerWithoutDisplay(g_argc, g_argv);
        std::fflush(stderr);
        std::_Exit(status);
    }
    g_qtMessages(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    tevano::OpenNullOnClosedStandardDescriptors();
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
    g_argc = argc;
    g_argv = argv;
    g_starting = true;
    g_qtMessages = qInstallMessageHandler(EndWhenNoDisplay);
    QApplication application(argc, argv);
    g_starting = false;
    tevano::StartupOptions options;
    options.programPath = tevano::RunningProgramPath();
    options.arguments = QApplication::arguments().mid(1);
    if (const QString unknown = UnknownOption(options.arguments); !unknown.isEmpty()) {
        std::fprintf(stderr, "tevano: unknown option %s\n%s",
                     tevano::PrintableText(unknown.toStdString()).c_str(), kUsage);
        return 2;
    }
    tevano::QtUserPrompts prompts;
    tevano::CTevApp program(ini, prompts, options);
    if (!program.InitInstance()) {
        return program.ExitInstance(1);
    }
    return program.ExitInstance(QApplication::exec());
}
