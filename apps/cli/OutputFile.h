// Where a command's output goes (a channel list, a report): a file replaced safely, or a stream
// (standard output, a pipe, a terminal, /dev/fd/N) written through its descriptor, never renamed
// over, so that a log that standard output appends to stays a log.
#pragma once

#include "base/Language.h"

#include <string>

namespace tevano::cli {

// Whether the output is the same file as the input: the same device and inode, links and
// descriptors followed; "-" stands for standard output as the output, standard input as the
// input. A command refuses such an output before anything is written.
bool SameFile(const std::string& output, const std::string& input);

// The misuse told for such an output.
std::string SameFileProblem(const std::string& output, const std::string& input);

// Writes the bytes to `out` ("-" for standard output): 0, or the failure told on stderr (1).
int WriteOutput(const std::string& out, const std::string& bytes, Language language);

} // namespace tevano::cli
