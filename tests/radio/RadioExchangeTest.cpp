// The clone exchange over a real pseudo-terminal against tevano-radio: each ending of a read and
// a write, the bytes on the wire as the radio saw them, replies of the wrong block refused, and a
// cable that echoes read past.

#include "RadioProcess.h"

#include "image/ChannelFile.h"
#include "radiolink/CableWatchHook.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PosixSerialPort.h"
#include "support/ScriptedExchange.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

namespace tevano {
namespace {

using testing::Log;
using testing::RadioProcess;
using testing::ScriptedHook;

// A memory in which every block differs from the next.
RadioImage Pattern(std::uint8_t seed) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + seed + i / 251);
    }
    return image;
}

std::string HexBytes(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02X", data[i]);
        text += byte;
    }
    return text;
}

std::string Address(int block) {
    char text[8];
    std::snprintf(text, sizeof text, " %02X %02X", (block * 8) >> 8, (block * 8) & 0xFF);
    return text;
}

const std::vector<std::string> kHandshakeOnTheWire = {
    "> 02 50 52 4F 47 52 41", "< 06", "> 4D 02", "< 54 45 56 41 FF 01 00 00", "> 06", "< 06"};

class RadioExchangeTest : public ::testing::Test {
protected:
    // A radio without pacing, tracing its line, with the test's options.
    std::vector<std::string> Options(std::vector<std::string> more) const {
        std::vector<std::string> options = {"--baud", "0", "--trace", Path("trace")};
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    std::vector<std::string> Trace() const {
        return testing::Lines(testing::ReadText(Path("trace")));
    }

    long TraceLinesStartingWith(const std::string& prefix) const {
        return testing::LinesStartingWith(Trace(), prefix);
    }

    testing::TempDir temp_;
    Log log_;
    ScriptedHook hook_{log_};
    PosixSerialPort port_;
};

TEST_F(RadioExchangeTest, CompletedReadBringsTheRadiosMemoryWithTheseBytesOnTheWire) {
    const RadioImage memory = Pattern(5);
    ASSERT_TRUE(StoreChannelFile(Path("radio.sin"), memory).Ok());
    RadioProcess radio(Options({"--image", Path("radio.sin")}));
    RadioImage image{};
    MakeNewImage(image);

    const CloneOutcome outcome = ReadFromRadio(port_, radio.Port(), hook_, image);

    ASSERT_EQ(outcome.ending, CloneEnding::Completed);
    EXPECT_EQ(image, memory);
    EXPECT_TRUE(hook_.asked.empty());
    EXPECT_FALSE(port_.IsOpen());
    std::vector<std::string> expected = kHandshakeOnTheWire;
    for (int block = 0; block < 396; ++block) {
        expected.push_back("> 52" + Address(block) + " 08");
        expected.push_back("< 57" + Address(block) + " 08" +
                           HexBytes(memory.data() + block * 8, 8));
        expected.push_back("> 06");
        expected.push_back("< 06");
    }
    EXPECT_EQ(Trace(), expected);
}

// Paced like a real radio at 9600 baud: bytes trickle in one per millisecond.
TEST_F(RadioExchangeTest, CompletedWriteAtNineThousandSixHundredBaudIsStoredByTheRadio) {
    RadioProcess radio(
        {"--reply-delay", "1", "--trace", Path("trace"), "--save", Path("saved.sin")});
    const RadioImage image = Pattern(9);

    const CloneOutcome outcome = WriteToRadio(port_, radio.Port(), hook_, image);

    ASSERT_EQ(outcome.ending, CloneEnding::Completed);
    RadioImage saved{};
    ASSERT_TRUE(LoadChannelFile(Path("saved.sin"), saved).Ok());
    EXPECT_EQ(saved, image);
    std::vector<std::string> expected = kHandshakeOnTheWire;
    for (int block = 0; block < 396; ++block) {
        expected.push_back("> 57" + Address(block) + " 08" + HexBytes(image.data() + block * 8, 8));
        expected.push_back("< 06");
    }
    EXPECT_EQ(Trace(), expected);
}

TEST_F(RadioExchangeTest, PortHeldByAnotherProgramCannotBeOpened) {
    RadioProcess radio(Options({}));
    PosixSerialPort otherProgram;
    ASSERT_TRUE(otherProgram.Open(radio.Port(), kCloneTimeouts));

    const CloneOutcome outcome = WriteToRadio(port_, radio.Port(), hook_, Pattern(1));

    EXPECT_EQ(outcome.ending, CloneEnding::PortOpenFailed);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::PortOpenFailed});
    EXPECT_TRUE(Trace().empty());
}

