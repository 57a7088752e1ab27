// Packed BCD as the radio stores numbers: two decimal digits per byte, high digit in the high
// nibble, least significant byte first. Nothing is validated: a nibble above 9 counts as its value.
#pragma once

#include <cstdint>

namespace tevano {

// The byte's value read nibble by nibble (high x 10 + low); 0xFF gives 165.
constexpr int BcdByteValue(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// (x div 10) x 16 + x mod 10, kept to a byte; only 0 to 99 give a true BCD byte.
constexpr std::uint8_t ToBcdByte(long long x) {
    return static_cast<std::uint8_t>((x / 10) * 16 + x % 10);
}

// Eight BCD digits from 4 bytes, byte 3 the most significant.
constexpr std::uint32_t ReadBcd32(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value * 100 + static_cast<std::uint32_t>(BcdByteValue(bytes[i]));
    }
    return value;
}

// Writes v as eight BCD digits, byte 0 the least significant; a v of 10^8 or more does not
// fit and its top byte is not valid BCD.
constexpr void WriteBcd32(std::uint8_t* bytes, std::uint32_t v) {
    bytes[3] = ToBcdByte(v / 1000000);
    bytes[2] = ToBcdByte((v / 10000) % 100);
    bytes[1] = ToBcdByte((v / 100) % 100);
    bytes[0] = ToBcdByte(v % 100);
}

} // namespace tevano
