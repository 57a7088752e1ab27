// Channels copied as text for a spreadsheet and pasted back through the channel list's rules:
// with the header line or without it, as a spreadsheet gives the cells back.
#include "grid/csv/CsvClipboard.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelWords.h"
#include "grid/ImageBuilder.h"
#include "grid/csv/CsvChannelImport.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tevano {
namespace {

RadioImage ThreeChannels() {
    RadioImage image = testing::NewImage();
    // 145.0125 simplex, wide, high; a channel that only transmits; 438.5 with a -7.6 MHz
    // repeater offset, 88.5 Hz both ways, named RPT-1.
    testing::SetRecord(image, 3,
                       {0x50, 0x12, 0x50, 0x14, 0x50, 0x12, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                        0x01, 0x35, 0xFE, 0xFF});
    testing::SetRecord(image, 4,
                       {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                        0x01, 0x35, 0xFE, 0xFF});
    testing::SetRecord(image, 5,
                       {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x09, 0x43, 0x85, 0x08, 0x85, 0x08,
                        0x01, 0x25, 0xFE, 0xFF});
    testing::SetName(image, 5, {0x1B, 0x19, 0x1D, 0x24, 0x01});
    return image;
}

// The receive and transmit frequency, the tones and the name: what a list carries exactly.
std::vector<std::string> Carried(const ChannelRowTexts& cells) {
    return {cells[kColRxFrequency], cells[kColTxFrequency], cells[kColRxTone], cells[kColTxTone],
            cells[kColName]};
}

TEST(CsvClipboard, ChannelsGoOutAsTabbedTextAndComeBackWithOrWithoutTheHeader) {
    const RadioImage image = ThreeChannels();
    const std::string text = ChannelsAsTabText(image, {3, 4, 5});
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 3); // header, channel 3 and 5
    EXPECT_EQ(text.rfind("Location\tName\tFrequency\t", 0), 0u) << text;

    const std::string rows = text.substr(text.find('\n') + 1);
    for (const std::string& pasted : {AsChannelList(text), AsChannelList(rows)}) {
        const CsvImport import = ReadChannelList(pasted, Language::English, {20, false});
        ASSERT_TRUE(import.Ok()) << pasted;
        ASSERT_EQ(import.channels.size(), 2u);
        EXPECT_EQ(import.channels[0].channel, 20);
        EXPECT_EQ(import.channels[1].channel, 21);
        EXPECT_EQ(Carried(import.channels[0].cells),
                  Carried(DecodeChannel(image, 3, Language::English)));
        EXPECT_EQ(Carried(import.channels[1].cells),
                  Carried(DecodeChannel(image, 5, Language::English)));
    }
    // A paragraph of text is no channel list.
    EXPECT_FALSE(ReadChannelList(AsChannelList("Dear dealer,\nplease program these radios.\n"),
                                 Language::English, {1, false})
                     .Ok());
}

} // namespace
} // namespace tevano
