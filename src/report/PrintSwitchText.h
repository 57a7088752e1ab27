// The desktop program's answer to its print switch given without the channel data file to print,
// on stderr: told by the program when it runs, and before it can run when no display is there.
#pragma once

namespace tevano {

constexpr const char* kPrintSwitchNeedsFile =
    "tevano: the print switch needs the channel data file to print: tevano --print FILE\n";

} // namespace tevano
