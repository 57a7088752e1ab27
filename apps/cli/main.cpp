// tevano-cli: the program's document and radio work without a display, for scripts.

#include "Arguments.h"
#include "CliCommands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("usage: tevano-cli <command> [arguments]\n\n", out);
    for (const tevano::cli::Command& command : tevano::cli::Commands()) {
        std::fprintf(out, "  %s\n      %s\n", command.usage, command.summary);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const tevano::cli::Command& command : tevano::cli::Commands()) {
        if (name == command.name) {
            return command.run(args);
        }
    }
    std::fprintf(stderr, "tevano-cli: unknown command %s\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
