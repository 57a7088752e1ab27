#include "base/AtomicFile.h"

#include "base/FileChecks.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

namespace {

// Creates a new, empty file beside the target. Its name is short whatever the target's, so that
// a target with a name near the system's longest still gets one.
int CreateTemporary(const FileSystemCalls& calls, const std::string& target,
                    std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    const std::string folder = FolderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = folder + "/.tevano-" + std::to_string(getpid()) + "-" +
                        std::to_string(counter++) + ".tmp";
        const int fd =
            calls.open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The rename is on the disk only once the folder is: flushed through the same calls as the file.
void SyncDirectory(const FileSystemCalls& calls, const std::string& directory) {
    const int fd = calls.open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        calls.fsync(fd);
        close(fd);
    }
}

// The process number in a temporary file's name (".tevano-PID-N.tmp"), 0 for any other name.
pid_t TemporaryOwner(const std::string& name) {
    const std::string prefix = ".tevano-";
    const std::string suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return 0;
    }
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9 || dash + 1 == middle.size() ||
        middle.find_first_not_of("0123456789-") != std::string::npos ||
        middle.find('-', dash + 1) != std::string::npos) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(middle.substr(0, dash)));
}

// Removes what a save killed half way left in the folder: its temporary files, once the process
// that made them is gone. Only the user's own regular files are touched.
void RemoveLeftovers(const std::string& folder) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = dirfd(listing);
    while (const dirent* entry = readdir(listing)) {
        const pid_t owner = TemporaryOwner(entry->d_name);
        if (owner <= 0 || owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat info {};
        if (fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == geteuid()) {
            unlinkat(folderFd, entry->d_name, 0);
        }
    }
    closedir(listing);
}

} // namespace

FileSystemCalls FileSystemCalls::Posix() {
    return FileSystemCalls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }, ::write,
        ::fsync, ::rename};
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

FileResult WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileSystemCalls& calls) {
    std::string target;
    if (const FileResult resolved = ResolveSaveTarget(path, target); !resolved.Ok()) {
        return resolved;
    }
    if (const FileResult replaceable = CheckReplaceable(target); !replaceable.Ok()) {
        return replaceable;
    }
    RemoveLeftovers(FolderOf(target));
    std::string temporaryPath;
    const int fd = CreateTemporary(calls, target, temporaryPath);
    if (fd < 0) {
        return {FileError::CreateFailed, errno};
    }
    struct stat targetInfo {};
    if (stat(target.c_str(), &targetInfo) == 0 && S_ISREG(targetInfo.st_mode)) {
        // A file someone else owns (root saving a user's file) stays theirs where allowed, else
        // keeps at least its group where allowed, else becomes the saver's.
        if (fchown(fd, targetInfo.st_uid, targetInfo.st_gid) != 0 &&
            fchown(fd, static_cast<uid_t>(-1), targetInfo.st_gid) != 0) {
            // Neither was allowed: the saver owns the new file.
        }
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
    SyncDirectory(calls, FolderOf(target));
    return {};
}

} // namespace tevano
