// tevano-cli export-csv and import-csv as scripts use them: the list on stdout or in a file,
// a list put into a new or an existing channel data file, a refused list that leaves the file
// as it was with every refused row on stderr, and the options that take part of a list, cut its
// names or place it from a channel.

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/HeadlessChannelForm.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tevano {
namespace {

using testing::ProcessRun;
using testing::ReadBytes;
using testing::ReadText;

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                            "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

class CsvCliTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }
    std::string Quoted(const std::string& name) const { return "'" + Path(name) + "'"; }

    ProcessRun Cli(const std::string& arguments) const {
        return testing::RunCommand(testing::Quoted(TEVANO_CLI) + " " + arguments, temp_);
    }

    void WriteText(const std::string& name, const std::string& text) const {
        testing::WriteText(Path(name), text);
    }

    // A channel data file with the given rows (columns 1 to 12), saved as the program saves.
    void WriteChannels(const std::string& name,
                       const std::vector<std::pair<int, std::vector<std::string>>>& rows) const {
        RadioImage image{};
        MakeNewImage(image);
        HeadlessChannelForm form(Language::English);
        ShowImage(image, form.Form());
        for (const auto& [channel, cells] : rows) {
            ChannelRowTexts row;
            for (int col = 1; col <= 12; ++col) {
                row[static_cast<std::size_t>(col)] = cells[static_cast<std::size_t>(col - 1)];
            }
            WriteChannel(ParseChannel(row, image, channel), channel, image);
        }
        ASSERT_TRUE(SaveChannelFile(Path(name), form.Form(), image).Ok());
    }

    ChannelRowTexts Channel(const std::string& name, int channel) const {
        RadioImage image{};
        HeadlessChannelForm form(Language::English);
        EXPECT_TRUE(OpenChannelFile(Path(name), image, form.Form()).Ok());
        return DecodeChannel(image, channel, Language::English);
    }

    bool Exists(const std::string& name) const {
        struct stat info {};
        return stat(Path(name).c_str(), &info) == 0;
    }

    testing::TempDir temp_;
};

TEST_F(CsvCliTest, ExportToStdoutOrToAFile) {
    WriteChannels("radio.sin", {{1,
                                 {"145.60000", "145.00000", "D023N", "D023N", "Narrow", "No", "Low",
                                  "MSK", "OFF", "Carrier", "Reverse", "RPT"}},
                                {3,
                                 {"446.00625", "446.00625", "OFF", "OFF", "Wide", "Yes", "High",
                                  "DTMF", "ON", "Close", "Forward", ""}}});
    const std::string expected =
        kHeader + "1,RPT,145.600000,-,0.600000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
                  "1.0W,,,,,\n"
                  "3,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,,,,\n";
    const ProcessRun toStdout = Cli("export-csv " + Quoted("radio.sin"));
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, expected);
    EXPECT_EQ(toStdout.err, "");

    const ProcessRun toFile = Cli("export-csv " + Quoted("radio.sin") + " " + Quoted("list.csv"));
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadText(Path("list.csv")), expected);

    // "-" is standard output, not a file of that name.
    const ProcessRun toDash = Cli("export-csv " + Quoted("radio.sin") + " -");
    ASSERT_EQ(toDash.status, 0) << toDash.err;
    EXPECT_EQ(toDash.out, expected);
    EXPECT_FALSE(Exists("-"));
}

// "-" is standard input: a pipe from another program, read to its end (a list larger than a
// pipe holds at once), and refused as a whole as a file would be.
TEST_F(CsvCliTest, ImportFromStandardInput) {
    std::string list = kHeader;
    for (int channel = 1; channel <= 128; ++channel) {
        list += std::to_string(channel) + ",CH" + std::to_string(channel) +
                ",145.000000,,,,,,,,,,FM,,,5.0W," + std::string(600, 'c') + ",,,,\n";
    }
    ASSERT_GT(list.size(), 65536u);
    WriteText("list.csv", list);
    const auto piped = [this](const std::string& source, const std::string& sin) {
        return testing::RunCommand(
            "cat " + Quoted(source) + " | " + TEVANO_CLI + " import-csv - " + Quoted(sin), temp_);
    };
    const ProcessRun run = piped("list.csv", "new.sin");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Channel("new.sin", 1)[kColName], "CH1");
    EXPECT_EQ(Channel("new.sin", 128)[kColName], "CH128");
    EXPECT_FALSE(Exists("-"));

    WriteText("bad.csv", kHeader + "1,,145.000000,,,,,,,,,,AM,,,,,,,,\n");
    const ProcessRun refused = piped("bad.csv", "never.sin");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("AM"), std::string::npos) << refused.err;
    EXPECT_FALSE(Exists("never.sin"));
}

