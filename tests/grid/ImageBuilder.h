// Builds radio images for the grid tests: a new image (support/NewImage.h) with chosen channel
// bytes set.
#pragma once

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "image/ChannelRecord.h"
#include "image/RadioImage.h"
#include "support/NewImage.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tevano::testing {

// Writes the 16 record bytes of a channel.
inline void SetRecord(RadioImage& image, int channel, const std::array<std::uint8_t, 16>& record) {
    for (std::size_t i = 0; i < 16; ++i) {
        image[ChannelOffset(channel) + i] = record[i];
    }
}

inline void SetName(RadioImage& image, int channel, std::initializer_list<std::uint8_t> bytes) {
    std::size_t i = 0;
    for (std::uint8_t b : bytes) {
        image[NameOffset(channel) + i++] = b;
    }
}

// Writes a channel from the texts of its cells, columns 1 to 12, as a channel list gives them.
inline void SetChannelTexts(RadioImage& image, int channel, const std::vector<std::string>& cells) {
    ChannelRowTexts row;
    for (std::size_t i = 0; i < cells.size() && i + 1 < row.size(); ++i) {
        row[i + 1] = cells[i];
    }
    WriteChannel(ParseChannel(row, image, channel), channel, image);
}

// The texts of a channel's cells, columns 1 to 12.
inline std::vector<std::string> ChannelTexts(const RadioImage& image, int channel,
                                             Language language) {
    const ChannelRowTexts row = DecodeChannel(image, channel, language);
    return std::vector<std::string>(row.begin() + 1, row.end());
}

} // namespace tevano::testing
