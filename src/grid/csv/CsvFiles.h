// Channel list files on the disk: read whole (a channel list is a few kilobytes, so anything
// past a few megabytes is refused unread), and written with the same safe replace as ".sin".
#pragma once

#include "base/FileResult.h"

#include <cstddef>
#include <string>

namespace tevano {

constexpr std::size_t kLargestCsvFile = 4 * 1024 * 1024;

struct [[nodiscard]] CsvFileText {
    FileResult result;
    bool tooLarge = false; // larger than kLargestCsvFile; text is then empty
    std::string text;
};

CsvFileText ReadCsvFile(const std::string& path);

// The same from an open descriptor (standard input, a pipe), read to its end; not closed.
CsvFileText ReadCsvStream(int fd);

// Replaces the file only once all of the text is on the disk.
FileResult StoreCsvFile(const std::string& path, const std::string& text);

} // namespace tevano
