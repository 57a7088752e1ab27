// Channel lists read into the grid: columns by header name, ";" files, the cell texts a row
// gives, the options a list does not carry, refusals with their lines, placement in file order
// and names cut to six characters.

#include "ImageBuilder.h"

#include "grid/ChannelRules.h"
#include "grid/ChannelWords.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tevano {
namespace {

using Cells = std::vector<std::string>; // columns 1 to 12

Cells CellsOf(const ImportedChannel& channel) {
    return Cells(channel.cells.begin() + 1, channel.cells.end());
}

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                            "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

TEST(CsvImport, RowsBecomeTheCellsOfTheirChannels) {
    const std::string list =
        kHeader +
        "1,CALL,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,5.0W,,,,,\n"
        "2,rpt,145.600000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,2.50,S,1.0W,x,,,,\n"
        "128,UHF,439.993750,+,5.000000,Cross,88.5,88.5,754,RN,023,DTCS->,FM,6.25,,4W,,,,,\n"
        "64,,145.006250,off,0,TSQL,,67.0,,,,,FM,,P,Low,,,,,\n"
        "65,SPLIT,435.000000,split,145.000000,DTCS,,,023,NR,,,FM,5.00,,High,,,,,\n";
    const CsvImport import = ReadChannelList(list, Language::English);
    ASSERT_TRUE(import.Ok()) << CsvImportFailureText(import, "list.csv", Language::English);
    ASSERT_EQ(import.channels.size(), 5u);
    const Cells tail = {"None", "OFF", "Close", "Forward"};
    const auto row = [&tail](Cells head, const char* name) {
        head.insert(head.end(), tail.begin(), tail.end());
        head.push_back(name);
        return head;
    };
    EXPECT_EQ(import.channels[0].channel, 1);
    EXPECT_EQ(CellsOf(import.channels[0]),
              row({"145.00000", "145.00000", "OFF", "OFF", "Wide", "Yes", "High"}, "CALL"));
    EXPECT_EQ(import.channels[1].channel, 2);
    EXPECT_EQ(CellsOf(import.channels[1]),
              row({"145.60000", "145.00000", "OFF", "100.0", "Narrow", "No", "Low"}, "RPT"));
    EXPECT_EQ(import.channels[2].channel, 128);
    EXPECT_EQ(CellsOf(import.channels[2]),
              row({"439.99375", "444.99375", "OFF", "D754I", "Wide", "Yes", "High"}, "UHF"));
    EXPECT_EQ(CellsOf(import.channels[3]),
              row({"145.00625", "", "67.0", "67.0", "Wide", "Yes", "Low"}, ""));
    EXPECT_EQ(CellsOf(import.channels[4]),
              row({"435.00000", "145.00000", "D023I", "D023N", "Wide", "Yes", "High"}, "SPLIT"));
}

TEST(CsvImport, ColumnsAreFoundByNameInAnyOrderAndSemicolonFiles) {
    // A spreadsheet's export: ";" between fields, "," as decimal mark, columns reordered,
    // quoted fields, some columns missing and one of its own.
    const std::string list = "\xEF\xBB\xBF"
                             "\"Frequency\";Notes; location ;NAME;Power\r\n"
                             "\"146,520000\";\"calling; simplex\";3;\"A-1\";1.0W\r\n"
                             "\r\n"
                             "446,00625;;4;;\r\n";
    const CsvImport import = ReadChannelList(list, Language::Chinese);
    ASSERT_TRUE(import.Ok()) << CsvImportFailureText(import, "list.csv", Language::English);
    ASSERT_EQ(import.channels.size(), 2u);
    EXPECT_EQ(import.channels[0].channel, 3);
    // Without Duplex, Tone, Mode and Skip columns: same frequency both ways, no tones, wide,
    // scanned; the words in the display language.
    EXPECT_EQ(CellsOf(import.channels[0]), (Cells{"146.52000", "146.52000", "OFF", "OFF", "宽",
                                                  "是", "低", "无", "关", "关闭", "正向", "A-1"}));
    EXPECT_EQ(import.channels[1].channel, 4);
    EXPECT_EQ(CellsOf(import.channels[1]), (Cells{"446.00625", "446.00625", "OFF", "OFF", "宽",
                                                  "是", "高", "无", "关", "关闭", "正向", ""}));
}

// A list of repeaters must not switch signalling on: an empty channel gets no optional signal
// and no PTT ID, and busy lock and repeat invert of a channel typed in; a channel already there
// keeps all four, and the grid's own defaults for a typed channel stay as they are.
TEST(CsvImport, OptionsTheListDoesNotCarryAreQuietOrKept) {
    for (const Language language : {Language::English, Language::Chinese}) {
        RadioImage image = testing::NewImage();
        const Channel typedChannel =
            EnterFrequency(Channel{}, kColRxFrequency, "145", CommitWay::Leave).channel;
        WriteChannel(typedChannel, 9, image);
        Cells typed = testing::ChannelTexts(image, 9, language);
        EXPECT_EQ(typed[kColOptSignal - 1], words::kDtmf.In(language));
        EXPECT_EQ(typed[kColPttId - 1], words::kOn.In(language));
        const CsvImport import =
            ReadChannelList(kHeader + "10,,145.000000\n8,NEW,146.000000\n", language);
        ASSERT_TRUE(import.Ok());
        ASSERT_EQ(import.channels.size(), 2u);
        typed[kColOptSignal - 1] = words::kNone.In(language);
        typed[kColPttId - 1] = words::kOff.In(language);
        EXPECT_EQ(CellsOf(import.channels[0]), typed);

        testing::SetChannelTexts(image, 8,
                                 {"430.00000", "", "OFF", "OFF", "Wide", "Yes", "High", "MSK",
                                  "ON", "Carrier", "Reverse", ""});
        const Cells before = testing::ChannelTexts(image, 8, language);
        const Cells kept(before.begin() + kColOptSignal - 1, before.begin() + kColRepeatInvert);
        ApplyImportedChannels(image, import.channels);
        EXPECT_EQ(testing::ChannelTexts(image, 10, language), CellsOf(import.channels[0]));
        const Cells eight = testing::ChannelTexts(image, 8, language);
        EXPECT_EQ(eight[kColRxFrequency - 1], "146.00000");
        EXPECT_EQ(eight[kColName - 1], "NEW");
        EXPECT_EQ(Cells(eight.begin() + kColOptSignal - 1, eight.begin() + kColRepeatInvert), kept);
    }
}

TEST(CsvImport, EveryRefusedRowIsListedWithItsLineApartFromTheAcceptedOnes) {
    struct Case {
        const char* row;
        CsvProblem problem;
    };
    using P = CsvProblem;
    const Case cases[] = {
        {"0,,145.000000", P::LocationNotChannel},
        {"129,,145.000000", P::LocationNotChannel},
        {"1.5,,145.000000", P::LocationNotChannel},
        {",,145.000000", P::LocationNotChannel},
        {"10,,", P::FrequencyMissing},
        {"11,,145.5 MHz", P::NotANumber},
        {"12,,145;5", P::NotANumber}, // ";" is no separator in a "," list
        {"13,,66.999990", P::RxOutOfRange},
        {"14,,521.000010", P::RxOutOfRange},
        {"15,,145.001000", P::RxOffStep},
        {"16,,145.000000,+,", P::NotANumber},
        {"17,,145.000000,+,400", P::TxOutOfRange},
        {"18,,145.000000,-,100", P::TxOutOfRange},
        {"19,,145.000000,+,0.001", P::TxOffStep},
        {"20,,145.000000,split,600", P::TxOutOfRange},
        {"21,,145.000000,split,145.001", P::TxOffStep},
        {"22,,145.000000,x", P::DuplexUnknown},
        {"23,,145.000000,,,Tone,88.6", P::ToneNotInTable},
        {"24,,145.000000,,,TSQL,,88.5x", P::ToneNotInTable},
        {"25,,145.000000,,,DTCS,,,024", P::DcsNotInTable},
        {"26,,145.000000,,,DTCS,,,023,XY", P::PolarityUnknown},
        {"27,,145.000000,,,Cross,,,,,,Tone=DTCS", P::CrossModeUnknown},
        {"28,,145.000000,,,DV", P::ToneModeUnknown},
        {"29,,145.000000,,,,,,,,,,AM", P::ModeUnknown},
        {"30,,145.000000,,,,,,,,,,,,X", P::SkipUnknown},
        {"31,,145.000000,,,,,,,,,,,,,lots", P::PowerUnknown},
        {"32,A_B,145.000000", P::NameCharacters},
        {"33,ABCDEFGHI,145.000000", P::NameTooLong},
        {"35,abcdefg,145.000000", P::NameTooLong},
        {"34,ÄB,145.000000", P::NameCharacters},
    };
    std::string list = kHeader + "100,GOOD,145.000000\n";
    for (const Case& c : cases) {
        list += std::string(c.row) + "\n";
    }
    const CsvImport import = ReadChannelList(list, Language::English);
    EXPECT_FALSE(import.Ok());
    EXPECT_EQ(import.listProblem, CsvListProblem::None);
    // The good row on line 2 is accepted; the caller takes it only when told to skip the others.
    ASSERT_EQ(import.channels.size(), 1u);
    EXPECT_EQ(import.channels[0].line, 2);
    EXPECT_EQ(import.channels[0].channel, 100);
    ASSERT_EQ(import.refusals.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].row);
        EXPECT_EQ(import.refusals[i].line, static_cast<int>(i) + 3);
        ASSERT_EQ(import.refusals[i].reasons.size(), 1u);
        EXPECT_EQ(import.refusals[i].reasons[0].problem, cases[i].problem);
        EXPECT_FALSE(CsvReasonText(import.refusals[i].reasons[0], Language::English).empty());
        EXPECT_FALSE(CsvReasonText(import.refusals[i].reasons[0], Language::Chinese).empty());
    }
    // The message names every refused row by its line.
    const std::string message = CsvImportFailureText(import, "list.csv", Language::English);
    EXPECT_EQ(message.rfind("The channel list \"list.csv\" was not imported", 0), 0u) << message;
    EXPECT_NE(message.find("\nLine 3: Location \"0\" is not a channel number from 1 to 128"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\nLine 12: the receive frequency 145.001000 MHz is not a multiple of "
                           "6.25, 5 or 2.5 kHz"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\nLine 26: Mode \"AM\": the radio has FM (wide) and NFM (narrow) only"),
              std::string::npos)
        << message;
    const std::string chinese = CsvImportFailureText(import, "list.csv", Language::Chinese);
    EXPECT_NE(chinese.find("\n第 30 行：Name \"ABCDEFGHI\" 超过频道名称的 6 个字符"),
              std::string::npos)
        << chinese;
}

