// The 396 blocks of the clone exchange against a scripted radio: what a read leaves in the
// image on each ending, what a write sends, and that no bytes a radio sends can crash it.

#include "support/ScriptedExchange.h"

#include "radiolink/CloneExchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace tevano {
namespace {

using testing::Arrival;
using testing::Bytes;
using testing::Count;
using testing::Find;
using testing::Log;
using testing::ScriptedHook;
using testing::ScriptedPort;

void ScriptHandshake(ScriptedPort& port) {
    port.arrivals.push_back({{0x06}});
    port.arrivals.push_back({{0x54, 0x45, 0x56, 0x41, 0xFF, 0x01, 0x00, 0x00}});
    port.arrivals.push_back({{0x06}});
}

// The radio's memory in these tests: every byte different from its neighbours.
RadioImage RadioMemory() {
    RadioImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    return memory;
}

Bytes ReadReply(const RadioImage& memory, int block) {
    const std::size_t address = static_cast<std::size_t>(block) * 8;
    Bytes reply(4 + 8);
    reply[0] = 0x57;
    reply[1] = static_cast<std::uint8_t>(address >> 8);
    reply[2] = static_cast<std::uint8_t>(address & 0xFF);
    reply[3] = 0x08;
    std::copy_n(memory.begin() + address, 8, reply.begin() + 4);
    return reply;
}

// Blocks 0 up to (not including) `until` answered in full.
void ScriptReadBlocks(ScriptedPort& port, const RadioImage& memory, int until = 396) {
    for (int block = 0; block < until; ++block) {
        port.arrivals.push_back({ReadReply(memory, block)});
        port.arrivals.push_back({{0x06}});
    }
}

RadioImage DocumentImage() {
    RadioImage image{};
    MakeNewImage(image);
    return image;
}

class CloneTransferTest : public ::testing::Test {
protected:
    Log log_;
    ScriptedPort port_{log_};
    ScriptedHook hook_{log_};
};

TEST_F(CloneTransferTest, CompletedReadReplacesTheWholeImageAndCountsEveryBlock) {
    const RadioImage memory = RadioMemory();
    ScriptHandshake(port_);
    ScriptReadBlocks(port_, memory);
    RadioImage image = DocumentImage();
    const CloneOutcome outcome = ReadFromRadio(port_, "p", hook_, image);

    EXPECT_EQ(outcome.ending, CloneEnding::Completed);
    EXPECT_EQ(outcome.blocksDone, 396);
    EXPECT_EQ(image, memory);
    ASSERT_EQ(hook_.progress.size(), 396u);
    for (int block = 0; block < 396; ++block) {
        ASSERT_EQ(hook_.progress[static_cast<std::size_t>(block)], block + 1);
    }
    // Block commands in ascending address order, 0x0000 to 0x0C58, nothing after the last.
    std::vector<std::string> commands;
    for (const std::string& entry : log_) {
        if (entry.rfind("send 52 ", 0) == 0) {
            commands.push_back(entry);
        }
    }
    ASSERT_EQ(commands.size(), 396u);
    EXPECT_EQ(commands[1], "send 52 00 08 08");
    EXPECT_EQ(commands[32], "send 52 01 00 08");
    EXPECT_EQ(commands[395], "send 52 0C 58 08");
    EXPECT_TRUE(hook_.asked.empty());
    EXPECT_EQ(Count(log_, "close"), 1);
    EXPECT_EQ(log_.back(), "watch off");
}

TEST_F(CloneTransferTest, ShortReadRepliesOfTenOrElevenBytesKeepTheOldBytesOfTheMissingData) {
    for (const std::size_t size : {10u, 11u}) {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        const RadioImage memory = RadioMemory();
        ScriptHandshake(port);
        ScriptReadBlocks(port, memory, 300);
        // Block 300 comes short, right after block 299 filled the receive buffer.
        Bytes shortReply = ReadReply(memory, 300);
        shortReply.resize(size);
        port.arrivals.push_back({shortReply});
        port.arrivals.push_back({{0x06}});
        for (int block = 301; block < 396; ++block) {
            port.arrivals.push_back({ReadReply(memory, block)});
            port.arrivals.push_back({{0x06}});
        }
        RadioImage image = DocumentImage();
        const RadioImage before = image;
        const CloneOutcome outcome = ReadFromRadio(port, "p", hook, image);

        ASSERT_EQ(outcome.ending, CloneEnding::Completed) << size;
        const std::vector<ShortReply> recorded = {{300 * 8, 12 - size}};
        EXPECT_EQ(outcome.shortReplies, recorded) << size;
        RadioImage expected = memory;
        for (std::size_t offset = 300 * 8 + size - 4; offset < 301 * 8; ++offset) {
            expected[offset] = before[offset];
        }
        EXPECT_EQ(image, expected) << size;
    }
}

TEST_F(CloneTransferTest, FailedOrCancelledReadLeavesTheImageAsItWas) {
    struct Case {
        const char* what;
        std::function<void(ScriptedPort&, ScriptedHook&, const RadioImage&)> script;
        CloneEnding ending;
        std::vector<MessageId> asked;
        int blocksDone;
    };
    const Case cases[] = {
        {"reply of 9 bytes",
         [](ScriptedPort& port, ScriptedHook&, const RadioImage& memory) {
             ScriptReadBlocks(port, memory, 7);
             Bytes reply = ReadReply(memory, 7);
             reply.resize(9);
             port.arrivals.push_back({reply});
         },
         CloneEnding::ReadReplyShort,
         {MessageId::NotEnoughBytes},
         7},
        {"port error after a whole reply's worth",
         [](ScriptedPort& port, ScriptedHook&, const RadioImage& memory) {
             ScriptReadBlocks(port, memory, 7);
             port.arrivals.push_back({ReadReply(memory, 7), true});
         },
         CloneEnding::ReadReplyShort,
         {MessageId::NotEnoughBytes},
         7},
        {"acknowledgement missing",
         [](ScriptedPort& port, ScriptedHook&, const RadioImage& memory) {
             ScriptReadBlocks(port, memory, 7);
             port.arrivals.push_back({ReadReply(memory, 7)});
             port.arrivals.push_back({{}});
         },
         CloneEnding::ReadAckMissing,
         {MessageId::ReadAckMissing},
         8},
        {"wrong acknowledgement",
         [](ScriptedPort& port, ScriptedHook&, const RadioImage& memory) {
             ScriptReadBlocks(port, memory, 7);
             port.arrivals.push_back({ReadReply(memory, 7)});
             port.arrivals.push_back({{0x15}});
         },
         CloneEnding::ReadAckMissing,
         {MessageId::ReadAckMissing},
         8},
        {"cancel after the block at 0x640",
         [](ScriptedPort& port, ScriptedHook& hook, const RadioImage& memory) {
             ScriptReadBlocks(port, memory);
             hook.cancelAfterBlocks = 0x640 / 8 + 1;
         },
         CloneEnding::Cancelled,
         {},
         0x640 / 8 + 1},
    };
    for (const Case& c : cases) {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        const RadioImage memory = RadioMemory();
        ScriptHandshake(port);
        c.script(port, hook, memory);
        RadioImage image = DocumentImage();
        const RadioImage before = image;
        const CloneOutcome outcome = ReadFromRadio(port, "p", hook, image);

        EXPECT_EQ(outcome.ending, c.ending) << c.what;
        EXPECT_EQ(outcome.blocksDone, c.blocksDone) << c.what;
        EXPECT_EQ(hook.asked, c.asked) << c.what;
        EXPECT_EQ(image, before) << c.what;
        EXPECT_EQ(Count(log, "close"), 1) << c.what;
        EXPECT_EQ(log.back(), "close") << c.what;
    }
}

TEST_F(CloneTransferTest, WriteSendsEveryBlockAsItStandsAfterItsCommand) {
    const RadioImage image = RadioMemory();
    ScriptHandshake(port_);
    for (int block = 0; block < 396; ++block) {
        port_.arrivals.push_back({{0x06}});
    }
    const CloneOutcome outcome = WriteToRadio(port_, "p", hook_, image);
    EXPECT_EQ(outcome.ending, CloneEnding::Completed);

    // The first block in full, then the data of every block behind its command.
    const std::size_t first = Find(log_, "send 57 00 00 08");
    Log expected = {
        "send 57 00 00 08", "pause 1",    "purge clear", "send " + testing::Hex(image.data(), 8),
        "read 1: 06",       "progress 1", "watch on"};
    for (int turn = 0; turn < 21; ++turn) {
        expected.insert(expected.end(), {"cancel?", "pump"});
    }
    expected.insert(expected.end(), {"pause 1", "purge clear", "send 57 00 08 08"});
    ASSERT_LE(first + expected.size(), log_.size());
    EXPECT_EQ(Log(log_.data() + first, log_.data() + first + expected.size()), expected);
    for (int block = 0; block < 396; ++block) {
        char command[32];
        std::snprintf(command, sizeof command, "send 57 %02X %02X 08", (block * 8) >> 8,
                      (block * 8) & 0xFF);
        const std::size_t at = Find(log_, command);
        ASSERT_LT(at + 3, log_.size()) << block;
        ASSERT_EQ(log_[at + 3], "send " + testing::Hex(image.data() + block * 8, 8)) << block;
    }
    EXPECT_EQ(Count(log_, "close"), 1);
}

TEST_F(CloneTransferTest, WriteBlockNotAcknowledgedEndsTheWrite) {
    for (const Arrival& answer : {Arrival{{0x15}}, Arrival{{}}, Arrival{{}, true}}) {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        ScriptHandshake(port);
        for (int block = 0; block < 12; ++block) {
            port.arrivals.push_back({{0x06}});
        }
        port.arrivals.push_back(answer);
        const CloneOutcome outcome = WriteToRadio(port, "p", hook, RadioMemory());

        EXPECT_EQ(outcome.ending, CloneEnding::WriteBlockRefused);
        EXPECT_EQ(outcome.blocksDone, 12);
        EXPECT_EQ(hook.asked, std::vector<MessageId>{MessageId::ProgramInterrupted});
        EXPECT_EQ(Count(log, "send 57 00 68 08"), 0); // block 13 never goes out
        EXPECT_EQ(log.back(), "close");
    }
}

// Only a write that ended among its blocks leaves the radio to be written again.
TEST(CloneOutcome, AWriteEndedPartwayBetweenTheFirstBlockAndTheLast) {
    const struct {
        CloneOutcome outcome;
        bool partway;
    } cases[] = {
        {{CloneEnding::Completed, 396, {}}, false},
        {{CloneEnding::Cancelled, 0, {}}, false}, // in the handshake: the radio is untouched
        {{CloneEnding::CommunicationFailed, 0, {}}, false},
        {{CloneEnding::TypeMismatchRefused, 0, {}}, false},
        {{CloneEnding::WriteBlockRefused, 0, {}}, true}, // the first block may have gone in
        {{CloneEnding::Cancelled, 1, {}}, true},
        {{CloneEnding::WriteBlockRefused, 395, {}}, true},
        {{CloneEnding::Cancelled, 396, {}}, false}, // in the pump turns after the last block
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteEndedPartway(c.outcome), c.partway)
            << static_cast<int>(c.outcome.ending) << " " << c.outcome.blocksDone;
    }
}

