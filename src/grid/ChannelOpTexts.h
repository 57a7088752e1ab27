// The words of the channel operations in both display languages: the names of their undo steps,
// what the status bar says each did, and the messages of an operation that cannot be done.
#pragma once

#include "base/Language.h"
#include "grid/ChannelBlocks.h"

#include <string>

namespace tevano {

enum class ChannelOp {
    Cut,
    Copy,
    Paste,
    Clear,
    Insert,
    Delete,
    MoveUp,
    MoveDown,
    SortByFrequency,
    SortByName,
    Fill,
    Edit,
};

enum class ChannelOpTextId {
    NothingSelected,   // status: no channel to work on
    AllEmpty,          // status: <channels>
    AtTheEdge,         // status: a move past channel 1 or 128
    PushesUsedOut,     // message: <count>
    RunsPastTheEnd,    // message: <count> <first> <left>
    PasteOverwrites,   // question: <count> <first>
    NotChannels,       // message: the clipboard holds no channels
    FillRefused,       // message: <column> <channels>
    ClipboardName,     // where pasted rows come from, as a file's name stands in messages
};

// The name of an operation's undo step, "Move Channels"; <channel> for an edit.
std::string ChannelOpStepName(ChannelOp op, Language language, int channel = 0);

// What the status bar says an operation did: "Moved channels 5-7 to 6-8".
std::string ChannelOpDoneText(ChannelOp op, const ChannelSet& channels, Language language,
                              const std::string& column = {});

// The text with its placeholders, for the caller to fill.
std::string ChannelOpText(ChannelOpTextId id, Language language);

// Channel numbers as ranges: "5-7, 9".
std::string ChannelRanges(const ChannelSet& channels);

} // namespace tevano
