// The commands of tevano-cli. Each parses its own arguments, does what the program would do,
// and returns the exit status: 0 success, 1 failure (one line on stderr), 2 misuse.
#pragma once

#include <string>
#include <vector>

namespace tevano::cli {

struct Command {
    const char* name;
    const char* usage;   // the arguments, after the command name
    const char* summary; // one line for the help text
    int (*run)(const std::vector<std::string>& args);
};

// Every command, in the order the help text lists them.
const std::vector<Command>& Commands();

int ShowCommand(const std::vector<std::string>& args);
int ResaveCommand(const std::vector<std::string>& args);
int NewCommand(const std::vector<std::string>& args);
int ReadCommand(const std::vector<std::string>& args);
int WriteCommand(const std::vector<std::string>& args);
int ReportCommand(const std::vector<std::string>& args);
int CalibrateCommand(const std::vector<std::string>& args);
int ExportCsvCommand(const std::vector<std::string>& args);
int ImportCsvCommand(const std::vector<std::string>& args);

} // namespace tevano::cli
