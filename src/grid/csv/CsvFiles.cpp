#include "grid/csv/CsvFiles.h"

#include "base/AtomicFile.h"
#include "base/FileChecks.h"

#include <cerrno>
#include <unistd.h>

namespace tevano {

CsvFileText ReadCsvFile(const std::string& path) {
    // A FIFO or a device is refused at once: reading one could wait for ever.
    int fd = -1;
    const FileResult opened = OpenRegularFile(path, fd);
    if (!opened.Ok()) {
        CsvFileText file;
        file.result = opened;
        return file;
    }
    CsvFileText file = ReadCsvStream(fd);
    close(fd);
    return file;
}

CsvFileText ReadCsvStream(int fd) {
    CsvFileText file;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            file.result = {FileError::ReadFailed, errno};
            file.text.clear();
            break;
        }
        if (got == 0) {
            break;
        }
        file.text.append(buffer, static_cast<std::size_t>(got));
        if (file.text.size() > kLargestCsvFile) {
            file.tooLarge = true;
            file.text.clear();
            break;
        }
    }
    return file;
}

FileResult StoreCsvFile(const std::string& path, const std::string& text) {
    return WriteFileAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()),
                               text.size());
}

} // namespace tevano
