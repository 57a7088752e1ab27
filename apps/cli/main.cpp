// tevano-cli: the program's document and radio work without a display, for scripts.

#include "CliCommands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tevano-cli <command> [arguments]\n"
    "\n"
    "  show FILE [--chinese] [--tsv]   open a channel data file (.sin) and print the form's\n"
    "                                  three lists and the 129 grid rows; --tsv prints only the\n"
    "                                  grid, one line per row, 13 tab-separated cells\n"
    "  resave IN OUT [--chinese]       open IN and save it to OUT as File Save does\n"
    "  new FILE [--demo] [--chinese]   save a new document (with a few sample channels)\n";

int Usage(const char* problem) {
    if (problem != nullptr) {
        std::fprintf(stderr, "tevano-cli: %s\n", problem);
    }
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage(nullptr);
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    tevano::cli::Arguments args;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--chinese") {
            args.chinese = true;
        } else if (arg == "--tsv" && command == "show") {
            args.tsv = true;
        } else if (arg == "--demo" && command == "new") {
            args.demo = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage(("unknown option " + arg).c_str());
        } else {
            args.positional.push_back(arg);
        }
    }
    const auto expect = [&](std::size_t count) { return args.positional.size() == count; };
    if (command == "show" && expect(1)) {
        return tevano::cli::ShowCommand(args);
    }
    if (command == "resave" && expect(2)) {
        return tevano::cli::ResaveCommand(args);
    }
    if (command == "new" && expect(1)) {
        return tevano::cli::NewCommand(args);
    }
    if (command == "show" || command == "resave" || command == "new") {
        return Usage("wrong number of arguments");
    }
    return Usage(("unknown command " + command).c_str());
}
