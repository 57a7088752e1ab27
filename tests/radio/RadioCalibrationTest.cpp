// The calibration exchange over a real pseudo-terminal against tevano-radio: what the radio
// received and recorded, its missing confirmations and the retry that gets past them, and the
// frames it will not confirm.

#include "RadioProcess.h"

#include "radiolink/CloneExchange.h"
#include "radiolink/PosixSerialPort.h"
#include "support/ScriptedExchange.h"
#include "support/TempDir.h"
#include "testmode/CalibrationExchange.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace tevano {
namespace {

using testing::LinesStartingWith;
using testing::Log;
using testing::RadioProcess;
using testing::ScriptedHook;

std::vector<std::string> LinesOf(const std::string& path) {
    return testing::Lines(testing::ReadText(path));
}

// How often the bytes appear in the trace: a run of bytes in one direction may go on over
// several frames.
long Occurrences(const std::string& text, const std::string& bytes) {
    long count = 0;
    for (std::size_t at = text.find(bytes); at != std::string::npos;
         at = text.find(bytes, at + 1)) {
        ++count;
    }
    return count;
}

CalibrationInputs TxPowerAt400() {
    CalibrationInputs inputs;
    inputs.item = CalibrationItem::TxPower;
    inputs.value = 47;
    inputs.rxFrequency = "400.00000";
    inputs.txFrequency = "400.00625";
    inputs.rxTone = "67.0";
    inputs.txTone = "D023N";
    return inputs;
}

class RadioCalibrationTest : public ::testing::Test {
protected:
    // A radio at 9600 baud, as a calibration meets it on a cable, tracing and recording.
    std::vector<std::string> Options(std::vector<std::string> more) const {
        std::vector<std::string> options = {"--trace", Path("trace"), "--calibrations",
                                            Path("calibrations")};
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    testing::TempDir temp_;
    Log log_;
    ScriptedHook hook_{log_};
    PosixSerialPort port_;
};

TEST_F(RadioCalibrationTest, ConfirmedCalibrationsAreRecordedWithTheirBytesOnTheWire) {
    RadioProcess radio(Options({}));

    const CalibrationEnding ending = RunCalibration(port_, radio.Port(), hook_, TxPowerAt400());

    EXPECT_EQ(ending, CalibrationEnding::Confirmed);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CalibrationFinished});
    EXPECT_FALSE(port_.IsOpen());
    const std::string record =
        "item=tx-power rx=400.00000 tx=400.00625 rx-tone=67.0 tx-tone=0.0 value=47 confirmed";
    EXPECT_EQ(LinesOf(Path("calibrations")), std::vector<std::string>{record});
    const std::vector<std::string> wire = {"> 02 50 52 4F 47 52 41",
                                           "< 06",
                                           "> 4D 02",
                                           "< 54 45 56 41 FF 01 00 00",
                                           "> 06",
                                           "< 06",
                                           "> 78 74 74 08",
                                           "< 48",
                                           "> 00 00 00 40 25 06 00 40",
                                           "< 48",
                                           "> 70 06 00 00 FB 01 01 2F",
                                           "= calibration " + record,
                                           "< 48"};
    EXPECT_EQ(LinesOf(Path("trace")), wire);

    // The radio is ready for the next one at once.
    Log log;
    ScriptedHook hook(log);
    CalibrationInputs squelch = TxPowerAt400();
    squelch.item = CalibrationItem::SquelchLevel;
    squelch.value = 160;
    squelch.rxFrequency = "134";
    squelch.txTone = "254.1";
    EXPECT_EQ(RunCalibration(port_, radio.Port(), hook, squelch), CalibrationEnding::Confirmed);
    EXPECT_EQ(LinesOf(Path("calibrations")),
              (std::vector<std::string>{record, "item=squelch-level rx=134.00000 tx=400.00625 "
                                                "rx-tone=67.0 tx-tone=254.1 value=160 confirmed"}));
}