TEST_F(CsvCliTest, AChannelThatOnlyTransmitsIsNamedOnStderr) {
    WriteChannels("radio.sin", {{7,
                                 {"", "146.00000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF",
                                  "ON", "Close", "Forward", "TX"}}});
    const ProcessRun run = Cli("export-csv " + Quoted("radio.sin"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_EQ(run.err.rfind("tevano-cli: Channel 7 has a transmit frequency but no receive "
                            "frequency and was left out",
                            0),
              0u)
        << run.err;
}

TEST_F(CsvCliTest, ImportIntoANewOrAnExistingFile) {
    WriteText("list.csv", kHeader + "2,CALL,145.000000,,,TSQL,,67.0,,,,,FM,,,5.0W,,,,,\n"
                                    "5,rpt,145.600000,-,0.6,,,,,,,,NFM,,S,1.0W,,,,,\n");
    const ProcessRun created = Cli("import-csv " + Quoted("list.csv") + " " + Quoted("new.sin"));
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.err, "");
    EXPECT_EQ(ReadBytes(Path("new.sin")).size(), kImageSize);
    const ChannelRowTexts two = Channel("new.sin", 2);
    EXPECT_EQ(std::vector<std::string>(two.begin() + 1, two.end()),
              (std::vector<std::string>{"145.00000", "145.00000", "67.0", "67.0", "Wide", "Yes",
                                        "High", "None", "OFF", "Close", "Forward", "CALL"}));
    const ChannelRowTexts five = Channel("new.sin", 5);
    EXPECT_EQ(five[kColTxFrequency], "145.00000");
    EXPECT_EQ(five[kColName], "RPT");

    // An existing file keeps the channels the list does not name, and a channel the list
    // replaces keeps the options a list does not carry.
    WriteChannels("old.sin", {{1,
                               {"430.00000", "430.00000", "OFF", "OFF", "Wide", "Yes", "High",
                                "None", "OFF", "Carrier", "Reverse", "KEEP"}},
                              {2,
                               {"150.00000", "150.00000", "OFF", "OFF", "Wide", "Yes", "High",
                                "MSK", "ON", "Carrier", "Reverse", "GONE"}}});
    const ProcessRun merged = Cli("import-csv " + Quoted("list.csv") + " " + Quoted("old.sin"));
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(Channel("old.sin", 1)[kColName], "KEEP");
    EXPECT_EQ(Channel("old.sin", 1)[kColBusyLock], "Carrier");
    const ChannelRowTexts replaced = Channel("old.sin", 2);
    EXPECT_EQ(std::vector<std::string>(replaced.begin() + 1, replaced.end()),
              (std::vector<std::string>{"145.00000", "145.00000", "67.0", "67.0", "Wide", "Yes",
                                        "High", "MSK", "ON", "Carrier", "Reverse", "CALL"}));

    // A list exported from a file and imported back into it changes no byte.
    const std::vector<std::uint8_t> before = ReadBytes(Path("old.sin"));
    ASSERT_EQ(Cli("export-csv " + Quoted("old.sin") + " " + Quoted("back.csv")).status, 0);
    const ProcessRun back = Cli("import-csv " + Quoted("back.csv") + " " + Quoted("old.sin"));
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(ReadBytes(Path("old.sin")), before);
}

TEST_F(CsvCliTest, ARefusedListChangesNothingAndListsEveryRow) {
    WriteChannels("old.sin", {{1,
                               {"430.00000", "430.00000", "OFF", "OFF", "Wide", "Yes", "High",
                                "None", "OFF", "Carrier", "Reverse", "KEEP"}}});
    const std::vector<std::uint8_t> before = ReadBytes(Path("old.sin"));
    WriteText("bad.csv", "Location;Frequency;Mode\n1;145,000;FM\n2;700;FM\n3;145;AM\n");
    for (const char* target : {"old.sin", "never.sin"}) {
        const ProcessRun run = Cli("import-csv " + Quoted("bad.csv") + " " + Quoted(target));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tevano-cli: The channel list \"" + Path("bad.csv") +
                               "\" was not imported, and nothing was changed. Correct these rows "
                               "and import it again:\n"
                               "  Line 3: the receive frequency 700 MHz is outside 67-521 MHz\n"
                               "  Line 4: Mode \"AM\": the radio has FM (wide) and NFM (narrow) "
                               "only\n");
    }
    EXPECT_EQ(ReadBytes(Path("old.sin")), before);
    EXPECT_FALSE(Exists("never.sin"));

    const ProcessRun chinese =
        Cli("import-csv " + Quoted("bad.csv") + " " + Quoted("old.sin") + " --chinese");
    EXPECT_EQ(chinese.status, 1);
    EXPECT_NE(chinese.err.find("\n  第 4 行：Mode \"AM\"："), std::string::npos) << chinese.err;
}

