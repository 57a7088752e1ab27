#include "base/FileChecks.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace tevano {

namespace {

// More links than this in a row is a loop; the open of the last one reports it.
constexpr int kMostLinks = 40;

FileResult NotRegularResult(const struct stat& info) {
    return S_ISDIR(info.st_mode) ? FileResult{FileError::OpenFailed, EISDIR}
                                 : FileResult{FileError::NotRegular, 0};
}

// The system's own rule for links in shared folders (fs.protected_symlinks): in a folder that is
// sticky and writable by all, a link is followed only when the user or the folder's owner owns
// it. Anyone may put a link there, so without the rule a link could aim the save at any file the
// user (root) may write.
bool MayFollow(const struct stat& link, const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        return true; // nothing to judge: the save itself fails on the missing folder
    }
    const bool shared = (info.st_mode & S_ISVTX) != 0 && (info.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == geteuid() || link.st_uid == info.st_uid;
}

// Whether every folder link on the way to `path` may be followed, by the same rule.
bool MayFollowFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        struct stat info {};
        if (lstat(folder.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
            !MayFollow(info, FolderOf(folder))) {
            return false;
        }
    }
    return true;
}

// Links in /proc (behind /dev/stdout and /dev/fd/N) stand for open descriptors: what they name
// is the program's standard output, which may be a log that must not be replaced.
bool NamesDescriptor(const std::string& folder) {
    struct statfs info {};
    return statfs(folder.c_str(), &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

} // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileResult OpenRegularFile(const std::string& path, int& fd) {
    fd = -1;
    // Looked at before the open, which on a device could already do something (a serial line
    // drops its modem lines).
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return NotRegularResult(info);
    }
    const int opened = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0) {
        return {FileError::OpenFailed, errno};
    }
    // And after it: the path may have been swapped for something else in between.
    if (fstat(opened, &info) != 0) {
        const int error = errno;
        close(opened);
        return {FileError::OpenFailed, error};
    }
    if (!S_ISREG(info.st_mode)) {
        close(opened);
        return NotRegularResult(info);
    }
    fd = opened;
    return {};
}

FileResult ResolveSaveTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        if (!MayFollowFolders(target)) {
            return {FileError::ForeignLink, 0};
        }
        struct stat info {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {};
        }
        const std::string folder = FolderOf(target);
        if (!MayFollow(info, folder)) {
            return {FileError::ForeignLink, 0};
        }
        if (NamesDescriptor(folder)) {
            return {FileError::NotRegular, 0};
        }
        char link[PATH_MAX];
        const ssize_t size = readlink(target.c_str(), link, sizeof link);
        if (size <= 0 || static_cast<std::size_t>(size) >= sizeof link) {
            return {};
        }
        const std::string next(link, static_cast<std::size_t>(size));
        target = next.front() == '/' ? next : folder + "/" + next;
    }
    return {};
}

FileResult CheckReplaceable(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) != 0) {
        const int error = errno;
        // A chain of links that cannot be followed to its end (a loop): the save would put a
        // file in the place of the link.
        struct stat link {};
        if (error != ENOENT && lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            return {FileError::WriteFailed, error};
        }
        // Nothing there to protect; whatever keeps a new file from being made there is reported
        // by the step that makes it.
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        return S_ISDIR(info.st_mode) ? FileResult{FileError::WriteFailed, EISDIR}
                                     : FileResult{FileError::NotRegular, 0};
    }
    if (geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return {FileError::ReadOnly, EACCES};
    }
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return {FileError::ReadOnly, errno};
    }
    return {};
}

FileResult CheckSaveTarget(const std::string& path) {
    std::string target;
    if (const FileResult resolved = ResolveSaveTarget(path, target); !resolved.Ok()) {
        return resolved;
    }
    const std::string folder = FolderOf(target);
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        return {FileError::CreateFailed, errno};
    }
    if (!S_ISDIR(info.st_mode)) {
        return {FileError::CreateFailed, ENOTDIR};
    }
    if (faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return {FileError::CreateFailed, errno};
    }
    return CheckReplaceable(target);
}

} // namespace tevano
