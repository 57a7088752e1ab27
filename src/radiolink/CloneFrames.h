// The bytes of the clone exchange on the wire: the wake-up, the acknowledgement, the mode
// request, the identification, and the block commands that move the image 8 bytes at a time.
// No frame carries a checksum: the acknowledgements, and the header of each read reply naming
// its block, are the only checks.
#pragma once

#include "image/RadioImage.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tevano {

// 0x02 "PROGRA", sent one byte per send.
constexpr std::array<std::uint8_t, 7> kWakeUp = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr std::uint8_t kAck = 0x06;
// "M" then 0x02, two sends; the radio answers with its identification.
constexpr std::array<std::uint8_t, 2> kModeRequest = {0x4D, 0x02};

constexpr std::size_t kIdentificationSize = 8;
constexpr std::size_t kIdentificationTypeByte = 4;
constexpr std::uint8_t kNoRadioType = 0xFF; // the radio reports no type: never a mismatch

constexpr std::uint8_t kReadCommand = 0x52;  // "R"
constexpr std::uint8_t kWriteCommand = 0x57; // "W"
constexpr std::size_t kBlockSize = 8;
constexpr int kBlockCount = static_cast<int>(kImageSize / kBlockSize); // 396
constexpr std::size_t kBlockCommandSize = 4;

// A read reply: 4 header bytes, which repeat the block command but for its first byte (radios
// of this family answer "W"), then the block's 8 data bytes.
constexpr std::size_t kReadReplyHeaderSize = 4;
constexpr std::size_t kReadReplySize = kReadReplyHeaderSize + kBlockSize;
// The shortest reply the program accepts. The data starts at offset 4, so a reply of 10 or 11
// bytes brings only 6 or 7 of the 8 data bytes.
constexpr std::size_t kReadReplyMinimum = 10;

// Block n lies at image offset 8 x n, which is also its address on the wire.
constexpr std::uint16_t BlockAddress(int block) {
    return static_cast<std::uint16_t>(block * static_cast<int>(kBlockSize));
}

// "R" or "W", the address high byte first, and the block length.
constexpr std::array<std::uint8_t, kBlockCommandSize> BlockCommand(std::uint8_t command,
                                                                   std::uint16_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(kBlockSize)};
}

} // namespace tevano
