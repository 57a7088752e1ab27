// Lines that misbehave, against tevano-radio over a real pseudo-terminal: read replies that name
// another block or are noise are refused and never become a completed read, and a cable that
// echoes every byte still reads and writes the radio's memory exactly.

#include "RadioProcess.h"

#include "image/ChannelFile.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PosixSerialPort.h"
#include "support/ScriptedExchange.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::Log;
using testing::RadioProcess;
using testing::ScriptedHook;

RadioImage Pattern(std::uint8_t seed) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + seed + i / 97);
    }
    return image;
}

class RadioLineTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    testing::TempDir temp_;
    Log log_;
    ScriptedHook hook_{log_};
    PosixSerialPort port_;
};

TEST_F(RadioLineTest, ReplyOfAnotherBlockOrNoiseIsRefusedOnEveryRetry) {
    const RadioImage memory = Pattern(3);
    ASSERT_TRUE(StoreChannelFile(Path("radio.sin"), memory).Ok());
    for (const std::string fault : {"wrong-block=7", "random-reply=7"}) {
        SCOPED_TRACE(fault);
        RadioProcess radio({"--baud", "0", "--image", Path("radio.sin"), "--fault", fault});
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

TEST_F(RadioLineTest, EchoingCableReadsAndWritesTheRadioExactly) {
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

} // namespace
} // namespace tevano
