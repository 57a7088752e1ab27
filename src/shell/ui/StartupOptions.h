// What the desktop program starts from: where its file lies (its directory holds the INI file
// and the resource modules) and its command line.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

namespace tevano {

struct StartupOptions {
    std::string programPath;                    // the program's file; its name gives the base name
    QStringList arguments;                      // the command line after the program's name
    std::vector<std::string> moduleDirectories; // where to look for modules; empty: the usual
};

} // namespace tevano