// A FIFO named as the list is refused at once (`timeout` ends a tool that would wait on it),
// and what a list holds reaches the terminal with its control bytes, NUL and stray bytes
// escaped: nothing in a file can retitle or clear the terminal or cut the message short.
TEST_F(CsvCliTest, AFifoIsRefusedAndControlBytesAreEscaped) {
    ASSERT_EQ(mkfifo(Path("fifo.csv").c_str(), 0644), 0);
    const int raw =
        std::system((std::string("timeout 10 ") + TEVANO_CLI + " import-csv " + Quoted("fifo.csv") +
                     " " + Quoted("x.sin") + " 2>" + Quoted("stderr"))
                        .c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(ReadText(Path("stderr")),
              "tevano-cli: \"" + Path("fifo.csv") + "\" is not a regular file.\n");
    EXPECT_FALSE(Exists("x.sin"));

    using namespace std::string_literals;
    WriteText("evil.csv", kHeader + "1,\x1b]0;owned\x07\x7fz,145.000000,,,,,,,,,,FM,,,5.0W\n"s);
    const ProcessRun run = Cli("import-csv " + Quoted("evil.csv") + " " + Quoted("x.sin"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Name \"\\x1B]0;owned\\x07\\x7Fz\""), std::string::npos) << run.err;
    for (const char c : run.err) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(c == '\n' || (byte >= 0x20 && byte < 0x7F)) << run.err;
    }
}

// --skip-bad takes the accepted rows and names the skipped ones; it fails when none is left.
// --cut-names takes long names cut to six characters.
TEST_F(CsvCliTest, SkipBadRowsAndCutNames) {
    WriteText("mixed.csv", kHeader + "1,GOOD,145.000000\n"
                                     "2,,700\n"
                                     "3,REPEATER,146.000000\n");
    const ProcessRun strict = Cli("import-csv " + Quoted("mixed.csv") + " " + Quoted("a.sin"));
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.err.find("  Line 4: Name \"REPEATER\" is longer than a channel name's 6 "
                              "characters\n"),
              std::string::npos)
        << strict.err;
    EXPECT_FALSE(Exists("a.sin"));

    const ProcessRun skipping =
        Cli("import-csv " + Quoted("mixed.csv") + " " + Quoted("a.sin") + " --skip-bad");
    EXPECT_EQ(skipping.status, 0);
    EXPECT_EQ(skipping.err, "tevano-cli: These rows of the channel list \"" + Path("mixed.csv") +
                                "\" were skipped, the others imported:\n"
                                "  Line 3: the receive frequency 700 MHz is outside 67-521 MHz\n"
                                "  Line 4: Name \"REPEATER\" is longer than a channel name's 6 "
                                "characters\n");
    EXPECT_EQ(Channel("a.sin", 1)[kColName], "GOOD");
    EXPECT_EQ(Channel("a.sin", 3)[kColRxFrequency], "");

    const ProcessRun both = Cli("import-csv " + Quoted("mixed.csv") + " " + Quoted("b.sin") +
                                " --skip-bad --cut-names");
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(std::count(both.err.begin(), both.err.end(), '\n'), 2) << both.err;
    EXPECT_EQ(Channel("b.sin", 3)[kColName], "REPEAT");

    // Nothing left to take: the list is refused as without the option.
    WriteText("bad.csv", kHeader + "1,,700\n2,,145.001\n");
    const ProcessRun none =
        Cli("import-csv " + Quoted("bad.csv") + " " + Quoted("c.sin") + " --skip-bad --chinese");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err.rfind("tevano-cli: 频道列表 \"" + Path("bad.csv") + "\" 未导入", 0), 0u)
        << none.err;
    EXPECT_FALSE(Exists("c.sin"));
}

