#include "image/ChannelFile.h"

#include "image/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

FileResult LoadChannelFile(const std::string& path, RadioImage& image) {
    // Non-blocking, so that a device or a pipe named by mistake cannot hang the program.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {FileError::OpenFailed, errno};
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        return {FileError::OpenFailed, EISDIR};
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
