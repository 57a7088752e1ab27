// Reads tevano-cli's overview (--help) as the manual page and the completion must follow it:
// the commands it lists, in its order.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace tevano::testing {

// The commands of tevano-cli's overview: the first word of each two-space indented line.
inline std::vector<std::string> OverviewCommands(const std::string& overview) {
    std::vector<std::string> commands;
    std::istringstream lines(overview);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ') {
            commands.push_back(line.substr(2, line.find(' ', 2) - 2));
        }
    }
    return commands;
}

} // namespace tevano::testing