TEST_F(RadioExchangeTest, CancelledReadChangesNothingAndTheRadioServesTheNextExchange) {
    RadioProcess radio(Options({"--save", Path("saved.sin")}));
    RadioImage image = Pattern(3);
    const RadioImage before = image;
    hook_.cancelAfterBlocks = 10;

    const CloneOutcome cancelled = ReadFromRadio(port_, radio.Port(), hook_, image);

    EXPECT_EQ(cancelled.ending, CloneEnding::Cancelled);
    EXPECT_EQ(cancelled.blocksDone, 10);
    EXPECT_EQ(image, before);
    EXPECT_TRUE(hook_.asked.empty());
    EXPECT_EQ(TraceLinesStartingWith("> 52"), 10);

    // The port was let go of, and the radio took the close and the reopening in its stride.
    Log log;
    ScriptedHook hook(log);
    const CloneOutcome written = WriteToRadio(port_, radio.Port(), hook, image);
    ASSERT_EQ(written.ending, CloneEnding::Completed);
    RadioImage saved{};
    ASSERT_TRUE(LoadChannelFile(Path("saved.sin"), saved).Ok());
    EXPECT_EQ(saved, before);
}

TEST_F(RadioExchangeTest, CommunicationErrorThenRetryCompletes) {
    // The radio answers its first 15 wake-ups wrongly: one full round of attempts fails.
    {
        RadioProcess radio(Options({"--fault", "wrong-ack=15"}));
        hook_.answers = {Answer::Retry};
        const CloneOutcome outcome = WriteToRadio(port_, radio.Port(), hook_, Pattern(2));
        EXPECT_EQ(outcome.ending, CloneEnding::Completed);
        EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CommunicationError});
        EXPECT_EQ(TraceLinesStartingWith("> 02 50 52 4F 47 52 41"), 16);
        EXPECT_EQ(TraceLinesStartingWith("< 15 15"), 15);
    }
    // The radio refuses the handshake's final acknowledgement once.
    RadioProcess radio({"--baud", "0", "--fault", "wrong-final-ack=1"});
    Log log;
    ScriptedHook hook(log);
    hook.answers = {Answer::Retry};
    const CloneOutcome outcome = WriteToRadio(port_, radio.Port(), hook, Pattern(2));
    EXPECT_EQ(outcome.ending, CloneEnding::Completed);
    EXPECT_EQ(hook.asked, std::vector<MessageId>{MessageId::CommunicationError});
}

TEST_F(RadioExchangeTest, TypeMismatchRefusedThenAcceptedAndTheRadioLeavesAfterTwoExchanges) {
    RadioProcess radio(
        Options({"--type", "0x22", "--exchanges", "2", "--link", Path("radio-link")}));
    RadioImage image = Pattern(4);
    image[kRadioTypeCodeByte] = 0x11;

    hook_.answers = {Answer::Cancel};
    const CloneOutcome refused = WriteToRadio(port_, Path("radio-link"), hook_, image);
    EXPECT_EQ(refused.ending, CloneEnding::TypeMismatchRefused);
    EXPECT_EQ(TraceLinesStartingWith("> 57"), 0);

    Log log;
    ScriptedHook hook(log);
    hook.answers = {Answer::Ok};
    const CloneOutcome accepted = WriteToRadio(port_, Path("radio-link"), hook, image);
    EXPECT_EQ(accepted.ending, CloneEnding::Completed);
    EXPECT_EQ(hook.asked, std::vector<MessageId>{MessageId::RadioTypeMismatch});
    // Both exchanges' handshakes, and the second one's repeat after OK.
    EXPECT_EQ(TraceLinesStartingWith("< 54 45 56 41 22"), 3);
    EXPECT_EQ(TraceLinesStartingWith("> 57"), 396);

    EXPECT_EQ(radio.Wait(), 0);
    EXPECT_EQ(access(Path("radio-link").c_str(), F_OK), -1) << "the link outlived the radio";
}

