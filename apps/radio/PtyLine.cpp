#include "PtyLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tevano::radio {

bool PtyLine::Open(std::string& error) {
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    devicePath_ = name;
    // Terminal settings asked of the master are the slave's: raw, so that a program that opens
    // the port without setting it up still sees every byte unchanged.
    termios line{};
    if (tcgetattr(master_, &line) == 0) {
        cfmakeraw(&line);
        tcsetattr(master_, TCSANOW, &line);
    }
    return true;
}

void PtyLine::Close() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

bool PointLink(const std::string& linkPath, const std::string& target, std::string& error) {
    struct stat info {};
    if (lstat(linkPath.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        error = linkPath + " exists and is not a symbolic link; not replacing it";
        return false;
    }
    const std::string temporary = linkPath + ".new" + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = "cannot make the link " + linkPath + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void RemoveLink(const std::string& linkPath, const std::string& target) {
    char pointsTo[4096];
    const ssize_t size = readlink(linkPath.c_str(), pointsTo, sizeof pointsTo - 1);
    if (size > 0 && std::string(pointsTo, static_cast<std::size_t>(size)) == target) {
        unlink(linkPath.c_str());
    }
}

} // namespace tevano::radio
