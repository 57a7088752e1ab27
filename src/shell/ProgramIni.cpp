#include "shell/IniFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

namespace {

// True when the file can be opened for writing, or created (it is then left empty, as the
// store's Load would create it).
bool CanWriteOrCreate(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}

// Makes the directory and the missing ones above it, private to the user as configuration
// directories are.
bool MakeDirectories(const std::string& directory) {
    for (std::size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
        const std::string part = directory.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    if (stat(directory.c_str(), &info) != 0) {
        return false;
    }
    errno = S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    return S_ISDIR(info.st_mode);
}

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

} // namespace

std::string UserConfigDirectory() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one would move with the working
    // directory.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        return std::string(configHome) + "/tevano";
    }
    const std::string home = HomeDirectory();
    return home.empty() ? std::string() : home + "/.config/tevano";
}

bool OpenUserIni(CIniFile& store, const std::string& iniFileName, bool caseInsensitive) {
    const std::string configDirectory = UserConfigDirectory();
    if (configDirectory.empty()) {
        store.KeepInMemoryOnly("~/.config/tevano/" + iniFileName,
                               {FileError::CreateFailed, ENOENT});
        return false;
    }
    if (!MakeDirectories(configDirectory)) {
        store.KeepInMemoryOnly(configDirectory + "/" + iniFileName,
                               {FileError::CreateFailed, errno});
        return false;
    }
    return store.Load(configDirectory + "/" + iniFileName, true, caseInsensitive, false);
}

bool OpenProgramIni(CIniFile& store, const std::string& iniFileName,
                    const std::string& programDirectory) {
    const std::string besideProgram = IniFilePath(iniFileName, programDirectory);
    if (CanWriteOrCreate(besideProgram)) {
        return store.Load(besideProgram, true, true, false);
    }
    if (OpenUserIni(store, iniFileName)) {
        return true;
    }
    // Nowhere to write: a file beside the program can still be read (its changes are lost).
    const std::string userPath = store.PathTried();
    const FileResult userFailure = store.LoadFailure();
    if (store.Load(besideProgram, true, true, false)) {
        return true;
    }
    // Neither: what went wrong in the user's folder, where the settings belong, is what a save
    // tells.
    store.KeepInMemoryOnly(userPath, userFailure);
    return false;
}

} // namespace tevano
