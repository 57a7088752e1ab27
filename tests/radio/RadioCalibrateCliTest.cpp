// tevano-cli calibrate against tevano-radio, as scripts use it: judged by what the radio
// recorded, the text on stderr and the exit status.

#include "RadioProcess.h"

#include "radiolink/PosixSerialPort.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace tevano {
namespace {

using testing::ProcessRun;
using testing::RadioProcess;
using testing::ReadText;

class RadioCalibrateCliTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    // The radio records its calibrations and its line in the test's directory.
    std::vector<std::string> RadioOptions(std::vector<std::string> more) const {
        std::vector<std::string> options = {"--calibrations", Path("calibrations"), "--trace",
                                            Path("trace")};
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }

    ProcessRun Calibrate(const std::string& arguments) const {
        return testing::RunCommand(testing::Quoted(TEVANO_CLI) + " calibrate " + arguments, temp_);
    }

    testing::TempDir temp_;
};

// The texts go into the frames as given: a frequency read as the grid reads one ("," the decimal
// mark), cut to 10 Hz; a tone's leading number cut to 0.1 Hz, and 0 for "OFF" and DCS names.
TEST_F(RadioCalibrateCliTest, ConfirmedCalibrationSendsTheTextsAsGiven) {
    RadioProcess radio(RadioOptions({}));

    ProcessRun run =
        Calibrate(radio.Port() + " --item low-power-voltage --value 38 --rx ' 145,1325' --tx "
                                 "145.123459 --rx-tone 88.57 --tx-tone d023n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tevano-cli: Finish successfully!\n");

    // Without tones both lists show "OFF"; the Chinese success message.
    run = Calibrate(radio.Port() + " --item tx-frequency --value 255 --rx 400 --tx 420 --chinese");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tevano-cli: 对讲机已收到!\n");

    // The band's edges are test frequencies too.
    run = Calibrate(radio.Port() + " --item squelch-level --value 9 --rx 67 --tx 521");
    EXPECT_EQ(run.status, 0) << run.err;

    EXPECT_EQ(ReadText(Path("calibrations")),
              "item=low-power-voltage rx=145.13250 tx=145.12345 rx-tone=88.5 tx-tone=0.0 "
              "value=38 confirmed\n"
              "item=tx-frequency rx=400.00000 tx=420.00000 rx-tone=0.0 tx-tone=0.0 value=255 "
              "confirmed\n"
              "item=squelch-level rx=67.00000 tx=521.00000 rx-tone=0.0 tx-tone=0.0 value=9 "
              "confirmed\n");
}

// A cable that echoes every byte: the wake-up's echo is recognised, the echo of every later
// send skipped, and the radio's confirmations read as usual.
TEST_F(RadioCalibrateCliTest, EchoingCableCalibratesAsAPlainOne) {
    RadioProcess radio(RadioOptions({"--echo"}));
    const ProcessRun run =
        Calibrate(radio.Port() + " --item tx-power --value 47 --rx 400 --tx 400.5");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tevano-cli: the cable echoes what is sent; echoed bytes are skipped\n"
                       "tevano-cli: Finish successfully!\n");
    EXPECT_EQ(ReadText(Path("calibrations")),
              "item=tx-power rx=400.00000 tx=400.50000 rx-tone=0.0 tx-tone=0.0 value=47 "
              "confirmed\n");
}

