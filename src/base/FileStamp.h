// What tells that a file on disk is no longer the one the program opened or saved: another
// program saved over it (a new file in its place, or new bytes, or a new time of change).
#pragma once

#include <ctime>
#include <string>
#include <sys/types.h>

namespace tevano {

struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const;
};

// The stamp of the file at `path`, links followed; `exists` false when there is none.
FileStamp StampOf(const std::string& path);

} // namespace tevano
