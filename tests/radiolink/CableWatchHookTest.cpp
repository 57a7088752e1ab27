// What the exchange's messages gain from the cable: the checklist when the radio never sent a
// byte (and only then), and a pulled cable's own message in place of a question whose Retry
// could not help, asked once and answered Cancel.

#include "radiolink/CableWatchHook.h"
#include "radiolink/PosixSerialPort.h"
#include "support/PseudoTerminal.h"
#include "support/ScriptedExchange.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <unistd.h>

namespace tevano {
namespace {

TEST(CableWatchHookTest, SilentRadioGetsTheChecklistAndAPulledCableItsOwnMessage) {
    std::string device;
    const int master = testing::OpenPseudoTerminal(device);
    ASSERT_GE(master, 0);
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(device, kCloneTimeouts));
    testing::Log log;
    testing::ScriptedHook inner(log);
    std::vector<std::string> notes;
    CableWatchHook watch(inner, port, "COM2", device, Language::English, NotePlace::BeforeMessage,
                         [&notes](const std::string& text) { notes.push_back(text); });

    EXPECT_EQ(watch.Ask(MessageId::CommunicationError), Answer::Cancel);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].rfind("The radio did not answer. Check in this order: the radio is "
                             "switched on; the plug is pushed fully into the radio's socket; "
                             "COM2 is the right port name (it points at " +
                                 device + ")",
                             0),
              0u)
        << notes[0];

    // Once a byte came, the radio is there: the question stands alone.
    ASSERT_EQ(write(master, "\x15", 1), 1);
    std::uint8_t byte = 0;
    ASSERT_TRUE(testing::WaitUntil([&] { return port.Read(&byte, 1).count == 1; },
                                   std::chrono::seconds(5)));
    EXPECT_EQ(watch.Ask(MessageId::CommunicationError), Answer::Cancel);
    EXPECT_EQ(notes.size(), 1u);

    close(master);
    EXPECT_TRUE(port.Read(&byte, 1).portError);
    ASSERT_TRUE(port.Disconnected());
    inner.answers = {Answer::Retry, Answer::Retry};
    EXPECT_EQ(watch.Ask(MessageId::CommunicationError), Answer::Cancel);
    EXPECT_EQ(watch.Ask(MessageId::NotEnoughBytes), Answer::Cancel);
    EXPECT_EQ(inner.asked,
              (std::vector<MessageId>{MessageId::CommunicationError, MessageId::CommunicationError,
                                      MessageId::CableDisconnected}));
}

} // namespace
} // namespace tevano
