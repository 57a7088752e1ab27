// The handshake of the clone exchange against a scripted radio: the wake-up on the wire, the
// attempt and retry loops, the radio-type question, and the failures that end in the
// communication-error question.

#include "support/ScriptedExchange.h"

#include "radiolink/CloneExchange.h"

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

const Bytes kIdentificationNoType = {0x54, 0x45, 0x56, 0x41, 0xFF, 0x01, 0x00, 0x00};

Bytes IdentificationOfType(std::uint8_t type) {
    Bytes identification = kIdentificationNoType;
    identification[4] = type;
    return identification;
}

void ScriptHandshake(ScriptedPort& port, const Bytes& identification) {
    port.arrivals.push_back({{0x06}});
    port.arrivals.push_back({identification});
    port.arrivals.push_back({{0x06}});
}

RadioImage ImageOfType(std::uint8_t type) {
    RadioImage image{};
    MakeNewImage(image);
    image[0x81B] = type;
    return image;
}

class CloneHandshakeTest : public ::testing::Test {
protected:
    // Every message box of the exchange comes with the interruption watch cleared, so that its
    // own box does not count as the user leaving the progress dialog.
    void TearDown() override {
        for (std::size_t i = 0; i < log_.size(); ++i) {
            if (log_[i].rfind("ask ", 0) == 0) {
                ASSERT_GT(i, 0u);
                EXPECT_EQ(log_[i - 1], "watch off") << "before " << log_[i] << " at " << i;
            }
        }
    }

    Log log_;
    ScriptedPort port_{log_};
    ScriptedHook hook_{log_};
};

TEST_F(CloneHandshakeTest, ReadStartsWithTheWakeUpHandshakeAndTheFirstBlockOnTheWire) {
    ScriptHandshake(port_, kIdentificationNoType);
    port_.arrivals.push_back(
        {{0x57, 0x00, 0x00, 0x08, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}});
    port_.arrivals.push_back({{0x06}});
    RadioImage image{};
    const CloneOutcome outcome = ReadFromRadio(port_, "/dev/ttyRADIO", hook_, image);

    Log expected = {"open /dev/ttyRADIO", "status detecting"};
    for (int turn = 0; turn < 7; ++turn) {
        expected.insert(expected.end(), {"pump", "cancel?", "pause 1"});
    }
    expected.insert(expected.end(), {"status waiting", "purge full"});
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"}) {
        expected.insert(expected.end(), {"pause 1", "purge clear", std::string("send ") + byte});
    }
    expected.insert(expected.end(), {"read 1: 06", "pause 1", "purge clear", "send 4D", "pause 1",
                                     "purge clear", "send 02", "read 8: 54 45 56 41 FF 01 00 00",
                                     "purge clear", "send 06", "read 1: 06"});
    expected.insert(expected.end(),
                    {"purge clear", "send 52 00 00 08",
                     "read 12: 57 00 00 08 11 22 33 44 55 66 77 88", "purge clear", "progress 1",
                     "pause 15", "purge clear", "send 06", "read 1: 06", "watch on"});
    for (int turn = 0; turn < 19; ++turn) {
        expected.insert(expected.end(), {"pump", "cancel?"});
    }
    expected.insert(expected.end(), {"pause 5", "purge clear", "send 52 00 08 08", "read 12: none",
                                     "watch off", "ask NotEnoughBytes", "close"});
    EXPECT_EQ(log_, expected);
    EXPECT_EQ(outcome.ending, CloneEnding::ReadReplyShort);
    EXPECT_EQ(outcome.blocksDone, 1);
    EXPECT_EQ(port_.timeouts_.readTotalMultiplier, 500);
}

