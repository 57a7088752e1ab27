// A channel list exported from an image and imported into a new image gives the same channels,
// and exporting that image again gives the same list, for a hand-made image that holds every
// tone mode, duplex kind, power and mode, and for random images in both display languages.
// Imported back into the image it came from, the list changes no byte.

#include "ImageBuilder.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "grid/HeadlessChannelForm.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvTexts.h"
#include "image/ChannelRecord.h"
#include "image/ToneTable.h"
#include "support/LanguageName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tevano {
namespace {

using Cells = std::vector<std::string>; // columns 1 to 12

RadioImage ImageOfRows(const std::vector<std::pair<int, Cells>>& rows) {
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(Language::English);
    ShowImage(image, form.Form());
    for (const auto& [channel, cells] : rows) {
        tevano::testing::SetChannelTexts(image, channel, cells);
    }
    EncodeChannels(form.Form(), image);
    return image;
}

CsvExport ExportOfImage(const RadioImage& image, Language language) {
    (void)language;
    return ExportChannelList(image);
}

// The list put into a new document, saved as the program saves it.
RadioImage ImportIntoNewImage(const std::string& list, Language language) {
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(language);
    ShowImage(image, form.Form());
    const CsvImport import = ReadChannelList(list, language);
    EXPECT_TRUE(import.Ok()) << CsvImportFailureText(import, "list.csv", Language::English);
    ApplyImportedChannels(image, import.channels);
    EncodeChannels(form.Form(), image);
    return image;
}

// What a channel list carries of a channel, as the grid shows it after a decode.
Cells ListedCells(const RadioImage& image, int channel, Language language) {
    const ChannelRowTexts row = DecodeChannel(image, channel, language);
    return {row[kColRxFrequency], row[kColTxFrequency], row[kColRxTone],  row[kColTxTone],
            row[kColBandwidth],   row[kColScan],        row[kColTxPower], row[kColName]};
}

void ExpectSameChannels(const RadioImage& original, const RadioImage& imported, Language language,
                        const std::vector<int>& leftOut) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        SCOPED_TRACE(channel);
        const bool listed = ChannelRecord::IsUsed(original, channel) &&
                            std::find(leftOut.begin(), leftOut.end(), channel) == leftOut.end();
        if (!listed) {
            EXPECT_FALSE(ChannelRecord::IsUsed(imported, channel));
            continue;
        }
        EXPECT_EQ(ListedCells(imported, channel, language),
                  ListedCells(original, channel, language));
        const ChannelRowTexts row = DecodeChannel(imported, channel, language);
        EXPECT_EQ(row[kColOptSignal], words::kNone.In(language));
        EXPECT_EQ(row[kColPttId], words::kOff.In(language));
        EXPECT_EQ(row[kColBusyLock], words::kClose.In(language));
        EXPECT_EQ(row[kColRepeatInvert], words::kForward.In(language));
    }
}

TEST(CsvRoundTrip, EveryToneModeDuplexKindPowerAndMode) {
    const char* tones[][2] = {
        {"OFF", "OFF"},     {"OFF", "100.0"},   {"67.0", "67.0"},   {"D023N", "D023N"},
        {"D754I", "D754I"}, {"D114I", "D114N"}, {"71.9", "254.1"},  {"D051N", "88.5"},
        {"136.5", "D632I"}, {"D025N", "D731I"}, {"94.8", "OFF"},    {"D465I", "OFF"},
        {"OFF", "D047N"},   {"OFF", "D047I"},   {"D023I", "D023I"}, {"250.3", "D343N"},
    };
    const char* frequencies[][2] = {
        {"145.00000", "145.00000"}, {"145.60000", "145.00000"}, {"439.99375", "444.99375"},
        {"145.00625", ""},          {"145.01250", "215.01250"}, {"435.00000", "145.00000"},
        {"521.00000", "67.00000"},  {"67.00250", "67.00250"},
    };
    const char* names[] = {"", "CALL", "RPT-1", "A B", "123456", "-", "Z9"};
    std::vector<std::pair<int, Cells>> rows;
    int channel = 1;
    for (std::size_t t = 0; t < std::size(tones); ++t) {
        for (std::size_t f = 0; f < std::size(frequencies); ++f) {
            if (channel > 127) {
                break;
            }
            const bool odd = (t + f) % 2 != 0;
            rows.push_back({channel,
                            {frequencies[f][0], frequencies[f][1], tones[t][0], tones[t][1],
                             odd ? "Narrow" : "Wide", f % 3 == 0 ? "No" : "Yes",
                             t % 3 == 1 ? "Low" : "High", odd ? "MSK" : "CCIR", odd ? "OFF" : "ON",
                             odd ? "Carrier" : "QT/DQT", odd ? "Reverse" : "Forward",
                             names[static_cast<std::size_t>(channel) % std::size(names)]}});
            channel += 1;
        }
    }
    // A channel that only transmits has no row, and the export says so.
    rows.push_back({128,
                    {"", "146.00000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close",
                     "Forward", "TXONLY"}});
    const RadioImage original = ImageOfRows(rows);

    for (const Language language : {Language::English, Language::Chinese}) {
        SCOPED_TRACE(language);
        const CsvExport first = ExportOfImage(original, language);
        EXPECT_EQ(first.rows, 127);
        EXPECT_EQ(first.leftOut, std::vector<int>{128});
        for (const char* expected :
             {",DTCS,",     ",TSQL,",   ",Tone,",   "Tone->Tone", "Tone->DTCS", "DTCS->Tone",
              "DTCS->DTCS", ",->Tone,", ",->DTCS,", ",DTCS->,",   ",split,",    ",+,",
              ",-,",        ",off,",    ",NFM,",    ",FM,",       ",5.0W,",     ",1.0W,",
              ",S,",        ",RN,",     ",NR,",     ",RR,"}) {
            EXPECT_NE(first.text.find(expected), std::string::npos) << expected;
        }
        const RadioImage imported = ImportIntoNewImage(first.text, language);
        ExpectSameChannels(original, imported, language, first.leftOut);
        const CsvExport second = ExportOfImage(imported, language);
        EXPECT_EQ(second.text, first.text);
        EXPECT_TRUE(second.leftOut.empty());
    }
}