// Whatever a radio sends, the exchange ends with one of its endings, the port closed once, and
// a read's image either complete or untouched.
TEST_F(CloneTransferTest, GarbageFromTheRadioNeverCrashesOrHalfFillsTheImage) {
    std::mt19937 random(20240611);
    const RadioImage memory = RadioMemory();
    for (int run = 0; run < 300; ++run) {
        Log log;
        ScriptedPort port(log);
        ScriptedHook hook(log);
        hook.answers = {Answer::Retry, Answer::Ok};
        const bool write = run % 2 == 1;
        // Mostly good answers, so that runs get deep into the blocks before garbage hits.
        const int goodReads = static_cast<int>(random() % 700);
        ScriptHandshake(port);
        if (write) {
            port.arrivals.insert(port.arrivals.end(), static_cast<std::size_t>(goodReads / 2),
                                 Arrival{{0x06}});
        } else {
            ScriptReadBlocks(port, memory, goodReads / 4);
        }
        for (int noise = 0; noise < 40; ++noise) {
            Bytes bytes(random() % 24);
            for (std::uint8_t& byte : bytes) {
                byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 0x06 : random());
            }
            port.arrivals.push_back({bytes, random() % 16 == 0});
        }
        RadioImage image = DocumentImage();
        const RadioImage before = image;
        const CloneOutcome outcome =
            write ? WriteToRadio(port, "p", hook, image) : ReadFromRadio(port, "p", hook, image);

        ASSERT_EQ(Count(log, "close"), 1) << run;
        ASSERT_LE(outcome.blocksDone, 396) << run;
        if (!write) {
            ASSERT_TRUE(outcome.ending == CloneEnding::Completed ? image != before
                                                                 : image == before)
                << run;
        }
    }
}

} // namespace
} // namespace tevano
