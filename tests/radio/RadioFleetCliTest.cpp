// tevano-cli beyond the single exchange, against several tevano-radio processes: the backup a
// read leaves, the reason beside a port that cannot be opened, a write to several radios at once
// with a result line per port, a write read back and compared, and a signal that ends the tool
// while several ports are open.

#include "RadioProcess.h"

#include "image/ChannelFile.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ReadBackups.h"
#include "support/EnvironmentGuard.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tevano {
namespace {

using testing::Lines;
using testing::ProcessRun;
using testing::Quoted;
using testing::RadioProcess;
using testing::ReadBytes;
using testing::ReadText;

// The lines of several exchanges at once come in any order among each other.
std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

RadioImage Pattern() {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 29 + i / 97);
    }
    return image;
}

std::vector<std::uint8_t> BytesOf(const RadioImage& image) {
    return {image.begin(), image.end()};
}

const std::string kOpenFailed =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
const std::string kNotPluggedIn = " does not exist: the programming cable is not plugged in, or "
                                  "the port is set to another device (Port Setup).";

class RadioFleetCliTest : public ::testing::Test {
protected:
    RadioFleetCliTest() {
        environment_.Set("XDG_DATA_HOME", Path("data").c_str());
        EXPECT_TRUE(StoreChannelFile(Path("demo.sin"), Pattern()).Ok());
    }

    std::string Path(const std::string& name) const { return temp_.Path(name); }
    std::string Backups() const { return Path("data/tevano/backups"); }

    // Runs the tool with its output in files named after `run` (runs at once need their own),
    // its environment changed by `environment` ("NAME=value ...").
    ProcessRun Cli(const std::string& arguments, const std::string& run = "cli",
                   const std::string& environment = "") const {
        return testing::RunCommand(environment + " " + Quoted(TEVANO_CLI) + " " + arguments, temp_,
                                   run);
    }

    // A radio without pacing that saves what it is written to save<n>.sin.
    std::unique_ptr<RadioProcess> Radio(int n, std::vector<std::string> more = {}) const {
        std::vector<std::string> options = {"--baud", "0", "--save",
                                            Path("save" + std::to_string(n) + ".sin")};
        options.insert(options.end(), more.begin(), more.end());
        return std::make_unique<RadioProcess>(options);
    }

    std::vector<std::uint8_t> Saved(int n) const {
        return ReadBytes(Path("save" + std::to_string(n) + ".sin"));
    }

    testing::TempDir temp_;
    testing::EnvironmentGuard environment_;
};

// A read takes eight seconds of the protocol's own pauses: the two reads run side by side.
TEST_F(RadioFleetCliTest, EveryReadLeavesABackupThatAFailureCannotTakeTheReadWith) {
    RadioProcess radio({"--baud", "0", "--image", Path("demo.sin")});
    RadioProcess other({"--baud", "0", "--image", Path("demo.sin")});
    // No place for backups for the other read: it is done all the same, and says so.
    testing::WriteBytes(Path("blocked"), {1});
    ProcessRun run;
    ProcessRun blocked;
    std::thread side([&] {
        blocked = Cli("read " + other.Port() + " " + Quoted(Path("other.sin")), "blocked",
                      "XDG_DATA_HOME=" + Quoted(Path("blocked")));
    });
    run = Cli("read " + radio.Port() + " " + Quoted(Path("read.sin")));
    side.join();

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> backups = ListBackups(Backups());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(run.out, "A backup of the read is in " + backups[0] + "\n");
    EXPECT_EQ(ReadBytes(backups[0]), BytesOf(Pattern()));
    EXPECT_EQ(ReadBytes(Path("read.sin")), BytesOf(Pattern()));

    EXPECT_EQ(blocked.status, 0);
    EXPECT_EQ(blocked.out, "");
    EXPECT_EQ(blocked.err.rfind("tevano-cli: The read is complete, but its backup could not be "
                                "saved in " +
                                    Path("blocked") + "/tevano/backups: ",
                                0),
              0u)
        << blocked.err;
    EXPECT_EQ(ReadBytes(Path("other.sin")), BytesOf(Pattern()));
}

