#include "image/ChannelFile.h"

#include "base/AtomicFile.h"
#include "base/FileChecks.h"

#include <cerrno>
#include <unistd.h>

namespace tevano {

FileResult LoadChannelFile(const std::string& path, RadioImage& image) {
    // A device or a pipe named by mistake is refused at once rather than waited on.
    int fd = -1;
    if (const FileResult opened = OpenRegularFile(path, fd); !opened.Ok()) {
        return opened;
    }
    RadioImage staging{};
    std::size_t total = 0;
    while (total < staging.size()) {
        const ssize_t got = read(fd, staging.data() + total, staging.size() - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            close(fd);
            return {FileError::ReadFailed, error};
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    close(fd);
    if (total < staging.size()) {
        return {FileError::TooShort, 0};
    }
    image = staging;
    return {};
}

FileResult StoreChannelFile(const std::string& path, const RadioImage& image) {
    return WriteFileAtomically(path, image.data(), image.size());
}

} // namespace tevano
