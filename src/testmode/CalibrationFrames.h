// The bytes of a calibration exchange: which item is adjusted, the receive and transmit test
// frequencies and tones in packed BCD, and the item's value. Texts are read as the test mode
// dialog's fields hold them (leading number, truncated; "OFF" and DCS names give 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tevano {

enum class CalibrationItem { TxFrequency, LowPowerVoltage, SquelchLevel, TxPower };

constexpr int kCalibrationItemCount = 4;

// The item's code on the wire: "q", "r", "s", "t".
constexpr std::uint8_t CalibrationItemCode(CalibrationItem item) {
    return static_cast<std::uint8_t>(0x71 + static_cast<int>(item));
}

constexpr std::uint8_t kItemSelectByte = 0x78; // "x"
constexpr std::uint8_t kItemSelectTrailer = 0x08;
constexpr std::uint8_t kCalibrationConfirm = 0x48; // "H", after each of the three frames

// The item select goes out as three separate sends: 0x78, the code, then code and 0x08.
std::vector<std::vector<std::uint8_t>> ItemSelectSends(CalibrationItem item);

// A frequency text in 10 Hz: its leading number x 100000 in double precision, truncated toward
// zero. Huge or endless numbers are held to the 64-bit range.
std::int64_t CalibrationFrequency10Hz(std::string_view text);

// The 4 BCD bytes of a frequency text, least significant first; 146.52 gives 00 20 65 14.
// A text that does not fit is held to 0 or 999.99999 MHz, so invalid BCD never goes out;
// callers clamp or refuse such a text first.
std::array<std::uint8_t, 4> FrequencyBcd(std::string_view text);

// The 2 BCD bytes of a tone text in 0.1 Hz: "67.0" gives 70 06, "OFF" and "D023N" 00 00.
// A text beyond 999.9 Hz is held there.
std::array<std::uint8_t, 2> ToneBcd(std::string_view text);

// Whether the text's tone fits the frame's 4 BCD digits: 0 to 999.9 Hz.
bool ToneTextFitsFrame(std::string_view text);

// Receive frequency in bytes 0-3, transmit frequency in bytes 4-7.
std::array<std::uint8_t, 8> FrequencyFrame(std::string_view rxFrequency,
                                           std::string_view txFrequency);

// Receive tone, transmit tone, 0xFB 0x01 0x01, then the value as a plain byte.
std::array<std::uint8_t, 8> ValueFrame(std::string_view rxTone, std::string_view txTone,
                                       std::uint8_t value);

} // namespace tevano
