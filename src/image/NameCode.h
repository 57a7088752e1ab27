// Channel names: 8 bytes at 0x850 + (n-1) x 8, one code per character: 0-9 digits, 10-35 "A"-"Z",
// 36 "-", 37 blank, 0xFF end of name. Any other code ends the name when it is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

struct NameCode {
    static constexpr std::uint8_t kEnd = 0xFF;

    // The character of a code, or '\0' for a code that has none.
    static constexpr char Character(std::uint8_t code) {
        if (code <= 9) {
            return static_cast<char>('0' + code);
        }
        if (code <= 35) {
            return static_cast<char>('A' + code - 10);
        }
        if (code == 36) {
            return '-';
        }
        if (code == 37) {
            return ' ';
        }
        return '\0';
    }

    // The code of a character; 0xFF for a character outside the radio's set (lower case too).
    static constexpr std::uint8_t Code(char c) {
        if (c >= '0' && c <= '9') {
            return static_cast<std::uint8_t>(c - '0');
        }
        if (c >= 'A' && c <= 'Z') {
            return static_cast<std::uint8_t>(c - 55);
        }
        if (c == '-') {
            return 36;
        }
        if (c == ' ') {
            return 37;
        }
        return kEnd;
    }

    // Reads the 8 name bytes up to the first byte without a character.
    static std::string Decode(const std::uint8_t* nameBytes);

    // Writes the text's bytes (at most 8) as codes and fills the rest with 0xFF.
    static void Encode(std::string_view text, std::uint8_t* nameBytes);
};

} // namespace tevano
