#include "ImageBuilder.h"

#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "image/ScanBitmap.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::NewImage;

ChannelRowTexts Row(std::initializer_list<const char*> texts) {
    ChannelRowTexts cells;
    std::size_t col = 1;
    for (const char* text : texts) {
        cells[col++] = text;
    }
    return cells;
}

std::array<std::uint8_t, 16> Record(const RadioImage& image, int channel) {
    std::array<std::uint8_t, 16> record{};
    std::copy_n(image.begin() + static_cast<long>(ChannelOffset(channel)), 16, record.begin());
    return record;
}

std::array<std::uint8_t, 8> Name(const RadioImage& image, int channel) {
    std::array<std::uint8_t, 8> name{};
    std::copy_n(image.begin() + static_cast<long>(NameOffset(channel)), 8, name.begin());
    return name;
}

TEST(ChannelEncode, EmptyRowOfANewImage) {
    RadioImage image = NewImage();
    EncodeChannel(ChannelRowTexts{}, 1, image);
    EXPECT_EQ(Record(image, 1),
              (std::array<std::uint8_t, 16>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0x00, 0xC4, 0xFE, 0xFF}));
    EXPECT_FALSE(ScanBitmap::Get(image, 1));
    EXPECT_EQ(Name(image, 1),
              (std::array<std::uint8_t, 8>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ChannelEncode, UsedRowInEitherLanguagesWords) {
    const ChannelRowTexts english = Row({"145.0125", "439.99375", "71.9", "D754I", "Wide", "Yes",
                                         "High", "CCIR", "ON", "Carrier", "Forward", "AB C-9"});
    const ChannelRowTexts chinese = Row({"145.0125", "439.99375", "71.9", "D754I", "宽", "是", "高",
                                         "CCIR", "开", "载波", "正向", "AB C-9"});
    for (const ChannelRowTexts& cells : {english, chinese}) {
        RadioImage image = NewImage();
        image[ChannelOffset(9) + 13] = 0x00; // bits 6-7 clear
        image[ChannelOffset(9) + 14] = 0x80; // bits 1-7 belong to the radio
        image[ChannelOffset(9) + 15] = 0x5A;
        EncodeChannel(cells, 9, image);
        EXPECT_EQ(Record(image, 9),
                  (std::array<std::uint8_t, 16>{0x50, 0x12, 0x50, 0x14, 0x75, 0x93, 0x99, 0x43,
                                                0x19, 0x07, 0x54, 0xC7, 0x04, 0x3B, 0x81, 0x5A}));
        EXPECT_TRUE(ScanBitmap::Get(image, 9));
        EXPECT_EQ(image[0xC51], 0xFF); // channel 9 is bit 0 of 0xC51, set among set bits
        EXPECT_EQ(Name(image, 9),
                  (std::array<std::uint8_t, 8>{0x0A, 0x0B, 0x25, 0x0C, 0x24, 0x09, 0xFF, 0xFF}));
    }
}

TEST(ChannelEncode, WordsOutsideTheListsCountAsAnyOtherText) {
    RadioImage image = NewImage();
    EncodeChannel(Row({"145", "", "100.0", "OFF", "wide", "yes", "high", "MDC1200", "on", "",
                       "forward", "abc"}),
                  2, image);
    const auto record = Record(image, 2);
    EXPECT_EQ(record[8], 0x00);
    EXPECT_EQ(record[9], 0x10);
    EXPECT_EQ(record[10], 0xFF);
    EXPECT_EQ(record[11], 0xFF);
    EXPECT_EQ(record[12], 0x00); // MDC1200 is stored like MSK
    EXPECT_EQ(record[13], 0xC4); // lower-case words clear their bits; empty busy lock is tone
    EXPECT_EQ(record[14], 0xFE);
    EXPECT_FALSE(ScanBitmap::Get(image, 2));
    EXPECT_EQ(Name(image, 2)[0], 0xFF); // lower case is outside the name set
    EXPECT_EQ(Name(image, 2)[1], 0xFF);
}

TEST(ChannelEncode, OptionalSignalWords) {
    const struct {
        const char* text;
        std::uint8_t value;
    } cases[] = {{"None", 1}, {"无", 1}, {"MSK", 0}, {"DTMF", 2}, {"CCIR", 4}, {"", 0}, {"x", 0}};
    for (const auto& c : cases) {
        RadioImage image = NewImage();
        EncodeChannel(Row({"145", "145", "", "", "", "", "", c.text}), 3, image);
        EXPECT_EQ(image[ChannelOffset(3) + 12], c.value) << c.text;
    }
}

TEST(ChannelEncode, FormListsAndFixedMark) {
    HeadlessChannelForm form(Language::English);
    RadioImage image = NewImage();
    image[0x811] = 0x00;
    image[0x812] = 0x45;
    form.field.SetCurSel(2);
    form.type.SetCurSel(0);
    form.manual.SetCurSel(0);
    EncodeChannels(form.Form(), image);
    EXPECT_EQ(image[0x80A], 0xF0);
    EXPECT_EQ(image[0x80B], 0x38);
    EXPECT_EQ(image[0x812], 0xC5); // bit 7 set, bits 0-6 kept
    EXPECT_EQ(image[0x811], 0xA8);

    form.field.SetCurSel(-1);
    form.type.SetCurSel(-1);
    form.manual.SetCurSel(-1);
    EncodeChannels(form.Form(), image);
    EXPECT_EQ(image[0x80A], 0xED);
    EXPECT_EQ(image[0x80B], 0x37);
    EXPECT_EQ(image[0x812], 0x45);
}

// Saving a new document without edits: every channel rewritten from its empty row.
TEST(ChannelEncode, NewDocumentSavedAsIs) {
    HeadlessChannelForm form(Language::English);
    RadioImage image = NewImage();
    ShowImage(image, form.Form());
    EncodeChannels(form.Form(), image);
    RadioImage expected = NewImage();
    for (int channel = 1; channel <= 128; ++channel) {
        expected[ChannelOffset(channel) + 12] = 0x00;
        expected[ChannelOffset(channel) + 13] = 0xC4;
        expected[ChannelOffset(channel) + 14] = 0xFE;
    }
    for (std::size_t i = 0; i < 16; ++i) {
        expected[kScanBitmapOffset + i] = 0x00;
    }
    EXPECT_EQ(image, expected);
}

} // namespace
} // namespace tevano
