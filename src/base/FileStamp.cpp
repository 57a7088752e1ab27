#include "base/FileStamp.h"

#include <sys/stat.h>

namespace tevano {

bool FileStamp::operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

} // namespace tevano
