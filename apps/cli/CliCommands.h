// The commands of tevano-cli. Each declares its arguments and options here, for the parser and
// the help texts alike, does what the program would do, and returns the exit status: 0 success,
// 1 failure (one line on stderr), 2 misuse.
#pragma once

#include "Arguments.h"

#include <string>
#include <vector>

namespace tevano::cli {

struct Command {
    const char* name;
    const char* arguments; // the positional arguments of the usage line ("PORT FILE")
    const char* summary;   // one line for the list of commands
    std::vector<Option> options;
    int (*run)(const Arguments& args);
    const char* details = nullptr; // more about the arguments, for the command's own help
};

// Every command, in the order the help text lists them.
const std::vector<Command>& Commands();

// "read PORT FILE [--force] [--retries N] [--chinese]"
std::string UsageLine(const Command& command);

// The command's own help: its usage line, what it does, and every option.
std::string CommandHelp(const Command& command);

int ShowCommand(const Arguments& args);
int ResaveCommand(const Arguments& args);
int NewCommand(const Arguments& args);
int ReadCommand(const Arguments& args);
int WriteCommand(const Arguments& args);
int ReportCommand(const Arguments& args);
int CalibrateCommand(const Arguments& args);
int DiffCommand(const Arguments& args);
int ExportCsvCommand(const Arguments& args);
int ImportCsvCommand(const Arguments& args);
int PortsCommand(const Arguments& args);

} // namespace tevano::cli