// The exchanges run side by side (tools/bench-fleet.sh times four against one).
TEST_F(RadioFleetCliTest, SeveralRadiosAreWrittenAtOnceWithALinePerPort) {
    std::vector<std::unique_ptr<RadioProcess>> radios;
    std::string ports;
    std::vector<std::string> lines;
    for (int n = 1; n <= 4; ++n) {
        radios.push_back(Radio(n));
        ports += radios.back()->Port() + " ";
        lines.push_back(radios.back()->Port() + ": written");
    }
    const ProcessRun run = Cli("write " + ports + Quoted(Path("demo.sin")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out), lines);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Saved(n), BytesOf(Pattern())) << n;
    }
}

TEST_F(RadioFleetCliTest, OneFailedRadioFailsTheCommandAndIsNamed) {
    const auto good = Radio(1);
    const auto refusing = Radio(2, {"--fault", "refuse-write=7"});
    const std::string missing = Path("ttyUSB9");
    const ProcessRun run = Cli("write " + good->Port() + " " + refusing->Port() + " " + missing +
                               " " + Quoted(Path("demo.sin")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        Lines(run.out),
        (std::vector<std::string>{
            good->Port() + ": written",
            refusing->Port() + ": failed:  Program Interrupt，Please reset the radio and try again "
                               "The write to the radio stopped after 7 of its 396 blocks. The "
                               "radio now holds a partly written memory: write it again before "
                               "using the radio.",
            missing + ": failed: " + kOpenFailed}));
    EXPECT_EQ(Sorted(Lines(run.err)),
              Sorted({"tevano-cli: " + refusing->Port() +
                          ":  Program Interrupt，Please reset the radio and try again",
                      "tevano-cli: " + missing + ": " + kOpenFailed,
                      "tevano-cli: " + missing + ": " + missing + kNotPluggedIn}));
    EXPECT_EQ(Saved(1), BytesOf(Pattern()));
}

TEST_F(RadioFleetCliTest, RetriesAndForceAnswerTheQuestionsOfEachRadio) {
    RadioImage typed = Pattern();
    typed[kRadioTypeCodeByte] = 0x11;
    ASSERT_TRUE(StoreChannelFile(Path("typed.sin"), typed).Ok());
    const auto first = Radio(1, {"--fault", "wrong-ack=15", "--type", "0x22"});
    const auto second = Radio(2, {"--fault", "wrong-ack=15", "--type", "0x22"});
    const ProcessRun run = Cli("write " + first->Port() + " " + second->Port() + " " +
                               Quoted(Path("typed.sin")) + " --retries 1 --force");
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected;
    for (const std::string& port : {first->Port(), second->Port()}) {
        const std::string prefix = "tevano-cli: " + port + ": ";
        expected.push_back(prefix + "Communication Error，Please check all the connections and "
                                    "the radio power");
        expected.push_back(prefix + "retry 1 of 1");
        expected.push_back(prefix + " Radio Type are not match for your setting，If you want "
                                    "continue,push ok button");
        expected.push_back(prefix + "going on (--force)");
    }
    EXPECT_EQ(Sorted(Lines(run.err)), Sorted(expected));
    EXPECT_EQ(Saved(1), BytesOf(typed));
    EXPECT_EQ(Saved(2), BytesOf(typed));
}

// Each radio is read back and compared with the file as diff compares: the differences in the
// window's words on stderr, a count in the result line.
TEST_F(RadioFleetCliTest, VerifiedWriteReadsEachRadioBackAndListsWhatDiffers) {
    const auto good = Radio(1);
    const auto corrupting = Radio(2, {"--fault", "corrupt=0x123"}); // channel 19's frequency
    const auto shortReplies = Radio(3, {"--fault", "short-reply=5:3"});

    ProcessRun run = Cli("write " + good->Port() + " " + corrupting->Port() + " " +
                         shortReplies->Port() + " " + Quoted(Path("demo.sin")) + " --verify");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{
                  good->Port() + ": written and verified",
                  corrupting->Port() +
                      ": written, but the radio differs from the file in 1 place (listed above)",
                  shortReplies->Port() +
                      ": written, but reading it back failed: not received enough  byte"}));
    const std::vector<std::string> err = Sorted(Lines(run.err));
    ASSERT_EQ(err.size(), 2u) << run.err;
    EXPECT_EQ(err[0].rfind("tevano-cli: " + corrupting->Port() + ": Channel 19, Rx Frequency: ", 0),
              0u)
        << run.err;
    EXPECT_EQ(err[1], "tevano-cli: " + shortReplies->Port() + ": not received enough  byte");
    // The radios were written all the same; the verify only tells.
    EXPECT_EQ(Saved(1), BytesOf(Pattern()));
    EXPECT_EQ(Saved(3), BytesOf(Pattern()));
    // A verify reads, but it is no read of the user's: no backup.
    EXPECT_TRUE(ListBackups(Backups()).empty());
}

