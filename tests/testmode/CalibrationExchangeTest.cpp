// The calibration exchange against a scripted radio: the frames on the wire for given field
// texts, every pause, purge and read of an attempt, a silent radio, and the Retry/Cancel loop
// that only the user ends.

#include "support/ScriptedExchange.h"

#include "testmode/CalibrationExchange.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::Arrival;
using testing::Bytes;
using testing::Count;
using testing::Find;
using testing::Log;
using testing::ScriptedHook;
using testing::ScriptedPort;

const Bytes kIdentification = {0x54, 0x45, 0x56, 0x41, 0xFF, 0x01, 0x00, 0x00};

// The radio's side of a whole good attempt: wake-up acknowledged, identification, final
// acknowledgement, and 0x48 after each of the three frames.
void ScriptGoodAttempt(ScriptedPort& port) {
    for (const Bytes& answer :
         {Bytes{0x06}, kIdentification, Bytes{0x06}, Bytes{0x48}, Bytes{0x48}, Bytes{0x48}}) {
        port.arrivals.push_back({answer});
    }
}

CalibrationInputs Inputs(CalibrationItem item, std::uint8_t value, std::string rx, std::string tx,
                         std::string rxTone = "OFF", std::string txTone = "OFF") {
    CalibrationInputs inputs;
    inputs.item = item;
    inputs.value = value;
    inputs.rxFrequency = std::move(rx);
    inputs.txFrequency = std::move(tx);
    inputs.rxTone = std::move(rxTone);
    inputs.txTone = std::move(txTone);
    return inputs;
}

// Everything of one attempt up to the wake-up's first read.
Log WakeUpOfAttempt() {
    Log log = {"pause 700"};
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"}) {
        log.insert(log.end(), {"purge clear", std::string("send ") + byte, "pause 1"});
    }
    // No purge before it: an echoing cable's return of the wake-up must be seen.
    log.push_back("read 1:");
    return log;
}

class CalibrationExchangeTest : public ::testing::Test {
protected:
    CalibrationEnding Run(const CalibrationInputs& inputs) {
        return RunCalibration(port_, "/dev/ttyRADIO", hook_, inputs);
    }

    // What went out after the item select byte 0x78, send by send.
    Log SendsAfterItemSelect() const {
        Log sends;
        for (std::size_t i = Find(log_, "send 78") + 1; i < log_.size(); ++i) {
            if (log_[i].rfind("send ", 0) == 0) {
                sends.push_back(log_[i].substr(5));
            }
        }
        return sends;
    }

    Log log_;
    ScriptedPort port_{log_};
    ScriptedHook hook_{log_};
};

TEST_F(CalibrationExchangeTest, ConfirmedCalibrationOfTxPowerStepByStep) {
    ScriptGoodAttempt(port_);

    const CalibrationEnding ending =
        Run(Inputs(CalibrationItem::TxPower, 47, "400.00000", "400.00625", "OFF", "D023N"));

    EXPECT_EQ(ending, CalibrationEnding::Confirmed);
    EXPECT_EQ(port_.timeouts_.readTotalConstant, kCalibrationTimeouts.readTotalConstant);
    EXPECT_EQ(port_.timeouts_.readTotalMultiplier, kCalibrationTimeouts.readTotalMultiplier);
    EXPECT_EQ(port_.timeouts_.readInterval, kCalibrationTimeouts.readInterval);
    Log expected = {"open /dev/ttyRADIO", "purge clear"};
    const Log wakeUp = WakeUpOfAttempt();
    expected.insert(expected.end(), wakeUp.begin(), wakeUp.end());
    expected.back() = "read 1: 06";
    expected.insert(expected.end(),
                    {"pause 1", "purge clear", "send 4D", "pause 1", "purge clear", "send 02",
                     "purge clear", "read 8: 54 45 56 41 FF 01 00 00", "pause 1", "purge clear",
                     "send 06", "purge clear", "read 1: 06"});
    // The item select: the code goes out twice.
    expected.insert(expected.end(),
                    {"purge clear", "pause 1", "send 78", "pause 1", "purge clear", "send 74",
                     "pause 1", "purge clear", "send 74 08", "purge clear", "read 1: 48"});
    expected.insert(expected.end(), {"pause 1", "purge clear", "send 00 00 00 40 25 06 00 40",
                                     "purge clear", "read 1: 48", "pause 1", "purge clear",
                                     "send 00 00 00 00 FB 01 01 2F", "purge clear", "read 1: 48"});
    // The port is let go of before the message shows.
    expected.insert(expected.end(), {"close", "ask CalibrationFinished"});
    EXPECT_EQ(log_, expected);
    EXPECT_FALSE(port_.IsOpen());
}

