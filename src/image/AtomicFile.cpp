#include "image/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that will really be replaced: the target of a symbolic link, else the path itself.
std::string ResolveTarget(const std::string& path) {
    struct stat linkInfo {};
    if (lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

// Creates a new, empty file beside the target, readable like the file it will replace.
int CreateTemporary(const std::string& target, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    const std::string directory = DirectoryOf(target);
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = directory + "/." + base + "." + std::to_string(getpid()) + "." +
                        std::to_string(counter++) + ".tmp";
        const int fd = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(const FileSystemCalls& calls, int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = calls.write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void SyncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

FileSystemCalls FileSystemCalls::Posix() {
    return FileSystemCalls{::write, ::fsync, ::rename};
}

FileResult WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileSystemCalls& calls) {
    const std::string target = ResolveTarget(path);
    std::string temporaryPath;
    const int fd = CreateTemporary(target, temporaryPath);
    if (fd < 0) {
        return {FileError::CreateFailed, errno};
    }
    struct stat targetInfo {};
    if (stat(target.c_str(), &targetInfo) == 0 && S_ISREG(targetInfo.st_mode)) {
        fchmod(fd, targetInfo.st_mode & 07777);
    }
    const bool written = WriteAll(calls, fd, data, size) && calls.fsync(fd) == 0;
    const int writeError = errno;
    if (close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        unlink(temporaryPath.c_str());
        return {FileError::WriteFailed, error};
    }
    if (calls.rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporaryPath.c_str());
        return {FileError::WriteFailed, error};
    }
    SyncDirectory(DirectoryOf(target));
    return {};
}

} // namespace tevano
