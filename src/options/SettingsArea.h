// The radio-wide options in bytes 0x810 to 0x84F of the image: which byte and bit holds which
// setting, the time-out, VOX gain and side-key encodings, and the six 8-byte ID fields.
// The two settings dialogs read and write the image through these; nothing else is kept.
#pragma once

#include "image/RadioImage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

// 0x810: the PTT ID sent at the start and at the end of a transmission.
constexpr std::size_t kPttIdByte = 0x810;
constexpr std::uint8_t kBeginOfTxBit = 0x20;
constexpr std::uint8_t kEndOfTxBit = 0x10;

// 0x812: language announcement, battery save, scrambler, beep (bit 7 is the form's manual setting).
constexpr std::size_t kFeatureByte = 0x812;
constexpr std::uint8_t kLanguageMask = 0x03;
constexpr std::uint8_t kBatterySaveBit = 0x04;
constexpr std::uint8_t kScramblerBit = 0x10;
constexpr std::uint8_t kBeepBit = 0x40;
constexpr std::uint8_t kLanguageCodeChinese = 3; // 1 reads as Chinese too
constexpr std::uint8_t kLanguageCodeEnglish = 2;
constexpr std::uint8_t kLanguageCodeOff = 0;

constexpr std::size_t kSquelchByte = 0x813; // squelch level 0 to 9
constexpr std::size_t kTimeOutByte = 0x814; // 15-second steps, 0 = off
constexpr std::size_t kVoxGainByte = 0x815; // level + 1, 1 = off

// 0x816: optional signal in frequency mode (bits 0-1) and the VOX switch (bit 2).
constexpr std::size_t kSignalVoxByte = 0x816;
constexpr std::uint8_t kOptSignalMask = 0x03;
constexpr std::uint8_t kVoxSwitchBit = 0x04;

// Two bytes the radio wants fixed; every accepted Optional Features dialog rewrites them.
constexpr std::size_t kFixedFourByte = 0x817;
constexpr std::size_t kFixedZeroByte = 0x818;
constexpr std::uint8_t kFixedFourValue = 4;
constexpr std::uint8_t kFixedZeroValue = 0;

constexpr std::size_t kRogerByte = 0x819;           // 0 = off, 1 to 10
constexpr std::size_t kPriorityChannelByte = 0x81A; // channel number 1 to 128

// Side keys: high nibble the short press, low nibble the long press, function codes 0 to 8.
constexpr std::size_t kSideKey1Byte = 0x81D;
constexpr std::size_t kSideKey2Byte = 0x81E;
constexpr int kSideKeyFunctionCount = 9;

constexpr int kTimeOutMaxSteps = 40; // 600 seconds
constexpr int kTimeOutStepSeconds = 15;

// The six ID codes, 8 bytes each, left-aligned ASCII padded with 0xFF.
enum class IdField { Group, Call, Id, Check, Kill, Listen };

constexpr std::size_t kIdFieldSize = 8;
constexpr std::size_t kGroupIdMaxLength = 4; // digits only
constexpr std::size_t kIdMaxLength = 8;

constexpr std::size_t IdFieldOffset(IdField field) {
    switch (field) {
    case IdField::Group:
        return 0x820;
    case IdField::Call:
        return 0x828;
    case IdField::Id:
        return 0x830;
    case IdField::Check:
        return 0x838;
    case IdField::Kill:
        return 0x840;
    case IdField::Listen:
        return 0x848;
    }
    return 0x820;
}

// The ID as the dialog shows it: digits (and, except for the group ID, letters in upper case)
// collected from the field's bytes; every other byte is skipped, so a gap does not end the ID.
std::string ReadIdField(const RadioImage& image, IdField field);

// Stores the text into all 8 bytes of the field: letters as upper-case ASCII, digits as ASCII,
// any other character as "0", positions past the text as 0xFF. The group ID takes no letters,
// and a 4-digit group ID starting with 2 to 9 is stored starting with "1", as the radio needs.
void WriteIdField(RadioImage& image, IdField field, std::string_view text);

// "OFF" for 0, else the seconds of n steps ("15" to "600").
std::string TimeOutText(int steps);

// VOX gain: list position p ("OFF" = 0, "1" to "10") is stored as p + 1.
constexpr std::uint8_t VoxGainByte(int position) {
    return static_cast<std::uint8_t>(position + 1);
}

constexpr std::uint8_t SideKeyByte(int shortPressCode, int longPressCode) {
    return static_cast<std::uint8_t>(shortPressCode * 16 + longPressCode);
}
constexpr int SideKeyShortPress(std::uint8_t byte) {
    return byte >> 4;
}
constexpr int SideKeyLongPress(std::uint8_t byte) {
    return byte & 0x0F;
}

} // namespace tevano