TEST_F(RadioExchangeTest, RefusedWriteBlockEndsTheWrite) {
    RadioProcess radio(Options({"--fault", "refuse-write=5"}));

    const CloneOutcome outcome = WriteToRadio(port_, radio.Port(), hook_, Pattern(6));

    EXPECT_EQ(outcome.ending, CloneEnding::WriteBlockRefused);
    EXPECT_EQ(outcome.blocksDone, 5);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::ProgramInterrupted});
    EXPECT_EQ(TraceLinesStartingWith("> 57"), 6);
    EXPECT_EQ(Trace().back(), "< 15");
}

TEST_F(RadioExchangeTest, ShortReplyAndMissingAcknowledgementEndTheReadWithTheImageUnchanged) {
    const struct {
        const char* fault;
        CloneEnding ending;
        MessageId message;
        int blocksDone;
    } cases[] = {
        {"short-reply=3:9", CloneEnding::ReadReplyShort, MessageId::NotEnoughBytes, 3},
        {"no-read-ack=2", CloneEnding::ReadAckMissing, MessageId::ReadAckMissing, 3},
        {"hangup=4", CloneEnding::ReadReplyShort, MessageId::NotEnoughBytes, 4},
    };
    for (const auto& c : cases) {
        RadioProcess radio({"--baud", "0", "--fault", c.fault});
        Log log;
        ScriptedHook hook(log);
        RadioImage image = Pattern(8);
        const RadioImage before = image;

        const CloneOutcome outcome = ReadFromRadio(port_, radio.Port(), hook, image);

        EXPECT_EQ(outcome.ending, c.ending) << c.fault;
        EXPECT_EQ(outcome.blocksDone, c.blocksDone) << c.fault;
        EXPECT_EQ(hook.asked, std::vector<MessageId>{c.message}) << c.fault;
        EXPECT_EQ(image, before) << c.fault;
        EXPECT_FALSE(port_.IsOpen()) << c.fault;
    }
}

TEST_F(RadioExchangeTest, HungUpRadioComesBackOnANewPort) {
    RadioProcess radio(Options({"--fault", "hangup=4", "--link", Path("radio-link")}));

    const CloneOutcome outcome = WriteToRadio(port_, Path("radio-link"), hook_, Pattern(7));

    EXPECT_EQ(outcome.ending, CloneEnding::WriteBlockRefused);
    EXPECT_EQ(outcome.blocksDone, 4);
    const std::string newPort = radio.NextLine();
    EXPECT_EQ(newPort.rfind("/dev/pts/", 0), 0u);
    char target[256] = {};
    ASSERT_GT(readlink(Path("radio-link").c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), newPort);
}

// A cable pulled out in the middle ends the exchange at once with its own message, never with
// a question whose Retry could not help; a write still tells how far it got.
TEST_F(RadioExchangeTest, PulledCableEndsTheExchangeWithTheDisconnectedMessage) {
    std::vector<std::string> notes;
    const auto note = [&notes](const std::string& text) { notes.push_back(text); };
    {
        RadioProcess radio(Options({"--fault", "hangup=4"}));
        CableWatchHook watch(hook_, port_, "COM1", radio.Port(), Language::English,
                             NotePlace::AfterMessage, note);
        const CloneOutcome written = WriteToRadio(port_, radio.Port(), watch, Pattern(7));
        EXPECT_EQ(written.blocksDone, 4);
        EXPECT_TRUE(WriteEndedPartway(written));
        EXPECT_TRUE(port_.Disconnected());
        EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CableDisconnected});
    }
    hook_.asked.clear();
    RadioProcess radio(Options({"--fault", "hangup=9"}));
    CableWatchHook watch(hook_, port_, "COM1", radio.Port(), Language::English,
                         NotePlace::AfterMessage, note);
    RadioImage image = Pattern(3);
    const RadioImage before = image;
    const CloneOutcome read = ReadFromRadio(port_, radio.Port(), watch, image);
    EXPECT_NE(read.ending, CloneEnding::Completed);
    EXPECT_EQ(read.blocksDone, 9);
    EXPECT_EQ(hook_.asked, std::vector<MessageId>{MessageId::CableDisconnected});
    EXPECT_EQ(image, before);
    EXPECT_EQ(notes, std::vector<std::string>{}) << "the radio did answer: no checklist";
}

