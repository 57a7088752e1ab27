#include "testmode/CalibrationFrames.h"

#include <gtest/gtest.h>

#include <vector>

namespace tevano {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N> Bytes ToBytes(const std::array<std::uint8_t, N>& array) {
    return Bytes(array.begin(), array.end());
}

bool IsBcd(std::uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

TEST(CalibrationFrames, FrequencyTextsInBcd) {
    struct Case {
        const char* text;
        Bytes bytes;
    };
    const Case cases[] = {
        {"146.52", {0x00, 0x20, 0x65, 0x14}},
        {"400.00625", {0x25, 0x06, 0x00, 0x40}},
        {"145.13125", {0x25, 0x31, 0x51, 0x14}},
        {"134.00000", {0x00, 0x00, 0x40, 0x13}},
        {" 99.9", {0x00, 0x00, 0x99, 0x09}},
        {"999.99999", {0x99, 0x99, 0x99, 0x99}},
        // Truncated to 10 Hz, never rounded up.
        {"145.000099", {0x09, 0x00, 0x50, 0x14}},
        {"420MHz", {0x00, 0x00, 0x00, 0x42}},
        {"", {0x00, 0x00, 0x00, 0x00}},
        {"abc", {0x00, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToBytes(FrequencyBcd(c.text)), c.bytes) << c.text;
    }
}

TEST(CalibrationFrames, FrequenciesBeyondEightDigitsAreNeverSentAsInvalidBcd) {
    for (const char* text : {"1000", "1000.00001", "5000", "1e400", "-0.1", "-145"}) {
        for (std::uint8_t byte : FrequencyBcd(text)) {
            EXPECT_TRUE(IsBcd(byte)) << text;
        }
    }
    EXPECT_EQ(CalibrationFrequency10Hz("1000"), 100000000);
}

TEST(CalibrationFrames, ToneTextsInBcd) {
    struct Case {
        const char* text;
        Bytes bytes;
    };
    const Case cases[] = {
        {"67.0", {0x70, 0x06}},  {"254.1", {0x41, 0x25}}, {"100.0", {0x00, 0x10}},
        {"210.7", {0x07, 0x21}}, {"OFF", {0x00, 0x00}},   {"D023N", {0x00, 0x00}},
        {"D754I", {0x00, 0x00}}, {"", {0x00, 0x00}},      {"88.59", {0x85, 0x08}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToBytes(ToneBcd(c.text)), c.bytes) << c.text;
        EXPECT_TRUE(ToneTextFitsFrame(c.text)) << c.text;
    }
    EXPECT_FALSE(ToneTextFitsFrame("1000"));
    EXPECT_FALSE(ToneTextFitsFrame("-67"));
    EXPECT_EQ(ToBytes(ToneBcd("1000")), (Bytes{0x99, 0x99}));
}

TEST(CalibrationFrames, ItemSelectOnTheWire) {
    const std::pair<CalibrationItem, std::uint8_t> items[] = {
        {CalibrationItem::TxFrequency, 0x71},
        {CalibrationItem::LowPowerVoltage, 0x72},
        {CalibrationItem::SquelchLevel, 0x73},
        {CalibrationItem::TxPower, 0x74},
    };
    for (const auto& [item, code] : items) {
        const std::vector<Bytes> sends = ItemSelectSends(item);
        ASSERT_EQ(sends.size(), 3u);
        EXPECT_EQ(sends[0], Bytes{0x78});
        EXPECT_EQ(sends[1], Bytes{code});
        EXPECT_EQ(sends[2], (Bytes{code, 0x08}));
    }
}

TEST(CalibrationFrames, FrequencyAndValueFrames) {
    EXPECT_EQ(ToBytes(FrequencyFrame("146.52", "400.00625")),
              (Bytes{0x00, 0x20, 0x65, 0x14, 0x25, 0x06, 0x00, 0x40}));
    EXPECT_EQ(ToBytes(FrequencyFrame("", "")), Bytes(8, 0x00));
    EXPECT_EQ(ToBytes(ValueFrame("OFF", "D023N", 47)),
              (Bytes{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0x2F}));
    EXPECT_EQ(ToBytes(ValueFrame("67.0", "254.1", 255)),
              (Bytes{0x70, 0x06, 0x41, 0x25, 0xFB, 0x01, 0x01, 0xFF}));
}

} // namespace
} // namespace tevano
