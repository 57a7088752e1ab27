// What an exchange with the radio needs from whoever runs it: the window program's progress
// dialog and message boxes, or the command line's stderr and automatic answers. The exchange
// names its messages and texts by id; the hook shows them in the display language.
#pragma once

#include "base/Messages.h"

#include <cstdint>

namespace tevano {

// The progress bar of a transfer runs from 0 to 394 although a transfer has 396 blocks; it
// holds at its end for the last two.
constexpr int kProgressBarEnd = 394;

// What the exchange found out about the line, told beside its messages: a cable that echoes
// what the program sends, or a read reply whose header names another block or length than the
// one asked for (such a reply is refused like a reply that did not come).
struct LineNote {
    enum class Kind { Echoing, WrongBlock, WrongLength };
    Kind kind = Kind::Echoing;
    std::uint16_t expectedAddress = 0; // the block asked for
    std::uint16_t namedAddress = 0;    // the block the reply's header names
    std::uint8_t namedLength = 0;      // the length the reply's header names

    bool operator==(const LineNote&) const = default;
};

class ExchangeHook {
public:
    virtual ~ExchangeHook() = default;

    // Handles at most one waiting user-interface event: how the window stays alive, and how a
    // Cancel reaches the exchange, while the radio is talked to.
    virtual void PumpTurn() = 0;

    // True once the user asked to stop (Cancel, or leaving or moving the progress dialog).
    virtual bool CancelRequested() = 0;

    // The status line of the progress dialog.
    virtual void ShowStatus(TextId text) = 0;

    // After each block: blocksDone counts 1, 2, 3 ... 396. The status line shows the count; the
    // bar steps with it up to kProgressBarEnd.
    virtual void StepProgress(int blocksDone) = 0;

    // While set, the progress dialog takes its own deactivation for an interruption. The
    // exchange clears it before each message box it shows and sets it again when it goes back
    // to the radio.
    virtual void SetInterruptionWatch(bool watching) = 0;

    // Shows a message box with the message's buttons and returns the answer.
    virtual Answer Ask(MessageId message) = 0;

    // A note about the line for the status bar or stderr; the exchange goes on as it says.
    virtual void NoteLine(const LineNote& note) { static_cast<void>(note); }
};

} // namespace tevano
