#include "shell/ProgramLayout.h"

#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"

#include <sys/stat.h>

namespace tevano {

namespace {

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::string RelativeModuleDirectory() {
    return TEVANO_MODULE_RELATIVE_DIR;
}

std::vector<std::string> ModuleDirectories(const std::string& programDirectory) {
    if (programDirectory.empty()) {
        return {};
    }
    const std::string base = programDirectory.back() == '/'
                                 ? programDirectory.substr(0, programDirectory.size() - 1)
                                 : programDirectory;
    return {programDirectory, base + "/" + RelativeModuleDirectory()};
}

ProgramLayout FindProgramLayout(const std::string& programDirectory, const std::string& baseName) {
    ProgramLayout layout;
    layout.programDirectory = programDirectory;
    const std::vector<std::string> directories = ModuleDirectories(programDirectory);
    for (std::size_t i = 0; i < directories.size(); ++i) {
        for (const std::string& language : {EnglishLanguage(baseName), ChineseLanguage(baseName)}) {
            if (IsFile(directories[i] + "/" + language + ".so")) {
                layout.kind = i == 0 ? ProgramInstall::Portable : ProgramInstall::Installed;
                return layout;
            }
        }
    }
    return layout;
}

bool OpenProgramIni(CIniFile& store, const std::string& iniFileName, const ProgramLayout& layout) {
    switch (layout.kind) {
    case ProgramInstall::Portable:
        return OpenProgramIni(store, iniFileName, layout.programDirectory);
    case ProgramInstall::Installed:
        return OpenUserIni(store, iniFileName);
    case ProgramInstall::NoModules:
        break;
    }
    // Nothing tells whether the program is a portable copy or a damaged installation: a file
    // beside it is used when it is there, but none is made there.
    if (IsFile(IniFilePath(iniFileName, layout.programDirectory))) {
        return OpenProgramIni(store, iniFileName, layout.programDirectory);
    }
    return OpenUserIni(store, iniFileName);
}

} // namespace tevano
