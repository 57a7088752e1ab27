#include "ImageBuilder.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::NewImage;
using testing::SetName;
using testing::SetRecord;

// A used channel at 145.0125 MHz both ways with the given flags and signal bytes.
std::array<std::uint8_t, 16> Used(std::uint8_t flags, std::uint8_t signal = 1,
                                  std::uint8_t ptt = 0xFE) {
    return {0x50, 0x12, 0x50, 0x14, 0x50,   0x12,  0x50, 0x14,
            0x70, 0x06, 0xFF, 0xFF, signal, flags, ptt,  0xFF};
}

TEST(ChannelDecode, NewImageShowsEmptyRowsAndDefaultLists) {
    HeadlessChannelForm form(Language::English);
    const RadioImage image = NewImage();
    ShowImage(image, form.Form());
    for (int row = 1; row <= 128; ++row) {
        for (const std::string& cell : DecodeChannel(image, row, Language::English)) {
            ASSERT_EQ(cell, "") << row;
        }
    }
    EXPECT_EQ(form.field.CurrentText(), "134 - 176MHz");
    EXPECT_EQ(form.type.CurSel(), 0);
    EXPECT_EQ(form.manual.CurrentText(), "Open");
}

TEST(ChannelDecode, UsedChannelInBothLanguages) {
    RadioImage image = NewImage();
    SetRecord(image, 1, Used(0x3F, 2, 0xFF));
    SetName(image, 1, {0x11, 0x0E, 0x24, 0x01, 0xFF});
    const ChannelRowTexts en = DecodeChannel(image, 1, Language::English);
    EXPECT_EQ(en[1], "145.01250");
    EXPECT_EQ(en[2], "145.01250");
    EXPECT_EQ(en[3], "67.0");
    EXPECT_EQ(en[4], "OFF");
    EXPECT_EQ(en[5], "Wide");
    EXPECT_EQ(en[6], "Yes");
    EXPECT_EQ(en[7], "High");
    EXPECT_EQ(en[8], "DTMF");
    EXPECT_EQ(en[9], "ON");
    EXPECT_EQ(en[10], "QT/DQT");
    EXPECT_EQ(en[11], "Forward");
    EXPECT_EQ(en[12], "HE-1");
    const ChannelRowTexts zh = DecodeChannel(image, 1, Language::Chinese);
    EXPECT_EQ(zh[5], "宽");
    EXPECT_EQ(zh[6], "是");
    EXPECT_EQ(zh[7], "高");
    EXPECT_EQ(zh[9], "开");
    EXPECT_EQ(zh[10], "QT/DQT");
    EXPECT_EQ(zh[11], "正向");
}

TEST(ChannelDecode, FlagsFour) {
    RadioImage image = NewImage();
    SetRecord(image, 2, Used(0x04, 0));
    const ChannelRowTexts en = DecodeChannel(image, 2, Language::English);
    EXPECT_EQ(en[5], "Narrow");
    EXPECT_EQ(en[6], "No");
    EXPECT_EQ(en[7], "Low");
    EXPECT_EQ(en[8], "MSK");
    EXPECT_EQ(en[9], "OFF");
    EXPECT_EQ(en[10], "QT/DQT");
    EXPECT_EQ(en[11], "Reverse");
    const ChannelRowTexts zh = DecodeChannel(image, 2, Language::Chinese);
    EXPECT_EQ(zh[5], "窄");
    EXPECT_EQ(zh[8], "MSK");
    EXPECT_EQ(zh[9], "关");
    EXPECT_EQ(zh[11], "反向");
}

TEST(ChannelDecode, BusyLockAndSignalValues) {
    RadioImage image = NewImage();
    const struct {
        std::uint8_t flags;
        std::uint8_t signal;
        const char* lock;
        const char* lockZh;
        const char* opt;
    } cases[] = {
        {0x00, 1, "Close", "关闭", "None"},
        {0x02, 4, "Carrier", "载波", "CCIR"},
        {0x06, 3, "QT/DQT", "QT/DQT", ""},
        {0x04, 0xFF, "QT/DQT", "QT/DQT", ""},
    };
    for (const auto& c : cases) {
        SetRecord(image, 3, Used(c.flags, c.signal));
        EXPECT_EQ(DecodeChannel(image, 3, Language::English)[10], c.lock);
        EXPECT_EQ(DecodeChannel(image, 3, Language::Chinese)[10], c.lockZh);
        EXPECT_EQ(DecodeChannel(image, 3, Language::English)[8], c.opt);
    }
    SetRecord(image, 3, Used(0, 1));
    EXPECT_EQ(DecodeChannel(image, 3, Language::Chinese)[8], "无");
}

