// The scan bitmap at 0xC50: one bit per channel, channel n at bit (n-1) mod 8 of byte
// 0xC50 + (n-1) div 8. The radio keeps the scan-add flag here as well as in each record.
#pragma once

#include "image/RadioImage.h"

namespace tevano {

struct ScanBitmap {
    static constexpr std::size_t ByteOffset(int channel) {
        return kScanBitmapOffset + static_cast<std::size_t>(channel - 1) / 8;
    }
    static constexpr std::uint8_t BitMask(int channel) {
        return static_cast<std::uint8_t>(1u << ((channel - 1) % 8));
    }
    static bool Get(const RadioImage& image, int channel) {
        return (image[ByteOffset(channel)] & BitMask(channel)) != 0;
    }
    static void Set(RadioImage& image, int channel, bool on) {
        std::uint8_t& byte = image[ByteOffset(channel)];
        byte = on ? static_cast<std::uint8_t>(byte | BitMask(channel))
                  : static_cast<std::uint8_t>(byte & ~BitMask(channel));
    }
};

} // namespace tevano