TEST(CsvImport, ARowWithSeveralFaultsAndARepeatedLocation) {
    const CsvImport import = ReadChannelList(kHeader + "5,,145.000000\n"
                                                       "5,a_b,600,,,,,,,,,,AM\n"
                                                       "7,,146.000000,,,,,,,,,,,,,,\"open\n",
                                             Language::English);
    ASSERT_EQ(import.refusals.size(), 2u);
    EXPECT_EQ(import.refusals[0].line, 3);
    std::vector<CsvProblem> problems;
    for (const CsvReason& reason : import.refusals[0].reasons) {
        problems.push_back(reason.problem);
    }
    EXPECT_EQ(problems,
              (std::vector<CsvProblem>{CsvProblem::RxOutOfRange, CsvProblem::ModeUnknown,
                                       CsvProblem::NameCharacters, CsvProblem::LocationRepeated}));
    EXPECT_EQ(CsvRefusalLine(import.refusals[0], Language::English),
              "Line 3: the receive frequency 600 MHz is outside 67-521 MHz; Mode \"AM\": the radio "
              "has FM (wide) and NFM (narrow) only; Name \"a_b\" holds characters the radio cannot "
              "show (it shows A-Z, 0-9, \"-\" and blanks); channel 5 is already given on line 2");
    EXPECT_EQ(import.refusals[1].line, 4);
    EXPECT_EQ(import.refusals[1].reasons.front().problem, CsvProblem::UnclosedQuote);
}

