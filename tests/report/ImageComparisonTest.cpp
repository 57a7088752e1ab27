// The comparison of two images in words: what the window shows differently, in the display
// language, and the bytes that differ where no field of the window would show it.
#include "report/ImageComparison.h"

#include "grid/ImageBuilder.h"
#include "options/OptionalFeaturesForm.h"
#include "options/SideKeyForm.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::NewImage;

// Channel 5 receiving on 145.5 MHz and sending on 146.52 MHz, wide, high power.
RadioImage WithChannelFive(std::uint8_t rxMiddle) {
    RadioImage image = NewImage();
    testing::SetRecord(image, 5,
                       {0x00, 0x00, rxMiddle, 0x14, 0x00, 0x20, 0x65, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                        0x01, 0x39, 0x00, 0xFF});
    return image;
}

TEST(ImageComparison, SameImagesHaveNothingToSay) {
    const RadioImage image = WithChannelFive(0x55);
    const ImageComparison comparison = CompareImages(image, image, Language::English);
    EXPECT_TRUE(comparison.Same());
    EXPECT_TRUE(ComparisonLines(comparison, Language::English).empty());
}

TEST(ImageComparison, ChannelFieldsInTheGridsWordsInBothLanguages) {
    const RadioImage ours = WithChannelFive(0x55);
    RadioImage theirs = WithChannelFive(0x65);
    theirs[ChannelOffset(5) + 13] &= static_cast<std::uint8_t>(~0x10); // narrow
    const ImageComparison english = CompareImages(ours, theirs, Language::English);
    EXPECT_EQ(ComparisonLines(english, Language::English),
              (std::vector<std::string>{"Channel 5, Rx Frequency: 145.50000 / 146.50000",
                                        "Channel 5, W/N: Wide / Narrow"}));
    const ImageComparison chinese = CompareImages(ours, theirs, Language::Chinese);
    EXPECT_EQ(ComparisonLines(chinese, Language::Chinese),
              (std::vector<std::string>{"频道 5，接收频率：145.50000 / 146.50000",
                                        "频道 5，宽/窄：宽 / 窄"}));
    EXPECT_TRUE(english.unshownOffsets.empty());
}

TEST(ImageComparison, SettingsInTheDialogsWords) {
    RadioImage ours = NewImage();
    SideKeyState ourKeys = OpenSideKeys(ours);
    ourKeys.key2Long = 8;
    AcceptSideKeys(ourKeys, ours);
    RadioImage theirs = ours;
    OptionalFeaturesState features = OpenOptionalFeatures(theirs);
    const int squelch = features.squelchLevel;
    features.squelchLevel = 3;
    features.callId = "A1";
    AcceptOptionalFeatures(features, theirs);
    // "OK" leaves the manual-setting bit to the form's list, as the window's next save does.
    theirs[kManualByte] |= kManualOpenBit;
    SideKeyState keys = OpenSideKeys(theirs);
    keys.key2Long = 0;
    AcceptSideKeys(keys, theirs);

    const ImageComparison comparison = CompareImages(ours, theirs, Language::English);
    EXPECT_EQ(ComparisonLines(comparison, Language::English),
              (std::vector<std::string>{
                  "Optional Features, Squelch Level: " + std::to_string(squelch) + " / 3",
                  "Optional Features, Call ID: (empty) / A1",
                  "Side Key2 Long Press: Scrambler ON/OFF / NO Function"}));
}

// Bytes no field shows are named by offset, also inside a channel that differs in a field: the
// field's line does not hide the record's other bytes.
TEST(ImageComparison, BytesNoFieldShowsAreNamedByOffset) {
    const RadioImage ours = WithChannelFive(0x55);
    RadioImage theirs = WithChannelFive(0x65);
    theirs[ChannelOffset(5) + 15] = 0x42;  // unused record byte
    theirs[kScanBitmapOffset] ^= 0x01;     // channel 1's scan bit
    theirs[kScanBitmapOffset + 1] ^= 0x01; // channel 9's scan bit
    theirs[kFormMarkByte] = 0x00;          // the form's fixed mark
    theirs[ChannelOffset(7) + 2] = 0x12;   // an empty channel's frequency bytes
    const ImageComparison comparison = CompareImages(ours, theirs, Language::English);
    ASSERT_EQ(comparison.fields.size(), 1u);
    EXPECT_EQ(comparison.fields[0].where, "Channel 5, Rx Frequency");
    EXPECT_EQ(UnshownBytesLine(comparison.unshownOffsets, Language::English),
              "Bytes no field shows differ at 0x04F, 0x062, 0x811, 0xC50-0xC51");
    const std::string tsv = ComparisonTsv(comparison, ours, theirs, Language::English);
    EXPECT_NE(tsv.find("Channel 5, Rx Frequency\t145.50000\t146.50000\n"), std::string::npos);
    EXPECT_NE(tsv.find("Byte 0x04F\t0xFF\t0x42\n"), std::string::npos);
}

} // namespace
} // namespace tevano