// The three frames as the dialog's texts make them: leading number, truncated to 10 Hz and
// 0.1 Hz, "OFF" and DCS names as 0, the value as a plain byte.
TEST_F(CalibrationExchangeTest, FramesOnTheWireForTheFieldsAsTheyStand) {
    const struct {
        CalibrationInputs inputs;
        Log sends; // the rest of the item select, the frequency frame, the value frame
    } cases[] = {
        {Inputs(CalibrationItem::TxFrequency, 91, "146.52", "146.52", "67.0", "254.1"),
         {"71", "71 08", "00 20 65 14 00 20 65 14", "70 06 41 25 FB 01 01 5B"}},
        {Inputs(CalibrationItem::LowPowerVoltage, 38, "134.00000", "154.00000", "D023N", "D754I"),
         {"72", "72 08", "00 00 40 13 00 00 40 15", "00 00 00 00 FB 01 01 26"}},
        // An unrounded text goes out unchanged; digits past 10 Hz are cut, not rounded.
        {Inputs(CalibrationItem::SquelchLevel, 160, "145.1325", "145.123459", "100.05", "88.5"),
         {"73", "73 08", "50 32 51 14 45 23 51 14", "00 10 85 08 FB 01 01 A0"}},
        // Empty fields (no test frequency chosen yet) and the slider's ends.
        {Inputs(CalibrationItem::TxPower, 255, "", "", "", ""),
         {"74", "74 08", "00 00 00 00 00 00 00 00", "00 00 00 00 FB 01 01 FF"}},
        {Inputs(CalibrationItem::TxPower, 0, " 420MHz", "abc", "OFF", "  67.0x"),
         {"74", "74 08", "00 00 00 42 00 00 00 00", "00 00 70 06 FB 01 01 00"}},
        // A text that does not fit is never sent as invalid BCD; callers clamp or refuse it.
        {Inputs(CalibrationItem::TxPower, 1, "1000", "-5", "OFF", "OFF"),
         {"74", "74 08", "99 99 99 99 00 00 00 00", "00 00 00 00 FB 01 01 01"}},
    };
    for (const auto& c : cases) {
        log_.clear();
        ScriptGoodAttempt(port_);
        const CalibrationEnding ending = Run(c.inputs);
        EXPECT_EQ(ending, CalibrationEnding::Confirmed) << c.inputs.rxFrequency;
        EXPECT_EQ(SendsAfterItemSelect(), c.sends) << c.inputs.rxFrequency;
        EXPECT_EQ(Count(log_, "send 78"), 1);
        port_.arrivals.clear();
    }
}

// Each attempt: the 700 ms rest, the wake-up, two reads of one byte that bring nothing, then
// the question. Only Cancel ends it; the port stays open between the attempts.
TEST_F(CalibrationExchangeTest, SilentRadioIsAskedAboutAgainUntilCancel) {
    hook_.answers = {Answer::Retry, Answer::Retry, Answer::Retry, Answer::Cancel};

    const CalibrationEnding ending = Run(Inputs(CalibrationItem::SquelchLevel, 160, "154", "154"));

    EXPECT_EQ(ending, CalibrationEnding::Cancelled);
    Log attempt = WakeUpOfAttempt();
    attempt.back() = "read 1: none";
    attempt.insert(attempt.end(), {"purge clear", "read 1: none", "ask CalibrationFailed"});
    Log expected = {"open /dev/ttyRADIO", "purge clear"};
    for (int i = 0; i < 4; ++i) {
        expected.insert(expected.end(), attempt.begin(), attempt.end());
    }
    expected.push_back("close");
    EXPECT_EQ(log_, expected);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>(4, MessageId::CalibrationFailed));
}