TEST(CsvImport, FilesThatAreNoChannelList) {
    EXPECT_EQ(ReadChannelList("", Language::English).listProblem, CsvListProblem::NoHeader);
    EXPECT_EQ(ReadChannelList("\n\r\n", Language::English).listProblem, CsvListProblem::NoHeader);
    EXPECT_EQ(ReadChannelList(kHeader, Language::English).listProblem, CsvListProblem::NoRows);

    const CsvImport noFrequency =
        ReadChannelList("Location;Name;Freq\n1;A;145\n", Language::English);
    EXPECT_EQ(noFrequency.missingColumn, "Frequency");
    EXPECT_EQ(CsvImportFailureText(noFrequency, "x.csv", Language::English),
              "\"x.csv\" is not a channel list: its first line has no \"Frequency\" column. A "
              "channel list begins with the header line \"Location,Name,Frequency,...\".");

    // Bytes of a channel data file are no list either, and nothing breaks on them.
    std::string binary(3168, '\xFF');
    binary[17] = '\0';
    binary[40] = '\n';
    EXPECT_EQ(ReadChannelList(binary, Language::English).listProblem, CsvListProblem::NotUtf8);
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string text = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        text += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return text;
}

// A spreadsheet's "Unicode text" is read; a list in any other encoding is refused as such, not
// for a column it seems to lack.
TEST(CsvImport, ListsInUtf16AreReadOtherEncodingsRefused) {
    const std::string list = "Location,Name,Frequency\r\n1,AB,146.52\r\n";
    for (const bool bigEndian : {false, true}) {
        const CsvImport import = ReadChannelList(Utf16(list, bigEndian), Language::English);
        ASSERT_TRUE(import.Ok()) << CsvImportFailureText(import, "x.csv", Language::English);
        ASSERT_EQ(import.channels.size(), 1u);
        EXPECT_EQ(import.channels[0].cells[kColRxFrequency], "146.52000");
        EXPECT_EQ(import.channels[0].cells[kColName], "AB");
    }
    const CsvImport cut = ReadChannelList(Utf16(list, false) + "\x31", Language::English);
    EXPECT_EQ(CsvImportFailureText(cut, "x.csv", Language::English),
              "\"x.csv\" is Unicode text (UTF-16) by its first bytes, but line 3 holds half a "
              "character: the file is cut or damaged. Save it again from the spreadsheet and "
              "import it again.");

    const CsvImport latin1 =
        ReadChannelList("Location,Name,Frequency\n1,AB,146.52\n2,CAF\xC9,145\n", Language::English);
    EXPECT_EQ(CsvImportFailureText(latin1, "x.csv", Language::English),
              "\"x.csv\" is not a channel list in UTF-8: line 3 holds the byte 0xC9, which no "
              "UTF-8 text has (a list saved in another encoding, or no list at all). Save the list "
              "as UTF-8, or as Unicode text, and import it again.");
    // UTF-16 without its mark: the NUL bytes of its ASCII letters.
    EXPECT_EQ(ReadChannelList(Utf16(list, false).substr(2), Language::English).listProblem,
              CsvListProblem::NotUtf8);
}

