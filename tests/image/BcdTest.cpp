#include "image/Bcd.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

TEST(Bcd, ByteValueReadsNibbleByNibble) {
    EXPECT_EQ(BcdByteValue(0x00), 0);
    EXPECT_EQ(BcdByteValue(0x45), 45);
    EXPECT_EQ(BcdByteValue(0x99), 99);
    // Nibbles above 9 are not rejected: high x 10 + low.
    EXPECT_EQ(BcdByteValue(0x1A), 20);
    EXPECT_EQ(BcdByteValue(0xFF), 165);
}

TEST(Bcd, ToBcdByteOfTwoDigits) {
    EXPECT_EQ(ToBcdByte(0), 0x00);
    EXPECT_EQ(ToBcdByte(7), 0x07);
    EXPECT_EQ(ToBcdByte(50), 0x50);
    EXPECT_EQ(ToBcdByte(99), 0x99);
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(BcdByteValue(ToBcdByte(x)), x);
    }
}

TEST(Bcd, FrequencyBytesLeastSignificantFirst) {
    std::uint8_t bytes[4] = {};
    WriteBcd32(bytes, 14501250);
    EXPECT_EQ(bytes[0], 0x50);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[2], 0x50);
    EXPECT_EQ(bytes[3], 0x14);
    EXPECT_EQ(ReadBcd32(bytes), 14501250u);

    WriteBcd32(bytes, 43999375);
    EXPECT_EQ(bytes[0], 0x75);
    EXPECT_EQ(bytes[1], 0x93);
    EXPECT_EQ(bytes[2], 0x99);
    EXPECT_EQ(bytes[3], 0x43);
}

TEST(Bcd, NonDecimalDigitsReadByTheArithmetic) {
    const std::uint8_t bytes[4] = {0xFF, 0xFF, 0xFF, 0xFE};
    // 164 x 10^6 + 165 x 10^4 + 165 x 100 + 165
    EXPECT_EQ(ReadBcd32(bytes), 164u * 1000000 + 165u * 10000 + 165u * 100 + 165u);
}

} // namespace
} // namespace tevano
