// The program's base name, from which the INI file name ("<base>.ini") and the two display
// language strings ("<base>_EN", "<base>_CH") are built, and where the running program lies.
#pragma once

#include <string>

namespace tevano {

// The file name of the program without its directory and its last extension; "MAIN" when the
// name has no "." at all.
std::string ProgramBaseName(const std::string& programPath);

// Everything before the last "/" of the program's path ("/" for a program in the root);
// "" when it holds no "/".
std::string ProgramDirectory(const std::string& programPath);

// The full path of the running program's file; "" when the system does not tell.
std::string RunningProgramPath();

} // namespace tevano