// A field more than the header names is refused with its line: "146,52" is no 146 MHz. Empty
// fields past the end are a spreadsheet's padding.
TEST(CsvImport, ARowWithMoreFieldsThanTheHeaderIsRefused) {
    const CsvImport import =
        ReadChannelList("Location,Name,Frequency\n1,AB,146,52\n2,CD,145.5,,\n", Language::English);
    ASSERT_EQ(import.refusals.size(), 1u);
    EXPECT_EQ(CsvRefusalLine(import.refusals[0], Language::English),
              "Line 2: the row has 4 fields and the header line only 3: a field holds an unquoted "
              "separator (a decimal comma?)");
    ASSERT_EQ(import.channels.size(), 1u);
    EXPECT_EQ(import.channels[0].channel, 2);
}

// Random text after a good header line: every row is taken or refused, nothing else happens.
TEST(CsvImport, AnyTextIsReadOrRefused) {
    std::mt19937 rng(4711);
    const std::string alphabet = "0123456789.,;\"\n\r -+ANRSTWDCFMLPOtsplitoff>\x01";
    for (int pass = 0; pass < 400; ++pass) {
        std::string text = pass % 2 == 0 ? kHeader : std::string();
        const std::size_t length = rng() % 300;
        for (std::size_t i = 0; i < length; ++i) {
            text += alphabet[rng() % alphabet.size()];
        }
        const CsvImport import =
            ReadChannelList(text, pass % 4 < 2 ? Language::English : Language::Chinese);
        if (!import.Ok()) {
            EXPECT_FALSE(CsvImportFailureText(import, "x.csv", Language::English).empty());
        }
        if (import.listProblem != CsvListProblem::None) {
            EXPECT_TRUE(import.channels.empty());
            continue;
        }
        for (const CsvRefusal& refusal : import.refusals) {
            EXPECT_TRUE(std::none_of(
                import.channels.begin(), import.channels.end(),
                [&refusal](const ImportedChannel& c) { return c.line == refusal.line; }));
        }
        for (const ImportedChannel& channel : import.channels) {
            EXPECT_GE(channel.channel, 1);
            EXPECT_LE(channel.channel, 128);
            EXPECT_FALSE(channel.cells[kColRxFrequency].empty());
        }
    }
}