TEST_F(RadioExchangeTest, SilentRadioAnswersNothing) {
    RadioProcess radio(Options({"--fault", "silent"}));
    ASSERT_TRUE(port_.Open(radio.Port(), kCloneTimeouts));
    const std::uint8_t wakeUp[] = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
    ASSERT_TRUE(port_.Write(wakeUp, sizeof wakeUp));
    std::uint8_t answer[2] = {};
    const ReadResult result = port_.Read(answer, 1);
    EXPECT_FALSE(result.portError);
    EXPECT_EQ(result.count, 0u);
}

// Replies that name another block, or are noise, never become a completed read.
TEST_F(RadioExchangeTest, ReplyOfAnotherBlockOrNoiseIsRefusedOnEveryRetry) {
    const RadioImage memory = Pattern(3);
    ASSERT_TRUE(StoreChannelFile(Path("radio.sin"), memory).Ok());
    for (const std::string fault : {"wrong-block=7", "random-reply=7"}) {
        SCOPED_TRACE(fault);
        RadioProcess radio(Options({"--image", Path("radio.sin"), "--fault", fault}));
        Log log;
        ScriptedHook hook(log);
        hook.answers = {Answer::Retry}; // then Cancel
        RadioImage image = Pattern(11);
        const RadioImage before = image;

        const CloneOutcome outcome = ReadFromRadio(port_, radio.Port(), hook, image);

        EXPECT_EQ(outcome.ending, CloneEnding::CommunicationFailed);
        EXPECT_EQ(outcome.blocksDone, 7);
        EXPECT_EQ(image, before);
        EXPECT_EQ(hook.asked, std::vector<MessageId>(2, MessageId::CommunicationError));
        ASSERT_EQ(hook.notes.size(), 2u);
        EXPECT_EQ(hook.notes[0].expectedAddress, 0x0038);
        if (fault == "wrong-block=7") {
            EXPECT_EQ(hook.notes[0], (LineNote{LineNote::Kind::WrongBlock, 0x0038, 0x0040, 8}));
        }
        // The retry woke the radio again and asked for the same block, not the next one.
        EXPECT_EQ(testing::Count(log, "status waiting"), 2);
        EXPECT_FALSE(port_.IsOpen());
    }
}

TEST_F(RadioExchangeTest, EchoingCableReadsAndWritesTheRadioExactly) {
    const RadioImage memory = Pattern(5);
    ASSERT_TRUE(StoreChannelFile(Path("radio.sin"), memory).Ok());
    RadioProcess radio(
        {"--echo", "--baud", "0", "--image", Path("radio.sin"), "--save", Path("saved.sin")});

    RadioImage image{};
    const CloneOutcome read = ReadFromRadio(port_, radio.Port(), hook_, image);
    ASSERT_EQ(read.ending, CloneEnding::Completed);
    EXPECT_EQ(image, memory);
    EXPECT_EQ(hook_.notes, std::vector<LineNote>{LineNote{LineNote::Kind::Echoing}});

    const RadioImage document = Pattern(9);
    const CloneOutcome written = WriteToRadio(port_, radio.Port(), hook_, document);
    ASSERT_EQ(written.ending, CloneEnding::Completed);
    RadioImage saved{};
    ASSERT_TRUE(LoadChannelFile(Path("saved.sin"), saved).Ok());
    EXPECT_EQ(saved, document);
    EXPECT_TRUE(hook_.asked.empty());
}

// A mistyped fault must not leave a test running against a radio that behaves well.
TEST(RadioOptionsTest, RadioRefusesWhatItDoesNotKnow) {
    const auto status = [](const std::string& options) {
        const int raw =
            std::system((std::string(TEVANO_RADIO) + " " + options + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status("--help"), 0);
    EXPECT_EQ(status("--fault short-reply=3"), 2);
    EXPECT_EQ(status("--fault refuse-write=396"), 2);
    EXPECT_EQ(status("--fault hang-up=3"), 2);
    EXPECT_EQ(status("--fault no-confirm=values"), 2);
    EXPECT_EQ(status("--fault no-confirm=value:x"), 2);
    EXPECT_EQ(status("--calibrations"), 2);
    EXPECT_EQ(status("--type 0x100"), 2);
    EXPECT_EQ(status("--baud"), 2);
    EXPECT_EQ(status("--image /nonexistent/radio.sin"), 1);
}

} // namespace
} // namespace tevano
