#include "report/ReportValues.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

TEST(ReportValues, NumberFields) {
    const struct {
        std::uint8_t value;
        const char* squelch;
        const char* voxGain;
        const char* txTime;
    } rows[] = {
        {0, " 0", "OFF", "OFF"}, {1, " 1", " 1", "15"},  {5, " 5", " 5", "75"},
        {9, " 9", " 9", "135"},  {10, "0", "10", "150"}, {11, "0", "0", "165"},
        {40, "0", "0", "600"},   {41, "0", "0", "OFF"},  {255, "0", "0", "OFF"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SquelchText(row.value), row.squelch) << int{row.value};
        EXPECT_EQ(VoxGainText(row.value), row.voxGain) << int{row.value};
        EXPECT_EQ(TotalTxTimeText(row.value), row.txTime) << int{row.value};
    }
}

TEST(ReportValues, WordTables) {
    const char* const english[] = {
        "None", "Autodial", "Key Lock", "Monitor", "Monitor Momentary", "Scrambler", "None"};
    const char* const chinese[] = {"无",       "自动拨号", "按键锁定", "监听",
                                   "监听瞬时", "扰频器",   "无"};
    for (std::uint8_t value = 0; value <= 6; ++value) {
        EXPECT_EQ(PfFunctionText(value, Language::English), english[value]);
        EXPECT_EQ(PfFunctionText(value, Language::Chinese), chinese[value]);
    }
    EXPECT_EQ(PfFunctionText(0xA8, Language::English), "None");

    const char* const delays[] = {"0.3s", "0.5s", "1.0s", "1.5s", "2.0s", "3.0s", "0.3s"};
    for (std::uint8_t value = 0; value <= 6; ++value) {
        EXPECT_EQ(VoxDelayText(value), delays[value]);
    }
    EXPECT_EQ(VoxDelayText(0xFF), "0.3s");

    EXPECT_EQ(PttIdText(0xC4), "BOT");
    EXPECT_EQ(PttIdText(0x01), "EOT");
    EXPECT_EQ(PttIdText(0x02), "BOTH");
    EXPECT_EQ(PttIdText(0xFF), "BOTH");

    // Chinese pairs the new document's first page does not show.
    EXPECT_EQ(OnOffText(true, OnOffWords::Start, Language::Chinese), "启动");
    EXPECT_EQ(OnOffText(false, OnOffWords::Enable, Language::Chinese), "不使能");
}

TEST(ReportValues, DtmfCodeStringsKeepDigitsAndAToD) {
    RadioImage image{};
    MakeNewImage(image);
    const std::string begin = "1*2#ABCDEa9 0\xFF\x00";
    for (std::size_t i = 0; i < 16; ++i) {
        image[0x7B0 + i] = static_cast<std::uint8_t>(i < begin.size() ? begin[i] : 0xFF);
    }
    EXPECT_EQ(DtmfCodeText(image, 0x7B0), "12ABCD90");
    EXPECT_EQ(DtmfCodeText(image, 0x7C0), "");
}

// The report's own reading of the bytes, which is not the settings dialogs'.
TEST(ReportValues, SettingsFieldsReadTheReportsBits) {
    RadioImage image{};
    MakeNewImage(image);
    image[0x810] = 3;    // Pf1 "Monitor"
    image[0x811] = 5;    // Pf2 "Scrambler"
    image[0x812] = 0x39; // beep warning, vox function, battery save; PTT ID "EOT"
    image[0x813] = 10;
    image[0x814] = 40;
    image[0x815] = 11;
    image[0x816] = 4;
    for (std::size_t i = 0; i < 16; ++i) {
        image[0x7C0 + i] = static_cast<std::uint8_t>(i < 3 ? '7' : '#');
    }
    HeadlessChannelForm form(Language::English);
    ShowImage(image, form.Form(), Language::English);
    std::vector<std::string> texts;
    for (const SettingsField& field : SettingsFields(image, form.Form(), Language::English)) {
        texts.push_back(field.text);
    }
    const std::vector<std::string> expected = {
        "Function Setting:",
        "Type:   ",
        "Frequency Field:134 - 176MHz",
        "Pf1:   Monitor",
        "Pf2: Scrambler",
        "Beep Warning: Enable",
        "Squelch Level: 0",
        "Scrambler Activation:Disable",
        "Vox Function:Enable",
        "Vox Gain Level:0",
        "Vox Delay Time: 2.0s",
        "PTT ID: EOT",
        "Battery Save:Enable",
        "Total Tx Time(s):600",
        "Begin of Tx:",
        "End of Tx:  777",
        "Vox inhibit on recieve:Disable",
    };
    EXPECT_EQ(texts, expected);
}

} // namespace
} // namespace tevano
