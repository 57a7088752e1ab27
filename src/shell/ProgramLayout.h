// Where the desktop program's parts lie, and so where its settings belong. A program with its
// language modules beside it (the build tree, a copy on a USB stick) is portable and keeps
// MAIN.ini beside itself; one whose modules lie in the module folder of an installation, found
// relative to the program, is installed and keeps MAIN.ini in the user's configuration folder.
#pragma once

#include <string>
#include <vector>

namespace tevano {

class CIniFile;

enum class ProgramInstall {
    Portable,  // the modules lie beside the program
    Installed, // the modules lie in the installation's module folder
    NoModules, // neither (a lone copy of a tool, a damaged installation)
};

struct ProgramLayout {
    ProgramInstall kind = ProgramInstall::NoModules;
    std::string programDirectory;
};

// The installation's module folder relative to the program's folder, as the build laid it out
// ("../lib/x86_64-linux-gnu/tevano" for a program in /usr/bin): no absolute path is compiled in,
// so the installation may move to any prefix.
std::string RelativeModuleDirectory();

// Where the modules of a program in that folder are looked for, in order: beside the program,
// then the installation's module folder.
std::vector<std::string> ModuleDirectories(const std::string& programDirectory);

// Looks for "<baseName>_EN.so" or "<baseName>_CH.so" in the module directories, without loading
// them; the first directory that holds one decides.
ProgramLayout FindProgramLayout(const std::string& programDirectory, const std::string& baseName);

// Opens the program's INI file where its layout keeps it: a portable program as OpenProgramIni
// over its folder does (beside itself, the user's configuration folder when it cannot write
// there); an installed program always in the user's configuration folder, also when run as root,
// never beside itself; a program without modules beside itself only when a file is there already.
bool OpenProgramIni(CIniFile& store, const std::string& iniFileName, const ProgramLayout& layout);

} // namespace tevano