// Wherever an attempt fails, the question comes at once, and Retry starts over from the rest
// and the wake-up on the same open port.
TEST_F(CalibrationExchangeTest, EveryFailedStepAsksAndRetryStartsOverFromTheWakeUp) {
    const struct {
        const char* where;
        std::vector<Arrival> failedAttempt;
    } cases[] = {
        {"wake-up answered wrongly twice", {{{0x15}}, {{0x15}}}},
        {"wake-up read failed", {{{}, true}}},
        {"identification read failed", {{{0x06}}, {{0x54, 0x45}, true}}},
        {"final acknowledgement wrong", {{{0x06}}, {kIdentification}, {{0x15}}}},
        {"final acknowledgement missing", {{{0x06}}, {kIdentification}, {}}},
        {"no 0x48 after the item select", {{{0x06}}, {kIdentification}, {{0x06}}, {}}},
        {"0x06 instead of 0x48", {{{0x06}}, {kIdentification}, {{0x06}}, {{0x06}}}},
        // The buffer still holds the last 0x48: a read with no byte must not pass for it.
        {"no 0x48 after the frequency frame",
         {{{0x06}}, {kIdentification}, {{0x06}}, {{0x48}}, {}}},
        {"port error instead of the last 0x48",
         {{{0x06}}, {kIdentification}, {{0x06}}, {{0x48}}, {{0x48}}, {{0x48}, true}}},
    };
    for (const auto& c : cases) {
        log_.clear();
        hook_.asked.clear();
        hook_.answers = {Answer::Retry};
        port_.arrivals.assign(c.failedAttempt.begin(), c.failedAttempt.end());
        ScriptGoodAttempt(port_);

        const CalibrationEnding ending = Run(Inputs(CalibrationItem::TxPower, 47, "400", "400"));

        EXPECT_EQ(ending, CalibrationEnding::Confirmed) << c.where;
        EXPECT_EQ(hook_.asked, (std::vector<MessageId>{MessageId::CalibrationFailed,
                                                       MessageId::CalibrationFinished}))
            << c.where;
        const std::size_t question = Find(log_, "ask CalibrationFailed");
        ASSERT_LT(question + 1, log_.size()) << c.where;
        EXPECT_EQ(log_[question - 1].rfind("read ", 0), 0u) << c.where;
        EXPECT_EQ(log_[question + 1], "pause 700") << c.where;
        EXPECT_EQ(Count(log_, "open /dev/ttyRADIO"), 1) << c.where;
        EXPECT_EQ(Count(log_, "send 41"), 2) << c.where; // two wake-ups
        EXPECT_EQ(Count(log_, "close"), 1) << c.where;
        EXPECT_TRUE(port_.arrivals.empty()) << c.where;
    }
}

TEST_F(CalibrationExchangeTest, WakeUpMayBeAcknowledgedAtTheSecondReadAndTheIdentificationShort) {
    port_.arrivals = {{{0x15}}, {{0x06}}, {{0x54, 0x45, 0x56}}, {{0x06}}, {{0x48}},
                      {{0x48}}, {{0x48}}};

    EXPECT_EQ(Run(Inputs(CalibrationItem::TxPower, 47, "400", "400")),
              CalibrationEnding::Confirmed);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CalibrationFinished});
}

TEST_F(CalibrationExchangeTest, PortThatCannotBeOpenedSaysSoAndTouchesNothing) {
    port_.opens = false;

    EXPECT_EQ(Run(Inputs(CalibrationItem::TxPower, 47, "400", "400")),
              CalibrationEnding::PortOpenFailed);
    EXPECT_EQ(log_, (Log{"open /dev/ttyRADIO", "ask PortOpenFailed"}));
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::PortOpenFailed});
}

} // namespace
} // namespace tevano
