// The used channels of the image as a channel list: the header line, then one row per channel
// in channel order, each field as the radio stores it.
#pragma once

#include "grid/ChannelDecode.h"
#include "image/RadioImage.h"

#include <optional>
#include <string>
#include <vector>

namespace tevano {

// The header line: Location,Name,Frequency,...,DVCODE.
std::string CsvHeaderLine();

// The 21 fields of one channel from its cell texts, or nothing for a channel without a
// receive frequency (an empty one, or one that only transmits).
std::optional<std::vector<std::string>> ChannelCsvFields(const ChannelRowTexts& cells, int channel);

struct [[nodiscard]] CsvExport {
    std::string text;
    int rows = 0;
    // Channels that have a transmit frequency but no receive frequency: a channel list's
    // Frequency is the receive frequency, so they have no row and the user must be told.
    std::vector<int> leftOut;
};

CsvExport ExportChannelList(const RadioImage& image);

// Megahertz with six decimals and "." as the decimal mark: 14501250 gives 145.012500.
std::string CsvMegahertz(std::uint32_t units10Hz);

} // namespace tevano
