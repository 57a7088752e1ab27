// A pseudo-terminal for a test to stand in for a cable: the master end the test keeps, and the
// path of the other end that the program opens as its port.
#pragma once

#include <cstdlib>
#include <fcntl.h>
#include <string>

namespace tevano::testing {

// The master's descriptor, -1 when the system gives none; `port` receives the other end's path.
inline int OpenPseudoTerminal(std::string& port) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 ||
        ptsname_r(master, name, sizeof name) != 0) {
        return -1;
    }
    port = name;
    return master;
}

} // namespace tevano::testing
