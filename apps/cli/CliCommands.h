// The commands of tevano-cli. Each takes its positional arguments and flags, prints what the
// program would show, and returns the process exit status: 0 success, 1 failure, 2 misuse.
#pragma once

#include <string>
#include <vector>

namespace tevano::cli {

struct Arguments {
    std::vector<std::string> positional;
    bool chinese = false;
    bool tsv = false;
    bool demo = false;
};

int ShowCommand(const Arguments& args);
int ResaveCommand(const Arguments& args);
int NewCommand(const Arguments& args);

// Prints "tevano-cli: <message>" on stderr and returns 1.
int Fail(const std::string& message);

} // namespace tevano::cli