TEST_F(RadioFleetCliTest, CommandLinesThatCannotWork) {
    const auto radio = Radio(1);
    ProcessRun run =
        Cli("write " + radio->Port() + " " + radio->Port() + " " + Quoted(Path("demo.sin")));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Lines(run.err).front(),
              "tevano-cli: " + radio->Port() + " and " + radio->Port() + " are the same device");
    // A link to a port is the same port.
    ASSERT_EQ(symlink(radio->Port().c_str(), Path("link").c_str()), 0);
    EXPECT_EQ(
        Cli("write " + radio->Port() + " " + Path("link") + " " + Quoted(Path("demo.sin"))).status,
        2);
    EXPECT_EQ(Cli("read " + radio->Port() + " " + Path("link") + " x.sin").status, 2);
    EXPECT_EQ(Cli("read " + radio->Port() + " x.sin --verify").status, 2);
    EXPECT_NE(access(Path("save1.sin").c_str(), F_OK), 0);
}

// A signal stops every write of the fleet at its next block: a line per radio says how much it
// holds, and every port is let go of.
TEST_F(RadioFleetCliTest, SignalStopsEveryWriteWithALinePerPort) {
    std::vector<std::unique_ptr<RadioProcess>> radios;
    for (int n = 1; n <= 3; ++n) {
        // Paced as a real radio, so that the write is still going when the signal comes.
        radios.push_back(std::make_unique<RadioProcess>(
            std::vector<std::string>{"--trace", Path("trace" + std::to_string(n))}));
    }
    const pid_t cli = testing::StartCli(
        {"write", radios[0]->Port(), radios[1]->Port(), radios[2]->Port(), Path("demo.sin")},
        Path("out"), Path("err"));
    // Wait until blocks are moving to every radio, then end it as a shell's kill would.
    EXPECT_TRUE(testing::WaitUntil(
        [this] {
            for (int n = 1; n <= 3; ++n) {
                if (ReadText(Path("trace" + std::to_string(n))).find("> 57 00 10") ==
                    std::string::npos) {
                    return false;
                }
            }
            return true;
        },
        std::chrono::seconds(10)));
    kill(cli, SIGTERM);
    EXPECT_EQ(testing::WaitForExit(cli), 128 + SIGTERM);

    const std::vector<std::string> lines = Lines(ReadText(Path("out")));
    ASSERT_EQ(lines.size(), radios.size());
    for (std::size_t n = 0; n < radios.size(); ++n) {
        EXPECT_EQ(lines[n].rfind(radios[n]->Port() + ": failed: ended by SIGTERM. The write to "
                                                     "the radio stopped after ",
                                 0),
                  0u)
            << lines[n];
        EXPECT_NE(lines[n].find(" of its 396 blocks. "), std::string::npos) << lines[n];
    }
    for (const auto& radio : radios) {
        testing::ExpectPortFree(radio->Port());
    }
}

} // namespace
} // namespace tevano
