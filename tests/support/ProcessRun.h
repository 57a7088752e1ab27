// A program run to its end through the shell, as a user or a script runs it: its exit status and
// everything it wrote on stdout and stderr.
#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace tevano::testing {

struct ProcessRun {
    int status = -1; // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command line (quote its words with Quoted), its output kept in `scratch` under
// `name` (runs at the same time need names of their own).
inline ProcessRun RunCommand(const std::string& commandLine, const TempDir& scratch,
                             const std::string& name = "run") {
    const std::string out = scratch.Path(name + "-stdout");
    const std::string err = scratch.Path(name + "-stderr");
    const int raw = std::system((commandLine + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
    ProcessRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    run.out = ReadText(out);
    run.err = ReadText(err);
    return run;
}

} // namespace tevano::testing
