// The grid's used channels as channel list rows: frequencies and duplex kinds, mode, step, skip,
// power and name as saving would store them, and the channels that have no row.

#include "grid/ChannelWords.h"
#include "ImageBuilder.h"
#include "grid/csv/CsvChannelExport.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using Cells = std::vector<std::string>; // columns 1 to 12

void SetRow(RadioImage& image, int row, const Cells& cells) {
    testing::SetChannelTexts(image, row, cells);
}

ChannelRowTexts Row(const Cells& cells) {
    ChannelRowTexts row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        row[i + 1] = cells[i];
    }
    return row;
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : "|") + field;
    }
    return line;
}

TEST(CsvExport, HeaderLineIsTheExchangeFormats) {
    EXPECT_EQ(CsvHeaderLine(), "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                               "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n");
}

TEST(CsvExport, FrequenciesAndDuplexKinds) {
    struct Case {
        const char* rx;
        const char* tx;
        const char* frequency;
        const char* duplex;
        const char* offset;
        const char* step;
    };
    const Case cases[] = {
        // The step is the first of 5, 6.25 and 2.5 kHz that divides both frequencies.
        {"145.00000", "145.00000", "145.000000", "", "0.000000", "5.00"},
        {"146.52000", "146.52000", "146.520000", "", "0.000000", "5.00"},
        {"145.60000", "145.00000", "145.600000", "-", "0.600000", "5.00"},
        {"439.99375", "444.99375", "439.993750", "+", "5.000000", "6.25"},
        {"446.00625", "446.00625", "446.006250", "", "0.000000", "6.25"},
        {"145.00625", "", "145.006250", "off", "0.000000", "6.25"},
        {"145.01250", "215.01250", "145.012500", "split", "215.012500", "6.25"}, // exactly 70 MHz
        {"145.01250", "215.00625", "145.012500", "+", "69.993750", "6.25"},
        {"145.00250", "145.00750", "145.002500", "+", "0.005000", "2.50"},
        {"435.00000", "145.00000", "435.000000", "split", "145.000000", "5.00"},
        {"521.00000", "67.00000", "521.000000", "split", "67.000000", "5.00"},
        {"67.0025", "67.0025", "67.002500", "", "0.000000", "2.50"},
        {"145.00250", "146.00625", "145.002500", "+", "1.003750", "2.50"}, // no common step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rx) + " / " + c.tx);
        const auto fields = ChannelCsvFields(Row({c.rx, c.tx, "OFF", "OFF", "Wide", "Yes", "High",
                                                  "DTMF", "ON", "Close", "Forward", "A"}),
                                             7);
        ASSERT_TRUE(fields);
        EXPECT_EQ((*fields)[0], "7");
        EXPECT_EQ((*fields)[2], c.frequency);
        EXPECT_EQ((*fields)[3], c.duplex);
        EXPECT_EQ((*fields)[4], c.offset);
        EXPECT_EQ((*fields)[13], c.step);
    }
}

TEST(CsvExport, OptionsAndNameInEitherLanguage) {
    const Cells english = {"146.52000", "146.52000", "OFF", "88.5",    "Narrow",  "No",
                           "Low",       "MSK",       "OFF", "Carrier", "Reverse", "ab-1 z"};
    const Cells chinese = {"146.52000", "146.52000", "OFF", "88.5", "窄",   "否",
                           "低",        "MSK",       "关",  "载波", "反向", "ab-1 z"};
    // The name ends where saving would end it: at the first lower-case letter.
    const std::string expected = "3||146.520000||0.000000|Tone|88.5|88.5|023|NN|023|Tone->Tone|"
                                 "NFM|5.00|S|1.0W|||||";
    EXPECT_EQ(Joined(*ChannelCsvFields(Row(english), 3)), expected);
    EXPECT_EQ(Joined(*ChannelCsvFields(Row(chinese), 3)), expected);

    const Cells wide = {"146.52000", "146.52000", "D023N", "D023N",  "宽",      "是",
                        "高",        "None",      "ON",    "QT/DQT", "Forward", "REPEAT 1"};
    EXPECT_EQ(Joined(*ChannelCsvFields(Row(wide), 128)),
              "128|REPEAT 1|146.520000||0.000000|DTCS|88.5|88.5|023|NN|023|Tone->Tone|FM|5.00||"
              "5.0W|||||");
    // Words encoding does not know (lower case, empty) are narrow, no scan and low, as saved.
    const Cells odd = {"146.52000", "146.52000", "", "", "wide", "yes", "high", "", "", "", "", ""};
    EXPECT_EQ(Joined(*ChannelCsvFields(Row(odd), 1)),
              "1||146.520000||0.000000||88.5|88.5|023|NN|023|Tone->Tone|NFM|5.00|S|1.0W|||||");
}

TEST(CsvExport, OneRowPerUsedChannelAndTheLeftOutNamed) {
    RadioImage grid = testing::NewImage();
    SetRow(grid, 2,
           {"145.00000", "145.00000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close",
            "Forward", "TWO"});
    SetRow(grid, 5,
           {"", "145.50000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close", "Forward",
            "TXONLY"});
    // an empty channel with a name has no row
    SetRow(grid, 9, {"", "", "88.5", "", "", "", "", "", "", "", "", "EMPTY"});
    SetRow(grid, 40,
           {"", "146.00000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close", "Forward",
            ""});
    SetRow(grid, 128,
           {"446.00625", "", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close", "Forward",
            "LAST"});
    const CsvExport list = ExportChannelList(grid);
    EXPECT_EQ(list.rows, 2);
    EXPECT_EQ(list.leftOut, (std::vector<int>{5, 40}));
    EXPECT_EQ(list.text,
              CsvHeaderLine() +
                  "2,TWO,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
                  "128,LAST,446.006250,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
                  "5.0W,,,,,\n");

    EXPECT_EQ(ExportChannelList(testing::NewImage()).text, CsvHeaderLine());
}

TEST(CsvExport, MegahertzKeepSixDecimalsWithAPoint) {
    EXPECT_EQ(CsvMegahertz(0), "0.000000");
    EXPECT_EQ(CsvMegahertz(14501250), "145.012500");
    EXPECT_EQ(CsvMegahertz(6700000), "67.000000");
    EXPECT_EQ(CsvMegahertz(52100000), "521.000000");
    EXPECT_EQ(CsvMegahertz(1), "0.000010");
}

} // namespace
} // namespace tevano
