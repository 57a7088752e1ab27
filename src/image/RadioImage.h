// The radio's whole programmable memory as the program holds it: 3168 bytes, 198 rows of 16.
// Channels at 0x000, settings at 0x800, names at 0x850, scan bitmap at 0xC50; a plain byte array.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tevano {

constexpr std::size_t kImageSize = 3168;
constexpr std::size_t kImageRowSize = 16;
constexpr std::size_t kImageRows = kImageSize / kImageRowSize;
constexpr int kChannelCount = 128;

using RadioImage = std::array<std::uint8_t, kImageSize>;

// Areas of the image.
constexpr std::size_t kChannelAreaOffset = 0x000;
constexpr std::size_t kChannelRecordSize = 16;
constexpr std::size_t kSettingsAreaOffset = 0x800;
constexpr std::size_t kNameAreaOffset = 0x850;
constexpr std::size_t kNameSize = 8;
constexpr std::size_t kScanBitmapOffset = 0xC50;
constexpr std::size_t kScanBitmapSize = 16;

// Bytes of the settings area that the channel form itself shows.
constexpr std::size_t kFieldByte = 0x80A;    // band, 0xEE + "Field" list index
constexpr std::size_t kTypeByte = 0x80B;     // radio type, 0x38 + "Type" list index
constexpr std::size_t kFormMarkByte = 0x811; // written as 0xA8 by every channel encode
constexpr std::size_t kManualByte = 0x812;   // bit 7: "Manul Setting" open
constexpr std::uint8_t kManualOpenBit = 0x80;
constexpr std::uint8_t kFieldBase = 0xEE;
constexpr std::uint8_t kTypeBase = 0x38;
constexpr std::uint8_t kFormMark = 0xA8;

// The type code that the clone protocol compares with the radio's identification.
constexpr std::size_t kRadioTypeCodeByte = 0x81B;

// Image offset of channel n's record (n from 1 to 128).
constexpr std::size_t ChannelOffset(int channel) {
    return kChannelAreaOffset + static_cast<std::size_t>(channel - 1) * kChannelRecordSize;
}

// Image offset of channel n's 8-byte name.
constexpr std::size_t NameOffset(int channel) {
    return kNameAreaOffset + static_cast<std::size_t>(channel - 1) * kNameSize;
}

// Fills the image as File New makes it: all 0xFF, then the radio's default settings.
void MakeNewImage(RadioImage& image);

} // namespace tevano
