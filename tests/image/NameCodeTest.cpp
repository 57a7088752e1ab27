#include "image/NameCode.h"

#include <gtest/gtest.h>

#include <array>

namespace tevano {
namespace {

using NameBytes = std::array<std::uint8_t, 8>;

TEST(NameCode, CharacterOfEveryCode) {
    EXPECT_EQ(NameCode::Character(0), '0');
    EXPECT_EQ(NameCode::Character(9), '9');
    EXPECT_EQ(NameCode::Character(10), 'A');
    EXPECT_EQ(NameCode::Character(35), 'Z');
    EXPECT_EQ(NameCode::Character(36), '-');
    EXPECT_EQ(NameCode::Character(37), ' ');
    for (int code = 38; code <= 0xFF; ++code) {
        EXPECT_EQ(NameCode::Character(static_cast<std::uint8_t>(code)), '\0') << code;
    }
    for (int code = 0; code <= 37; ++code) {
        const char c = NameCode::Character(static_cast<std::uint8_t>(code));
        EXPECT_EQ(NameCode::Code(c), code);
    }
}

TEST(NameCode, DecodeStopsAtTheFirstByteWithoutCharacter) {
    const NameBytes he1 = {0x11, 0x0E, 0x24, 0x01, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(NameCode::Decode(he1.data()), "HE-1");
    const NameBytes zeroBlank = {0x00, 0x25, 0x30, 0x01, 0x02, 0x03, 0x04, 0x05};
    EXPECT_EQ(NameCode::Decode(zeroBlank.data()), "0 ");
    const NameBytes full = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11};
    EXPECT_EQ(NameCode::Decode(full.data()), "ABCDEFGH");
    const NameBytes empty = {0xFF, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A};
    EXPECT_EQ(NameCode::Decode(empty.data()), "");
}

TEST(NameCode, EncodeFillsWithFF) {
    NameBytes bytes{};
    NameCode::Encode("AB C-9", bytes.data());
    EXPECT_EQ(bytes, (NameBytes{0x0A, 0x0B, 0x25, 0x0C, 0x24, 0x09, 0xFF, 0xFF}));
    NameCode::Encode("", bytes.data());
    EXPECT_EQ(bytes, (NameBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(NameCode, CharactersOutsideTheSetBecomeFF) {
    NameBytes bytes{};
    NameCode::Encode("AbC", bytes.data());
    EXPECT_EQ(bytes, (NameBytes{0x0A, 0xFF, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    // The lower-case letter ends the name when it is read back.
    EXPECT_EQ(NameCode::Decode(bytes.data()), "A");
}

TEST(NameCode, CharactersAfterTheEighthAreDropped) {
    NameBytes bytes{};
    NameCode::Encode("ABCDEFGHIJ", bytes.data());
    EXPECT_EQ(NameCode::Decode(bytes.data()), "ABCDEFGH");
}

} // namespace
} // namespace tevano
