// Builds radio images for the grid tests: a new image (support/NewImage.h) with chosen channel
// bytes set.
#pragma once

#include "image/ChannelRecord.h"
#include "image/RadioImage.h"
#include "support/NewImage.h"

#include <array>
#include <cstdint>
#include <initializer_list>

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

} // namespace tevano::testing
