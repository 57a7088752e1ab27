// A channel as typed values: what the record's bytes mean, and that writing the values back
// gives the record the grid would store.
#include "grid/Channel.h"

#include "grid/ImageBuilder.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

TEST(Channel, RecordBytesAsTypedValuesAndBack) {
    RadioImage image = testing::NewImage();
    // 145.0125 / 145.6125 MHz, 88.5 Hz / D754I, DTMF, wide, scan, high, PTT ID, carrier, forward.
    testing::SetRecord(image, 9,
                       {0x50, 0x12, 0x50, 0x14, 0x50, 0x12, 0x56, 0x14, 0x85, 0x08, 0x54, 0xC7,
                        0x02, 0x3B, 0xFF, 0x77});
    testing::SetName(image, 9, {0x0A, 0x0B, 0x24, 0x01});
    const Channel channel = ReadChannel(image, 9);
    EXPECT_EQ(channel.rx, 14501250u);
    EXPECT_EQ(channel.tx, 14561250u);
    EXPECT_EQ(channel.rxTone.kind, Tone::Kind::Ctcss);
    EXPECT_EQ(channel.rxTone.tenthsHz, 885);
    EXPECT_EQ(channel.txTone.kind, Tone::Kind::Dcs);
    EXPECT_EQ(channel.txTone.dcsCode, 754);
    EXPECT_TRUE(channel.txTone.inverted);
    EXPECT_EQ(channel.optSignal, OptSignal::Dtmf);
    EXPECT_TRUE(channel.wide && channel.scan && channel.highPower && channel.pttId);
    EXPECT_EQ(channel.busyLock, BusyLock::Carrier);
    EXPECT_TRUE(channel.forward);
    EXPECT_EQ(channel.name, "AB-1");

    // Written into another image: the values, and there the bits no value has stay as they were.
    RadioImage other = testing::NewImage();
    WriteChannel(channel, 9, other);
    EXPECT_EQ(ReadChannel(other, 9), channel);
    EXPECT_EQ(other[ChannelOffset(9) + 15], 0xFF);
    EXPECT_EQ(other[ChannelOffset(9) + 13] & 0xC0, 0xC0);
    WriteChannel(channel, 9, image);
    EXPECT_EQ(image[ChannelOffset(9) + 15], 0x77);
}

// An empty channel keeps its name and tones; its options read as an empty row stores them.
TEST(Channel, EmptyChannelsOptionsAreThoseOfAnEmptyRow) {
    RadioImage image = testing::NewImage();
    testing::SetRecord(image, 3,
                       {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x70, 0x06, 0xFF, 0xFF,
                        0x04, 0x3F, 0xFF, 0xFF});
    const Channel channel = ReadChannel(image, 3);
    EXPECT_FALSE(channel.Used());
    EXPECT_EQ(channel.rxTone.tenthsHz, 670);
    Channel expected;
    expected.rxTone = channel.rxTone;
    EXPECT_EQ(channel, expected);
}

} // namespace
} // namespace tevano
