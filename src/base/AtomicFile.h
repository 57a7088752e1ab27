// Replaces a file's content so that it is never left half written: the bytes go to a new file
// beside it, are flushed to the disk, and that file is renamed over the target in one step.
#pragma once

#include "base/FileResult.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace tevano {

// The system calls that can fail while a file is replaced; tests put failing ones in their place.
struct FileSystemCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open; // the new file, the folder
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync; // the new file, then the folder after the rename
    std::function<int(const char* from, const char* to)> rename;

    static FileSystemCalls Posix();
};

// Writes all the bytes to the open file through `calls.write`, again after an interruption; a
// write that takes nothing fails with EIO. False, with errno set, when a write fails.
bool WriteAll(const FileSystemCalls& calls, int fd, const std::uint8_t* data, std::size_t size);

// Writes the bytes to the path. On failure the previous file (if any) is left byte for byte as
// it was and no temporary file remains. A symbolic link is followed as the system follows one
// (ResolveSaveTarget): its target is replaced, or made when it does not exist yet. A target that
// is not a regular file, or that its user could not write in place (FileChecks.h), is refused
// and left alone. The replaced file keeps its mode and, where the system lets it, its owner.
// Temporary files that a killed save left in the folder are removed first.
FileResult WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                               const FileSystemCalls& calls = FileSystemCalls::Posix());

} // namespace tevano
