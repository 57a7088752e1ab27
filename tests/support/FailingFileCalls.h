// The system calls of a file save with one of them failing, for the tests that show a failed
// save leaves the old file whole: the disk full after some bytes, the flush, the rename, or the
// new file that cannot be made.
#pragma once

#include "base/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace tevano::testing {

// Writes stop with ENOSPC once the file holds `bytes` bytes.
inline FileSystemCalls DiskFullAfter(std::size_t bytes) {
    FileSystemCalls calls = FileSystemCalls::Posix();
    calls.write = [bytes](int fd, const void* data, std::size_t size) -> ssize_t {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= static_cast<off_t>(bytes)) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, std::min(size, bytes - static_cast<std::size_t>(at)));
    };
    return calls;
}

inline FileSystemCalls FlushFails(int error = EIO) {
    FileSystemCalls calls = FileSystemCalls::Posix();
    calls.fsync = [error](int) {
        errno = error;
        return -1;
    };
    return calls;
}

inline FileSystemCalls RenameFails(int error) {
    FileSystemCalls calls = FileSystemCalls::Posix();
    calls.rename = [error](const char*, const char*) {
        errno = error;
        return -1;
    };
    return calls;
}

inline FileSystemCalls CreateFails(int error) {
    FileSystemCalls calls = FileSystemCalls::Posix();
    calls.open = [error](const char*, int, mode_t) {
        errno = error;
        return -1;
    };
    return calls;
}

} // namespace tevano::testing
