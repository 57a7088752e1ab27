// Keeps two programs from changing one channel data file at once: a command that reads the file,
// changes it and saves it back holds it from the read to the rename, and a second one waits its
// turn instead of saving over the first one's channels.
#pragma once

#include "base/FileResult.h"

#include <chrono>
#include <string>

namespace tevano {

// How long a second program waits for the first one's save before it gives up.
constexpr std::chrono::milliseconds kFileLockWait{8000};

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Holds the file a save at `path` writes (links followed as the save follows them), waiting
    // up to `wait` while another program holds it; Busy when it still does then. The lock is a
    // hidden file beside the file (".NAME.tevano-lock"), removed again on Release.
    FileResult Acquire(const std::string& path, std::chrono::milliseconds wait = kFileLockWait);
    void Release();

private:
    int fd_ = -1;
    std::string lockPath_;
};

} // namespace tevano
