// Records whose digits are not decimal, as a damaged file or a confused radio can hold them: a
// save must not turn them into another frequency or tone, or into none. Found by fuzzing the
// open-save-open round trip of channel data files.

#include "ImageBuilder.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelWords.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace tevano {
namespace {

using testing::NewImage;
using testing::SetRecord;

struct OddRecord {
    const char* what;
    std::array<std::uint8_t, 12> bytes; // frequencies and tone words; the rest is a used record's
    const char* rxFrequency;
    const char* txFrequency;
    const char* rxTone;
    const char* txTone;
};

// Each of these came back from a save as another channel before the encode kept such bytes.
const OddRecord kOddRecords[] = {
    {"top byte 0xFA reads 160",
     {0x00, 0x00, 0x00, 0xFA, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF},
     "1600.00000",
     "145.00000",
     "OFF",
     "OFF"},
    {"top byte 0xFE with 0xFF below carries to 165",
     {0xFF, 0xFF, 0xFF, 0xFE, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF},
     "1656.66665",
     "145.00000",
     "OFF",
     "OFF"},
    {"CTCSS of 800 Hz and more",
     {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0xA0, 0x79, 0x75, 0x7F},
     "145.00000",
     "145.00000",
     "800.0",
     "857.5"},
    {"DCS with hundreds 0 and a low byte above 99",
     {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0xFF, 0x80, 0xA0, 0xC0},
     "145.00000",
     "145.00000",
     "D0165N",
     "D0100I"},
    {"DCS codes past the polarity's range",
     {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0xA0, 0xBF, 0xD1, 0xFE},
     "145.00000",
     "145.00000",
     "D6400N",
     "D6331I"},
};

TEST(OddRecordRoundTrip, SaveKeepsBytesThatNoTextGivesBack) {
    for (const OddRecord& odd : kOddRecords) {
        for (const Language language : {Language::English, Language::Chinese}) {
            RadioImage image = NewImage();
            std::array<std::uint8_t, 16> record{};
            std::copy(odd.bytes.begin(), odd.bytes.end(), record.begin());
            record[12] = 0x01;
            record[13] = 0x3D;
            record[14] = 0xFE;
            SetRecord(image, 7, record);
            const ChannelRowTexts shown = DecodeChannel(image, 7, language);
            EXPECT_EQ(shown[kColRxFrequency], odd.rxFrequency) << odd.what;
            EXPECT_EQ(shown[kColTxFrequency], odd.txFrequency) << odd.what;
            EXPECT_EQ(shown[kColRxTone], odd.rxTone) << odd.what;
            EXPECT_EQ(shown[kColTxTone], odd.txTone) << odd.what;

            RadioImage saved = image;
            EncodeChannel(shown, 7, saved);
            for (std::size_t i = 0; i < 12; ++i) {
                EXPECT_EQ(saved[ChannelOffset(7) + i], odd.bytes[i]) << odd.what << " byte " << i;
            }
            EXPECT_EQ(DecodeChannel(saved, 7, language), shown) << odd.what;
        }
    }
}

// Bytes the encode can write back in the radio's own digits are still rewritten that way, and
// a cell that no longer shows the odd bytes' value is written from its text.
TEST(OddRecordRoundTrip, CellsThatChangedOrFitAreWrittenAsUsual) {
    RadioImage image = NewImage();
    SetRecord(image, 3,
              {0x00, 0x00, 0x00, 0xFA, 0x00, 0x00, 0x00, 0xFA, 0xA0, 0x79, 0x7A, 0x06, 0x01, 0x3D,
               0xFE, 0xFF});
    ChannelRowTexts cells = DecodeChannel(image, 3, Language::English);
    ASSERT_EQ(cells[kColTxTone], "68.0"); // 0x06, 0x7A: the low nibble 10 carries
    cells[kColRxFrequency] = "145.01250";
    cells[kColRxTone] = "88.5";
    EncodeChannel(cells, 3, image);
    const std::uint8_t* record = &image[ChannelOffset(3)];
    EXPECT_EQ((std::array<std::uint8_t, 4>{record[0], record[1], record[2], record[3]}),
              (std::array<std::uint8_t, 4>{0x50, 0x12, 0x50, 0x14}));
    EXPECT_EQ(record[7], 0xFA); // unchanged transmit frequency kept
    EXPECT_EQ(record[8], 0x85);
    EXPECT_EQ(record[9], 0x08);
    EXPECT_EQ(record[10], 0x80); // written back in decimal digits
    EXPECT_EQ(record[11], 0x06);
}

} // namespace
} // namespace tevano
