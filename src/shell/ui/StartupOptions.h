// What the desktop program starts from: where its file lies (the resource modules and, for a
// portable program, the INI file are found from there) and its command line.
#pragma once

#include <QStringList>

#include <string>

namespace tevano {

struct StartupOptions {
    std::string programPath; // the program's file; its name gives the base name
    QStringList arguments;   // the command line after the program's name
};

} // namespace tevano