TEST_F(RadioCalibrationTest, MissingConfirmationIsAskedAboutAndTheRetryGetsThrough) {
    const struct {
        const char* fault;
        std::vector<std::string> recorded;
        long confirmations; // the 0x48s the radio did send
    } cases[] = {
        {"no-confirm=item:1", {"confirmed"}, 3},
        // The radio took the value but its confirmation got lost: the retry sends it again.
        {"no-confirm=value:1", {"unconfirmed", "confirmed"}, 5},
    };
    for (const auto& c : cases) {
        std::remove(Path("calibrations").c_str());
        std::remove(Path("trace").c_str());
        RadioProcess radio(Options({"--fault", c.fault}));
        Log log;
        ScriptedHook hook(log);
        hook.answers = {Answer::Retry};

        const CalibrationEnding ending = RunCalibration(port_, radio.Port(), hook, TxPowerAt400());

        EXPECT_EQ(ending, CalibrationEnding::Confirmed) << c.fault;
        EXPECT_EQ(hook.asked, (std::vector<MessageId>{MessageId::CalibrationFailed,
                                                      MessageId::CalibrationFinished}))
            << c.fault;
        std::vector<std::string> endings;
        for (const std::string& line : LinesOf(Path("calibrations"))) {
            endings.push_back(line.substr(line.rfind(' ') + 1));
        }
        EXPECT_EQ(endings, c.recorded) << c.fault;
        EXPECT_EQ(Occurrences(testing::ReadText(Path("trace")), "02 50 52 4F 47 52 41"), 2)
            << c.fault;
        EXPECT_EQ(LinesStartingWith(LinesOf(Path("trace")), "< 48"), c.confirmations) << c.fault;
    }
}

// Frames sent by hand: the radio tells a calibration from a block command after the same
// handshake, answers only what it can take, and a frame it refused does not stop it from
// taking the next calibration.
TEST_F(RadioCalibrationTest, RadioConfirmsOnlyFramesItCanTake) {
    RadioProcess radio(Options({"--baud", "0"}));
    // The answer to the bytes, at most `size` bytes of it.
    const auto answerTo = [this](const std::vector<std::uint8_t>& bytes, std::size_t size = 1) {
        port_.Purge(PurgeMode::Clear);
        EXPECT_TRUE(port_.Write(bytes.data(), bytes.size()));
        std::uint8_t answer[12] = {};
        const ReadResult got = port_.Read(answer, size);
        return testing::Hex(answer, got.count);
    };
    const auto handshake = [&] {
        std::string answers;
        const std::uint8_t wake[] = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52};
        for (const std::uint8_t byte : wake) {
            EXPECT_TRUE(port_.WriteByte(byte));
        }
        answers += answerTo({0x41}) + "|";
        answers += answerTo({0x4D, 0x02}, 8) + "|";
        answers += answerTo({0x06});
        return answers;
    };
    const std::string handshakeAnswers = "06|54 45 56 41 FF 01 00 00|06";
    const std::vector<std::uint8_t> goodFrequencies = {0x00, 0x00, 0x00, 0x40,
                                                       0x25, 0x06, 0x00, 0x40};
    ASSERT_TRUE(port_.Open(radio.Port(), kCalibrationTimeouts));

    EXPECT_EQ(handshake(), handshakeAnswers);
    RadioImage fresh{};
    MakeNewImage(fresh);
    EXPECT_EQ(answerTo({0x52, 0x08, 0x10, 0x08}, 12),
              "57 08 10 08 " + testing::Hex(fresh.data() + 0x810, 8));
    port_.Pause(150);
    // An item the radio does not have.
    EXPECT_EQ(handshake(), handshakeAnswers);
    EXPECT_EQ(answerTo({0x78, 0x70, 0x70, 0x08}), "");
    // A frequency frame that is not BCD (1000 MHz would need a tenth digit).
    port_.Pause(150);
    EXPECT_EQ(handshake(), handshakeAnswers);
    EXPECT_EQ(answerTo({0x78, 0x73, 0x73, 0x08}), "48");
    EXPECT_EQ(answerTo({0x00, 0x00, 0x00, 0xA0, 0x00, 0x00, 0x00, 0x40}), "");
    // A value frame without its fixed bytes.
    port_.Pause(150);
    EXPECT_EQ(handshake(), handshakeAnswers);
    EXPECT_EQ(answerTo({0x78, 0x73, 0x73, 0x08}), "48");
    EXPECT_EQ(answerTo(goodFrequencies), "48");
    EXPECT_EQ(answerTo({0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x00, 0xA0}), "");
    // And then a good one.
    port_.Pause(150);
    EXPECT_EQ(handshake(), handshakeAnswers);
    EXPECT_EQ(answerTo({0x78, 0x73, 0x73, 0x08}), "48");
    EXPECT_EQ(answerTo(goodFrequencies), "48");
    EXPECT_EQ(answerTo({0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}), "48");
    port_.Close();

    EXPECT_EQ(LinesOf(Path("calibrations")),
              std::vector<std::string>{"item=squelch-level rx=400.00000 tx=400.00625 "
                                       "rx-tone=0.0 tx-tone=0.0 value=160 confirmed"});
}

} // namespace
} // namespace tevano