TEST_F(CloneHandshakeTest, SilentRadioGetsFifteenAttemptsAndRetryStartsFifteenMoreOnTheOpenPort) {
    hook_.answers = {Answer::Retry, Answer::Cancel};
    RadioImage image{};
    const RadioImage before = image;
    const CloneOutcome outcome = ReadFromRadio(port_, "/dev/ttyRADIO", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
    EXPECT_EQ(Count(log_, "open /dev/ttyRADIO"), 1);
    EXPECT_EQ(Count(log_, "purge full"), 30);
    // Two one-byte reads per attempt, each a missing acknowledgement.
    EXPECT_EQ(Count(log_, "read 1: none"), 60);
    EXPECT_EQ(Count(log_, "pause 2"), 30);
    EXPECT_EQ(Count(log_, "send 4D"), 0);
    EXPECT_EQ(hook_.asked, (std::vector<MessageId>{MessageId::CommunicationError,
                                                   MessageId::CommunicationError}));
    // Retry goes back to the radio with the watch set; the port closes once, at the very end.
    const std::size_t firstQuestion = Find(log_, "ask CommunicationError");
    EXPECT_EQ(log_[firstQuestion + 1], "watch on");
    EXPECT_EQ(Count(log_, "close"), 1);
    EXPECT_EQ(log_.back(), "close");
    EXPECT_EQ(image, before);
}

TEST_F(CloneHandshakeTest, WakeUpAcknowledgementRules) {
    // A stray byte before the acknowledgement is forgiven by the second read.
    {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        port.arrivals = {{{0x15}}, {{0x06}}, {kIdentificationNoType}, {{0x15}}};
        RadioImage image{};
        static_cast<void>(ReadFromRadio(port, "p", hook, image)); // only the sends count here
        EXPECT_EQ(Count(log, "send 4D"), 1);
        EXPECT_EQ(Count(log, "purge full"), 1);
    }
    // A port error skips the second read: the attempt fails at once.
    {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        for (int attempt = 0; attempt < 15; ++attempt) {
            port.arrivals.push_back({{}, true});
        }
        RadioImage image{};
        const CloneOutcome outcome = ReadFromRadio(port, "p", hook, image);
        EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
        EXPECT_EQ(Count(log, "read 1: none port error"), 15);
        EXPECT_EQ(Count(log, "read 1: none"), 0);
    }
}

TEST_F(CloneHandshakeTest, FinalAcknowledgementMustArriveInAnswer) {
    // The wake-up's 0x06 is still at the start of the buffer when the final read brings nothing.
    port_.arrivals = {{{0x06}}, {kIdentificationNoType}, {{}}};
    RadioImage image{};
    const CloneOutcome outcome = ReadFromRadio(port_, "p", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
    EXPECT_EQ(Count(log_, "send 52 00 00 08"), 0);
    // The wait before the question: 601 turns of pump, cancel check and 1 ms.
    const std::size_t wait = Find(log_, "read 1: none");
    ASSERT_LT(wait, log_.size());
    EXPECT_EQ(log_[wait + 1], "watch on");
    const std::size_t question = Find(log_, "ask CommunicationError");
    EXPECT_EQ(question, wait + 2 + 601 * 3 + 1);
    EXPECT_EQ(Count(log_, "pause 1"), 7 + 7 + 2 + 601);
}

TEST_F(CloneHandshakeTest, FailedSendsOfTheFinalAcknowledgementAreBounded) {
    // The handshake's final 0x06 is the only single 0x06 the program sends before the blocks.
    port_.writeFails = [](const Bytes& sent) { return sent == Bytes{0x06}; };
    port_.arrivals = {{{0x06}}, {kIdentificationNoType}};
    RadioImage image{};
    const CloneOutcome outcome = ReadFromRadio(port_, "p", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
    EXPECT_EQ(Count(log_, "send 06"), kFinalAckSendAttempts);
    EXPECT_EQ(hook_.asked,
              (std::vector<MessageId>{MessageId::SendOrderFailed, MessageId::SendOrderFailed,
                                      MessageId::CommunicationError}));
    // Nothing is read after a final acknowledgement that never went out.
    EXPECT_EQ(Count(log_, "read 1: none"), 0);
}

TEST_F(CloneHandshakeTest, TypeMismatchIsAskedOnceAndAcceptedRepeatsTheHandshake) {
    const RadioImage image = ImageOfType(0x11);
    hook_.answers = {Answer::Ok, Answer::Retry};
    // First handshake: mismatch, accepted. Second: mismatch again, not asked, but the final
    // acknowledgement is refused. After Retry: mismatch once more, still not asked.
    port_.arrivals = {{{0x06}}, {IdentificationOfType(0x22)}};
    port_.arrivals.insert(port_.arrivals.end(), {{{0x06}}, {IdentificationOfType(0x22)}, {{0x15}}});
    port_.arrivals.insert(port_.arrivals.end(), {{{0x06}}, {IdentificationOfType(0x22)}, {{0x06}}});
    for (int block = 0; block < 396; ++block) {
        port_.arrivals.push_back({{0x06}});
    }
    const CloneOutcome outcome = WriteToRadio(port_, "p", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::Completed);
    EXPECT_EQ(hook_.asked, (std::vector<MessageId>{MessageId::RadioTypeMismatch,
                                                   MessageId::CommunicationError}));
    // After OK: the watch is set, 351 turns with 1 ms each, then a new attempt from the purge.
    const std::size_t question = Find(log_, "ask RadioTypeMismatch");
    EXPECT_EQ(log_[question + 1], "watch on");
    std::size_t next = question + 2;
    for (int turn = 0; turn < 351 + 7; ++turn, next += 3) {
        ASSERT_EQ(log_[next], "pump");
        ASSERT_EQ(log_[next + 1], "cancel?");
        ASSERT_EQ(log_[next + 2], "pause 1");
    }
    EXPECT_EQ(log_[next], "status waiting");
    EXPECT_EQ(log_[next + 1], "purge full");
    EXPECT_EQ(Count(log_, "purge full"), 3);
    EXPECT_EQ(log_.back(), "watch off");
}

TEST_F(CloneHandshakeTest, TypeQuestionOnlyForAWriteToAnotherReportedType) {
    struct Case {
        const char* what;
        bool write;
        Bytes identification;
        bool asked;
    };
    const Case cases[] = {
        {"write, radio reports another type", true, IdentificationOfType(0x22), true},
        {"write, radio reports the image's type", true, IdentificationOfType(0x11), false},
        {"write, radio reports no type", true, IdentificationOfType(0xFF), false},
        {"write, identification too short to hold a type", true, Bytes{0x54, 0x45, 0x56, 0x41},
         false},
        {"read, radio reports another type", false, IdentificationOfType(0x22), false},
    };
    for (const Case& c : cases) {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log); // a question is answered Cancel
        port.arrivals = {{{0x06}}, {c.identification}};
        RadioImage image = ImageOfType(0x11);
        const CloneOutcome outcome =
            c.write ? WriteToRadio(port, "p", hook, image) : ReadFromRadio(port, "p", hook, image);
        EXPECT_EQ(Count(log, "ask RadioTypeMismatch"), c.asked ? 1 : 0) << c.what;
        if (c.asked) {
            EXPECT_EQ(outcome.ending, CloneEnding::TypeMismatchRefused) << c.what;
            EXPECT_EQ(Count(log, "send 06"), 0) << c.what;
            EXPECT_EQ(log.back(), "close") << c.what;
        }
    }
}

TEST_F(CloneHandshakeTest, PortThatCannotBeOpenedOnlyGetsItsMessage) {
    port_.opens = false;
    RadioImage image{};
    const CloneOutcome outcome = WriteToRadio(port_, "/dev/ttyUSB3", hook_, image);
    EXPECT_EQ(outcome.ending, CloneEnding::PortOpenFailed);
    EXPECT_EQ(log_, (Log{"open /dev/ttyUSB3", "watch off", "ask PortOpenFailed"}));
}

TEST_F(CloneHandshakeTest, CancelInTheTurnsBeforeAnAttemptEndsWithoutAMessage) {
    hook_.cancelAfterBlocks = 0;
    RadioImage image{};
    const CloneOutcome outcome = ReadFromRadio(port_, "p", hook_, image);
    EXPECT_EQ(outcome.ending, CloneEnding::Cancelled);
    EXPECT_EQ(log_, (Log{"open p", "status detecting", "pump", "cancel?", "close"}));
}

// A loopback plug returns the wake-up and nothing else: the echo is recognised, skipped from then
// on, and the missing radio still ends in the communication-error question.
TEST_F(CloneHandshakeTest, LineThatOnlyEchoesIsNoRadio) {
    // The first attempt: the echoes of the earlier bytes went in the purges, the last two came.
    port_.arrivals.push_back({{0x52}});
    port_.arrivals.push_back({{0x41}});
    port_.arrivals.push_back({});
    port_.arrivals.push_back({});
    // Every later attempt: each send's echo is read back at once, then nothing.
    for (int attempt = 2; attempt <= 15; ++attempt) {
        for (const std::uint8_t byte : Bytes{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41}) {
            port_.arrivals.push_back({{byte}});
        }
        port_.arrivals.push_back({});
        port_.arrivals.push_back({});
    }
    RadioImage image{};
    const CloneOutcome outcome = ReadFromRadio(port_, "/dev/ttyRADIO", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CommunicationError});
    EXPECT_EQ(Count(log_, "note echoing"), 1);
    EXPECT_EQ(Count(log_, "read 7: 02 50 52 4F 47 52 41"), 0);
    EXPECT_EQ(Count(log_, "read 1: 41"), 15);
    EXPECT_TRUE(port_.arrivals.empty());
}

} // namespace
} // namespace tevano
