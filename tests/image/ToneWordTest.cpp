#include "image/ToneWord.h"
#include "image/ToneTable.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

struct DecodeCase {
    std::uint8_t low;
    std::uint8_t high;
    const char* text;
};

TEST(ToneWord, DecodeByRule) {
    const DecodeCase cases[] = {
        {0x70, 0x06, "67.0"},
        {0x00, 0x10, "100.0"},
        {0x41, 0x25, "254.1"},
        {0x00, 0x07, "70.0"}, // not a table tone, shown as it is
        {0x23, 0xC0, "D023I"},
        {0x14, 0x81, "D114N"},
        {0x23, 0x80, "D023N"},
        {0x54, 0xC7, "D754I"},
        {0x54, 0x87, "D754N"},
        {0x05, 0x80, "D05N"},  // below 10 with hundreds 0: two digits after "D"
        {0x1A, 0x80, "D020N"}, // non-decimal nibbles read as high x 10 + low
        {0x00, 0x80, "D00N"},
        {0x99, 0xBF, "D6399N"},
        {0xFF, 0xFE, "D6365I"},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(ToneWord::Text(c.low, c.high), c.text)
            << std::hex << int(c.low) << " " << int(c.high);
    }
}

TEST(ToneWord, HasToneOnlyForHighByteOtherThanFFAndZero) {
    EXPECT_FALSE(ToneWord::HasTone(0xFF));
    EXPECT_FALSE(ToneWord::HasTone(0x00));
    EXPECT_TRUE(ToneWord::HasTone(0x01));
    EXPECT_TRUE(ToneWord::HasTone(0xFE));
}

struct EncodeCase {
    const char* text;
    std::uint8_t low;
    std::uint8_t high;
};

TEST(ToneWord, EncodeFromText) {
    const EncodeCase cases[] = {
        {"67.0", 0x70, 0x06},
        {"71.9", 0x19, 0x07},
        {"100.0", 0x00, 0x10},
        {"D023N", 0x23, 0x80},
        {"D754I", 0x54, 0xC7},
        {"D05N", 0x05, 0x80},
        {"OFF", 0xFF, 0xFF},
        {"", 0xFF, 0xFF},
        {"0.05", 0xFF, 0xFF},
        // The first character is dropped whatever it is; the polarity is "N" anywhere in the rest.
        {"xD114N", 0x00, 0x80},
        {"D114", 0x14, 0xC1},
    };
    for (const EncodeCase& c : cases) {
        std::uint8_t low = 0;
        std::uint8_t high = 0;
        ToneWord::Encode(c.text, low, high);
        EXPECT_EQ(low, c.low) << c.text;
        EXPECT_EQ(high, c.high) << c.text;
    }
}

TEST(ToneWord, EveryTableNameSurvivesEncodeAndDecode) {
    const ToneTable table;
    for (int i = 1; i < table.Count(); ++i) {
        std::uint8_t low = 0;
        std::uint8_t high = 0;
        ToneWord::Encode(table.Name(i), low, high);
        ASSERT_TRUE(ToneWord::HasTone(high)) << table.Name(i);
        EXPECT_EQ(ToneWord::Text(low, high), table.Name(i));
    }
}

TEST(ToneWord, EveryWordWithDecimalDigitsSurvivesDecodeAndEncode) {
    for (int high = 0x01; high <= 0xFE; ++high) {
        for (int low = 0; low <= 0xFF; ++low) {
            const auto lo = static_cast<std::uint8_t>(low);
            const auto hi = static_cast<std::uint8_t>(high);
            const std::string text = ToneWord::Text(lo, hi);
            const bool decimalLow = (low >> 4) <= 9 && (low & 0x0F) <= 9;
            const bool decimalHigh = high >= 0x80 || ((high >> 4) <= 9 && (high & 0x0F) <= 9);
            if (!decimalLow || !decimalHigh) {
                continue; // such words still decode (above) but cannot come back unchanged
            }
            std::uint8_t low2 = 0;
            std::uint8_t high2 = 0;
            ToneWord::Encode(text, low2, high2);
            ASSERT_EQ(low2, lo) << text;
            ASSERT_EQ(high2, hi) << text;
        }
    }
}

} // namespace
} // namespace tevano