// --first-location places the rows from a channel in file order, as a list without Location is
// placed from channel 1; rows that would go past 128 are refused. Channels outside the file's
// "Field" band are taken and named.
TEST_F(CsvCliTest, PlacementAndBandWarnings) {
    WriteText("zero.csv", kHeader + "0,A,145.000000\n1,B,435.000000\n2,C,146.000000\n");
    const ProcessRun past =
        Cli("import-csv " + Quoted("zero.csv") + " " + Quoted("a.sin") + " --first-location 127");
    EXPECT_EQ(past.status, 1);
    EXPECT_NE(past.err.find("  Line 4: placed in file order from channel 127, this row would go "
                            "to channel 129, past the last channel 128\n"),
              std::string::npos)
        << past.err;
    EXPECT_FALSE(Exists("a.sin"));

    const ProcessRun placed =
        Cli("import-csv " + Quoted("zero.csv") + " " + Quoted("a.sin") + " --first-location 126");
    ASSERT_EQ(placed.status, 0) << placed.err;
    EXPECT_EQ(placed.err, "tevano-cli: warning: line 3: channel 127's receive frequency "
                          "435.00000 MHz and transmit frequency 435.00000 MHz are outside the "
                          "\"Field\" band 134 - 176MHz\n");
    EXPECT_EQ(Channel("a.sin", 126)[kColName], "A");
    EXPECT_EQ(Channel("a.sin", 128)[kColName], "C");

    WriteText("plain.csv", "Name;Frequency\nA;145\nB;146\n");
    ASSERT_EQ(Cli("import-csv " + Quoted("plain.csv") + " " + Quoted("b.sin")).status, 0);
    EXPECT_EQ(Channel("b.sin", 1)[kColName], "A");
    EXPECT_EQ(Channel("b.sin", 2)[kColName], "B");

    for (const char* value : {"0", "129", "x", "1000"}) {
        const ProcessRun misuse = Cli("import-csv " + Quoted("plain.csv") + " " + Quoted("c.sin") +
                                      " --first-location " + value);
        EXPECT_EQ(misuse.status, 2) << value;
    }
    EXPECT_FALSE(Exists("c.sin"));
}

TEST_F(CsvCliTest, FailuresAndMisuse) {
    WriteText("empty.csv", "");
    WriteText("notalist.csv", "Channel,Freq\n1,145\n");
    WriteText("list.csv", kHeader + "1,,145.000000\n");
    WriteText("short.sin", "too short");
    const std::string failures[] = {
        "import-csv " + Quoted("missing.csv") + " " + Quoted("x.sin"),
        "import-csv " + Quoted("empty.csv") + " " + Quoted("x.sin"),
        "import-csv " + Quoted("notalist.csv") + " " + Quoted("x.sin"),
        "import-csv " + Quoted("list.csv") + " " + Quoted("short.sin"),
        "import-csv " + Quoted("list.csv") + " " + Quoted("no/dir/x.sin"),
        "export-csv " + Quoted("missing.sin"),
        "export-csv " + Quoted("short.sin"),
    };
    for (const std::string& arguments : failures) {
        const ProcessRun run = Cli(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err.rfind("tevano-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
    EXPECT_FALSE(Exists("x.sin"));
    EXPECT_EQ(ReadText(Path("short.sin")), "too short");

    EXPECT_EQ(Cli("export-csv").status, 2);
    EXPECT_EQ(Cli("export-csv a b c").status, 2);
    EXPECT_EQ(Cli("import-csv " + Quoted("list.csv")).status, 2);
    EXPECT_EQ(Cli("import-csv a b --bogus").status, 2);
}

// Imports run at once into one file each hold it from the read to the rename: none of them
// saves over another's channels.
TEST_F(CsvCliTest, ParallelImportsKeepAllTheirChannels) {
    constexpr int kImports = 20;
    std::string script;
    for (int channel = 1; channel <= kImports; ++channel) {
        const std::string list = "list" + std::to_string(channel) + ".csv";
        WriteText(list, kHeader + std::to_string(channel) + ",P" + std::to_string(channel) +
                            ",146.000000,,,,,,,,,,FM,,,,,,,,\n");
        script += "( " + testing::Quoted(TEVANO_CLI) + " import-csv " + Quoted(list) + " " +
                  Quoted("radio.sin") + " || echo failed ) & ";
    }
    const ProcessRun run = testing::RunCommand("{ " + script + "wait; }", temp_);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    for (int channel = 1; channel <= kImports; ++channel) {
        EXPECT_EQ(Channel("radio.sin", channel)[kColName], "P" + std::to_string(channel));
    }
}

} // namespace
} // namespace tevano
