#include "base/FileLock.h"

#include "base/FileChecks.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tevano {

namespace {

// Longer names would pass the system's limit on a name with the lock's dot and ending added.
constexpr std::size_t kLongestPlainName = 200;

std::string LockPathOf(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.size() > kLongestPlainName) {
        name = std::to_string(std::hash<std::string>{}(name));
    }
    return folder + "/." + name + ".tevano-lock";
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileResult FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait) {
    Release();
    std::string target;
    if (const FileResult resolved = ResolveSaveTarget(path, target); !resolved.Ok()) {
        return resolved;
    }
    const std::string lockPath = LockPathOf(target);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd =
            open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (fd < 0) {
            return {FileError::CreateFailed, errno};
        }
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before removed the lock file on its way out; a lock on that removed file
            // holds nothing, so the name is taken again.
            struct stat held {};
            struct stat named {};
            if (fstat(fd, &held) == 0 && stat(lockPath.c_str(), &named) == 0 &&
                SameFile(held, named)) {
                fd_ = fd;
                lockPath_ = lockPath;
                return {};
            }
            close(fd);
            continue;
        }
        const int error = errno;
        close(fd);
        if (error != EWOULDBLOCK && error != EINTR) {
            return {FileError::CreateFailed, error};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return {FileError::Busy, 0};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void FileLock::Release() {
    if (fd_ < 0) {
        return;
    }
    // Removed while still held, so that no one takes a lock on it in between.
    unlink(lockPath_.c_str());
    close(fd_);
    fd_ = -1;
    lockPath_.clear();
}

} // namespace tevano