TEST(CsvRoundTrip, RandomChannelsInBothLanguages) {
    std::mt19937 rng(20261209);
    const ToneTable tones;
    const std::string nameCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ- ";
    const auto pick = [&rng](std::uint32_t count) {
        return static_cast<std::uint32_t>(rng() % count);
    };
    const auto onStep = [&] {
        const std::uint32_t steps[] = {250, 500, 625};
        const std::uint32_t step = steps[pick(3)];
        const std::uint32_t low = (6700000 + step - 1) / step;
        const std::uint32_t high = 52100000 / step;
        return (low + pick(high - low + 1)) * step;
    };
    for (int pass = 0; pass < 10; ++pass) {
        const Language language = pass % 2 == 0 ? Language::English : Language::Chinese;
        std::vector<std::pair<int, Cells>> rows;
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            if (pick(5) == 0) {
                continue; // left empty
            }
            const std::uint32_t rx = onStep();
            const std::uint32_t kind = pick(4);
            const std::string tx = kind == 0   ? ""
                                   : kind == 1 ? FrequencyText(rx)
                                               : FrequencyText(onStep());
            std::string name;
            for (std::uint32_t length = pick(7); name.size() < length;) {
                name += nameCharacters[pick(static_cast<std::uint32_t>(nameCharacters.size()))];
            }
            rows.push_back(
                {channel,
                 {FrequencyText(rx), tx, tones.Name(static_cast<int>(pick(ToneTable::kCount))),
                  tones.Name(static_cast<int>(pick(ToneTable::kCount))),
                  pick(2) ? "Wide" : "Narrow", pick(2) ? "Yes" : "No", pick(2) ? "High" : "Low",
                  "None", "OFF", "Carrier", "Reverse", name}});
        }
        const RadioImage original = ImageOfRows(rows);
        const CsvExport first = ExportOfImage(original, language);
        ASSERT_TRUE(first.leftOut.empty());
        const RadioImage imported = ImportIntoNewImage(first.text, language);
        ExpectSameChannels(original, imported, language, {});
        EXPECT_EQ(ExportOfImage(imported, language).text, first.text);
    }
}

TEST(CsvRoundTrip, ReimportIntoTheSourceImageChangesNoByte) {
    const std::vector<std::pair<int, Cells>> rows = {
        {1,
         {"145.00000", "145.60000", "88.5", "88.5", "Wide", "Yes", "High", "MSK", "OFF", "Carrier",
          "Reverse", "RPT-1"}},
        {2,
         {"446.00625", "446.00625", "OFF", "D023I", "Narrow", "No", "Low", "CCIR", "ON", "QT/DQT",
          "Forward", "PMR"}},
        {3,
         {"146.52000", "146.52000", "OFF", "OFF", "Wide", "Yes", "High", "None", "OFF", "Close",
          "Reverse", ""}},
        {4,
         {"439.99375", "", "67.0", "OFF", "Narrow", "Yes", "Low", "DTMF", "ON", "Carrier",
          "Forward", "RX"}},
        {5,
         {"", "146.00000", "OFF", "OFF", "Wide", "Yes", "High", "MSK", "OFF", "QT/DQT", "Reverse",
          "TXONLY"}},
        {128,
         {"145.00250", "150.00000", "D754N", "100.0", "Wide", "No", "High", "CCIR", "OFF", "Close",
          "Forward", "LAST"}},
    };
    const RadioImage original = ImageOfRows(rows);
    for (const Language language : {Language::English, Language::Chinese}) {
        SCOPED_TRACE(language);
        HeadlessChannelForm form(language);
        ShowImage(original, form.Form());
        const CsvExport list = ExportChannelList(original);
        const CsvImport import = ReadChannelList(list.text, language);
        ASSERT_TRUE(import.Ok()) << CsvImportFailureText(import, "list.csv", Language::English);
        RadioImage image = original;
        ApplyImportedChannels(image, import.channels);
        EncodeChannels(form.Form(), image);
        const auto differs = std::mismatch(image.begin(), image.end(), original.begin()).first;
        EXPECT_EQ(static_cast<std::size_t>(differs - image.begin()), kImageSize)
            << "the first byte that differs";
    }
}

} // namespace
} // namespace tevano