// A text without a number would go out as 0, a frequency outside the radio's band is no test:
// both are refused as a wrong command line, naming the option, before the port is opened.
TEST_F(RadioCalibrateCliTest, FieldThatCannotBeSentIsRefusedBeforeThePortOpens) {
    RadioProcess radio(RadioOptions({}));
    const struct {
        const char* fields;
        const char* named;
    } cases[] = {
        {"--rx 400 --tx 1000", "--tx 1000"},
        {"--rx 1234.5 --tx 400", "--rx 1234.5"},
        {"--rx -5 --tx 400", "--rx -5"},
        {"--rx 400 --tx 400 --tx-tone 1000", "--tx-tone 1000"},
        {"--rx 400 --tx abc", "--tx abc"},
        {"--rx 1e2 --tx 400", "--rx 1e2"},
        {"--rx 400 --tx 145.1325abc", "--tx 145.1325abc"},
        {"--rx '' --tx 400", "--rx "},
        {"--rx 66.99999 --tx 400", "--rx 66.99999"},
        {"--rx 400 --tx 521.00001", "--tx 521.00001"},
        {"--rx 400 --tx 400 --rx-tone tone", "--rx-tone tone"},
        {"--rx 400 --tx 400 --tx-tone D024N", "--tx-tone D024N"},
    };
    for (const auto& c : cases) {
        // Another program holds the port: had the tool tried it, it would say it cannot open it.
        PosixSerialPort otherProgram;
        ASSERT_TRUE(otherProgram.Open(radio.Port(), kCalibrationTimeouts));
        const ProcessRun run =
            Calibrate(radio.Port() + " --item tx-power --value 47 " + std::string(c.fields));
        EXPECT_EQ(run.status, 2) << c.fields;
        EXPECT_EQ(run.err.rfind(std::string("tevano-cli: ") + c.named + ": ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find("Could not Open"), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadText(Path("trace")), "");
}

TEST_F(RadioCalibrateCliTest, SilentRadioIsRetriedAsOftenAsAskedThenGivenUp) {
    RadioProcess radio(RadioOptions({"--fault", "silent"}));
    const std::string failed = "tevano-cli:  Error had happen ,need try again\n";

    const ProcessRun run =
        Calibrate(radio.Port() + " --item tx-power --value 47 --rx 400 --tx 400 --retries 1");

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, failed + "tevano-cli: retry 1 of 1\n" + failed);
    // The radio ends the line when it notices the close, which may come after the tool is gone.
    std::string trace = ReadText(Path("trace"));
    if (!trace.empty() && trace.back() == '\n') {
        trace.pop_back();
    }
    EXPECT_EQ(trace, "> 02 50 52 4F 47 52 41 02 50 52 4F 47 52 41");
    EXPECT_EQ(ReadText(Path("calibrations")), "");
}

TEST_F(RadioCalibrateCliTest, MissingConfirmationThenRetryAndUnusablePorts) {
    {
        RadioProcess radio(RadioOptions({"--fault", "no-confirm=frequency:1"}));
        const ProcessRun run = Calibrate(
            radio.Port() + " --item squelch-level --value 160 --rx 154 --tx 154 --retries 3");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "tevano-cli:  Error had happen ,need try again\n"
                           "tevano-cli: retry 1 of 3\n"
                           "tevano-cli: Finish successfully!\n");
    }
    const ProcessRun run =
        Calibrate(Path("no-such-port") + " --item tx-power --value 47 --rx 400 --tx 400");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tevano-cli: Could not Open the Port,Please check whether the Port are "
                       "occupied or the device are ok\n"
                       "tevano-cli: " +
                           Path("no-such-port") +
                           " does not exist: the programming cable is not plugged in, or the "
                           "port is set to another device (Port Setup).\n");
}

TEST_F(RadioCalibrateCliTest, WrongCommandLinesAreMisuse) {
    const std::string port = Path("port");
    for (const std::string& arguments : {
             std::string("--item tx-power --value 47 --rx 400 --tx 400"),
             port + " --value 47 --rx 400 --tx 400",
             port + " --item tx-power --rx 400 --tx 400",
             port + " --item tx-power --value 47 --tx 400",
             port + " --item tx-power --value 47 --rx 400",
             port + " --item txpower --value 47 --rx 400 --tx 400",
             port + " --item tx-power --value 256 --rx 400 --tx 400",
             port + " --item tx-power --value -1 --rx 400 --tx 400",
             port + " --item tx-power --value 4.5 --rx 400 --tx 400",
             port + " --item tx-power --value 47 --rx 400 --tx 400 --retries many",
             port + " --item tx-power --value 47 --rx 400 --tx 400 --force",
         }) {
        const ProcessRun run = Calibrate(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: tevano-cli calibrate PORT"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace tevano
