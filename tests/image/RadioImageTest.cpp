#include "image/RadioImage.h"
#include "image/ChannelRecord.h"
#include "image/ScanBitmap.h"

#include <gtest/gtest.h>

#include <map>

namespace tevano {
namespace {

TEST(RadioImage, LayoutOffsets) {
    EXPECT_EQ(kImageRows, 198u);
    EXPECT_EQ(ChannelOffset(1), 0x000u);
    EXPECT_EQ(ChannelOffset(128), 0x7F0u);
    EXPECT_EQ(NameOffset(1), 0x850u);
    EXPECT_EQ(NameOffset(2), 0x858u);
    EXPECT_EQ(NameOffset(128), 0xC48u); // 0xC48-0xC4F
    EXPECT_EQ(NameOffset(128) + kNameSize, kScanBitmapOffset);
    EXPECT_EQ(kScanBitmapOffset + kScanBitmapSize, kImageSize);
}

TEST(RadioImage, NewImageHoldsTheDefaultSettings) {
    RadioImage image{};
    MakeNewImage(image);
    const std::map<std::size_t, std::uint8_t> expected = {
        {0x80A, 0xEE}, {0x80B, 0x38}, {0x810, 0x80}, {0x811, 0xA8}, {0x812, 0xC4},
        {0x813, 0x05}, {0x814, 0x00}, {0x815, 0x01}, {0x816, 0x03}, {0x817, 0x04},
        {0x818, 0x00}, {0x819, 0x00}, {0x81A, 0x01}, {0x81D, 0x12}, {0x81E, 0x78},
    };
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const auto it = expected.find(offset);
        const std::uint8_t want = it == expected.end() ? 0xFF : it->second;
        ASSERT_EQ(image[offset], want) << "offset 0x" << std::hex << offset;
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        EXPECT_FALSE(ChannelRecord::IsUsed(image, channel));
        EXPECT_TRUE(ScanBitmap::Get(image, channel));
    }
}

TEST(RadioImage, FrequencyAbsentWhenTopByteIsFFOrZero) {
    const std::uint8_t ff[4] = {0x00, 0x00, 0x50, 0xFF};
    const std::uint8_t zero[4] = {0x50, 0x12, 0x50, 0x00};
    const std::uint8_t present[4] = {0xFF, 0xFF, 0xFF, 0x01};
    EXPECT_FALSE(ChannelRecord::FrequencyPresent(ff));
    EXPECT_FALSE(ChannelRecord::FrequencyPresent(zero));
    EXPECT_TRUE(ChannelRecord::FrequencyPresent(present));
}

TEST(RadioImage, ChannelWithOnlyTransmitFrequencyIsUsed) {
    RadioImage image{};
    MakeNewImage(image);
    image[ChannelOffset(5) + ChannelRecord::kTxFrequency + 3] = 0x14;
    EXPECT_TRUE(ChannelRecord::IsUsed(image, 5));
    EXPECT_FALSE(ChannelRecord::IsUsed(image, 4));
}

TEST(ScanBitmap, BitOfEachChannel) {
    RadioImage image{};
    image.fill(0x00);
    ScanBitmap::Set(image, 9, true);
    EXPECT_EQ(image[0xC51], 0x01);
    ScanBitmap::Set(image, 128, true);
    EXPECT_EQ(image[0xC5F], 0x80);
    ScanBitmap::Set(image, 1, true);
    EXPECT_EQ(image[0xC50], 0x01);
    ScanBitmap::Set(image, 9, false);
    EXPECT_EQ(image[0xC51], 0x00);
    EXPECT_TRUE(ScanBitmap::Get(image, 128));
    EXPECT_FALSE(ScanBitmap::Get(image, 127));
}

} // namespace
} // namespace tevano