TEST(ChannelDecode, ChannelWithOnlyTransmitFrequency) {
    RadioImage image = NewImage();
    SetRecord(image, 4,
              {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x44, 0xFF, 0xFF, 0x23, 0x80, 0x02, 0x3F,
               0xFF, 0xFF});
    const ChannelRowTexts cells = DecodeChannel(image, 4, Language::English);
    EXPECT_EQ(cells[1], "");
    EXPECT_EQ(cells[2], "440.00000");
    EXPECT_EQ(cells[3], "OFF");
    EXPECT_EQ(cells[4], "D023N");
    EXPECT_EQ(cells[5], "Wide");
    EXPECT_EQ(cells[11], "Forward");
}

TEST(ChannelDecode, EmptyChannelShowsOnlyItsNameAndRealTones) {
    RadioImage image = NewImage();
    // Top frequency bytes 0x00 count as absent just like 0xFF.
    SetRecord(image, 5,
              {0x50, 0x12, 0x50, 0x00, 0x00, 0x00, 0x00, 0x00, 0x70, 0x06, 0x00, 0x00, 0x02, 0x3F,
               0x01, 0x00});
    SetName(image, 5, {0x00, 0x25, 0x30, 0x0A});
    const ChannelRowTexts cells = DecodeChannel(image, 5, Language::English);
    EXPECT_EQ(cells[1], "");
    EXPECT_EQ(cells[2], "");
    EXPECT_EQ(cells[3], "67.0"); // a tone in an empty channel is still shown
    EXPECT_EQ(cells[4], "");     // no tone, empty channel: empty rather than OFF
    for (int col = 5; col <= 11; ++col) {
        EXPECT_EQ(cells[static_cast<std::size_t>(col)], "") << col;
    }
    EXPECT_EQ(cells[12], "0 ");
}

TEST(ChannelDecode, NonDecimalFrequencyDigitsFollowTheArithmetic) {
    RadioImage image = NewImage();
    SetRecord(image, 6,
              {0xAB, 0xCD, 0xEF, 0x9F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00,
               0x00, 0x00});
    // 9F -> 105, EF -> 155, CD -> 133, AB -> 111, each added to 100 x the running value.
    EXPECT_EQ(DecodeChannel(image, 6, Language::English)[1], "1065.63411");
}

TEST(ChannelDecode, FormListsFromTheSettingsBytes) {
    HeadlessChannelForm form(Language::English);
    RadioImage image = NewImage();
    const struct {
        std::uint8_t field, type, manual;
        int fieldPick, typePick, manualPick;
    } cases[] = {
        {0xEE, 0x38, 0x80, 0, 0, 0},
        {0xF0, 0x38, 0x00, 2, 0, 1},
        {0xF1, 0x39, 0x7F, -1, -1, 1}, // entry 3 and entry 1 do not exist: no pick
        {0xF7, 0x3A, 0xFF, -1, -1, 0},
        {0xF8, 0x3B, 0x80, 0, 0, 0},  // beyond 9 and beyond 2 fall back to entry 0
        {0x00, 0x37, 0x80, 0, -1, 0}, // below 0x38: no pick
        {0xED, 0x00, 0x80, 0, -1, 0},
    };
    for (const auto& c : cases) {
        image[0x80A] = c.field;
        image[0x80B] = c.type;
        image[0x812] = c.manual;
        ShowImage(image, form.Form());
        EXPECT_EQ(form.field.CurSel(), c.fieldPick) << std::hex << int(c.field);
        EXPECT_EQ(form.type.CurSel(), c.typePick) << std::hex << int(c.type);
        EXPECT_EQ(form.manual.CurSel(), c.manualPick) << std::hex << int(c.manual);
    }
}

} // namespace
} // namespace tevano