TEST(CsvImport, ApplyingWritesOnlyTheListsChannels) {
    RadioImage image = testing::NewImage();
    testing::SetChannelTexts(image, 1, {"", "", "", "", "", "", "", "", "", "", "", "KEEP"});
    testing::SetChannelTexts(image, 2, {"150.00000"});
    const RadioImage before = image;
    const CsvImport import = ReadChannelList(kHeader + "2,NEW,145.000000,off\n", Language::English);
    ASSERT_TRUE(import.Ok());
    ApplyImportedChannels(image, import.channels);
    const Cells two = testing::ChannelTexts(image, 2, Language::English);
    EXPECT_EQ(two[kColRxFrequency - 1], "145.00000");
    EXPECT_EQ(two[kColTxFrequency - 1], "");
    EXPECT_EQ(two[kColName - 1], "NEW");
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (channel != 2) {
            EXPECT_EQ(testing::ChannelTexts(image, channel, Language::English),
                      testing::ChannelTexts(before, channel, Language::English));
        }
    }
}

// From a first channel on, in file order, whatever Location says; a list without Location from
// channel 1. A row that would go past channel 128 is refused, and still counts in the order.
TEST(CsvImport, PlacedInFileOrder) {
    const std::string list = kHeader + "0,A,145.000000\n"
                                       "0,B,145.001\n"
                                       "7,C,146.000000\n"
                                       "x,D,147.000000\n";
    CsvImportOptions options;
    options.firstChannel = 126;
    const CsvImport placed = ReadChannelList(list, Language::English, options);
    ASSERT_EQ(placed.channels.size(), 2u);
    EXPECT_EQ(placed.channels[0].channel, 126);
    EXPECT_EQ(placed.channels[1].channel, 128); // line 3, for 127, is refused for its frequency
    EXPECT_EQ(placed.channels[1].cells[kColName], "C");
    ASSERT_EQ(placed.refusals.size(), 2u);
    EXPECT_EQ(placed.refusals[0].reasons[0].problem, CsvProblem::RxOffStep);
    EXPECT_EQ(CsvRefusalLine(placed.refusals[1], Language::English),
              "Line 5: placed in file order from channel 126, this row would go to channel 129, "
              "past the last channel 128");
    EXPECT_EQ(CsvRefusalLine(placed.refusals[1], Language::Chinese),
              "第 5 行：从频道 126 起按文件顺序放置，此行将排到频道 129，超出最后的频道 128");

    const CsvImport unnumbered =
        ReadChannelList("Name;Frequency\nA;145\nB;146\n", Language::English, CsvImportOptions{});
    ASSERT_TRUE(unnumbered.Ok());
    ASSERT_EQ(unnumbered.channels.size(), 2u);
    EXPECT_EQ(unnumbered.channels[0].channel, 1);
    EXPECT_EQ(unnumbered.channels[1].channel, 2);
}

// Names as the grid's name edit takes them: six characters at most, refused when longer unless
// they are to be cut; a cut name is checked for what is left and remembers what it was.
TEST(CsvImport, LongNamesRefusedOrCut) {
    const std::string list = kHeader + "1,abcdef,145.000000\n"
                                       "2,Repeater,145.000000\n"
                                       "3,ABCDEF_,145.000000\n"
                                       "4,AB_DEFGH,145.000000\n";
    const CsvImport strict = ReadChannelList(list, Language::English);
    ASSERT_EQ(strict.channels.size(), 1u);
    EXPECT_EQ(strict.channels[0].cells[kColName], "ABCDEF");
    EXPECT_TRUE(strict.channels[0].fullName.empty());
    ASSERT_EQ(strict.refusals.size(), 3u);
    EXPECT_EQ(strict.refusals[0].reasons[0].problem, CsvProblem::NameTooLong);
    EXPECT_EQ(CsvReasonText(strict.refusals[0].reasons[0], Language::English),
              "Name \"Repeater\" is longer than a channel name's 6 characters");

    CsvImportOptions cut;
    cut.cutNames = true;
    const CsvImport cutting = ReadChannelList(list, Language::English, cut);
    ASSERT_EQ(cutting.channels.size(), 3u);
    EXPECT_EQ(cutting.channels[1].cells[kColName], "REPEAT");
    EXPECT_EQ(cutting.channels[1].fullName, "Repeater");
    EXPECT_EQ(cutting.channels[2].cells[kColName], "ABCDEF");
    ASSERT_EQ(cutting.refusals.size(), 1u);
    EXPECT_EQ(cutting.refusals[0].line, 5);
    EXPECT_EQ(cutting.refusals[0].reasons[0].problem, CsvProblem::NameCharacters);
}

} // namespace
} // namespace tevano
