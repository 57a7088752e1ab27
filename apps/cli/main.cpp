// tevano-cli: the program's document and radio work without a display, for scripts.

#include "Arguments.h"
#include "CliCommands.h"
#include "CliTexts.h"

#include "base/PrintableText.h"
#include "base/StandardDescriptors.h"
#include "base/SystemErrorText.h"
#include "shell/ProgramVersion.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tevano::cli::Command;

void PrintUsage(std::FILE* out) {
    std::fputs("usage: tevano-cli COMMAND [ARGUMENTS]\n"
               "       tevano-cli help COMMAND   (or: tevano-cli COMMAND --help)\n"
               "       tevano-cli --version\n\n"
               "commands:\n",
               out);
    for (const Command& command : tevano::cli::Commands()) {
        std::fprintf(out, "  %s\n      %s\n", tevano::cli::UsageLine(command).c_str(),
                     command.summary);
    }
    std::fputs(
        "\nExit status: 0 success, 1 failure (a message on stderr), 2 a wrong command line.\n",
        out);
}

const Command* Find(const std::string& name) {
    for (const Command& command : tevano::cli::Commands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

int UnknownCommand(const std::string& name) {
    std::fprintf(stderr, "tevano-cli: unknown %s %s\n",
                 name.size() > 1 && name[0] == '-' ? "option" : "command",
                 tevano::PrintableText(name).c_str());
    PrintUsage(stderr);
    return 2;
}

int ShowHelp(const Command& command) {
    std::fputs(tevano::cli::CommandHelp(command).c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// "tevano-cli help" and "tevano-cli help COMMAND".
int HelpCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage(stdout);
        return 0;
    }
    const Command* command = Find(args[0]);
    if (args.size() > 1 || command == nullptr) {
        return args.size() > 1 ? tevano::cli::Misuse("help takes one command", "help COMMAND")
                               : UnknownCommand(args[0]);
    }
    return ShowHelp(*command);
}

// What the command printed must all have arrived: a full disk or a closed pipe behind standard
// output fails a command that otherwise succeeded.
int OutputKept(int status, tevano::Language language) {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout)) {
        return status;
    }
    if (status == 0) {
        const std::string reason = flushed ? "" : ": " + tevano::SystemErrorText(error);
        return tevano::cli::Fail(tevano::cli::CliText(tevano::cli::CliTextId::StandardOutputFailed,
                                                      language, {{"<reason>", reason}}));
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    tevano::OpenNullOnClosedStandardDescriptors();
    // A reader that went away (`| head`, `| true`) makes a write to standard output fail, which
    // is reported; it does not end the tool before the files it was asked for are saved.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("tevano-cli %s\n", tevano::ProgramVersion());
        return 0;
    }
    if (name == "help") {
        return HelpCommand(args);
    }
    const Command* command = Find(name);
    if (command == nullptr) {
        return UnknownCommand(name);
    }
    // --help anywhere before "--" asks for the command's help, whatever else is on the line.
    const auto end = std::find(args.begin(), args.end(), "--");
    if (std::find_if(args.begin(), end, [](const std::string& arg) {
            return arg == "--help" || arg == "-h";
        }) != end) {
        return ShowHelp(*command);
    }
    std::string error;
    const std::string usage = tevano::cli::UsageLine(*command);
    const auto parsed = tevano::cli::Arguments::Parse(args, command->options, usage, error);
    if (!parsed) {
        return tevano::cli::Misuse(error, usage);
    }
    return OutputKept(command->run(*parsed), parsed->ChosenLanguage());
}
