// The two-byte tone code of a channel (low byte first). The high byte decides: 0xFF or 0x00 no
// tone, 0x01-0x7F a CTCSS tone in BCD tenths of a hertz, 0x80-0xBF DCS normal, 0xC0-0xFE inverted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

struct ToneWord {
    static constexpr bool HasTone(std::uint8_t high) { return high != 0xFF && high != 0x00; }

    // The text of a word that holds a tone: "67.0" for CTCSS, "D023N" or "D754I" for DCS.
    // Built by rule, so values outside the tone table (70.0, D05N) show as they are.
    static std::string Text(std::uint8_t low, std::uint8_t high);

    // Stores a tone text: a text with "D" is a DCS code (polarity "N" or else inverted), any
    // other text is a number of hertz; 0 ("OFF", an empty text) stores 0xFF 0xFF.
    static void Encode(std::string_view text, std::uint8_t& low, std::uint8_t& high);
};

} // namespace tevano
