// The rules of committing an entry into a channel's cell, as values: the channel and the entry
// give the channel after it, with every field that changes along, and the message it brings.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "grid/Channel.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// How an entry is committed: by leaving the cell (a click elsewhere, a scroll, Tab, a read or a
// save) or by Enter, which clears an emptied channel a little sooner and words one message apart.
enum class CommitWay { Leave, Enter };

struct [[nodiscard]] RuleVerdict {
    Channel channel;                  // the channel after the entry; as it was when refused
    std::optional<MessageId> message; // shown with an OK button
};

// A frequency typed into column 1 or 2; in column 2 a signed number ("+0.6") is an offset from
// the receive frequency. A refused value empties the cell, with what emptying brings: its tone
// goes, and a channel left with nothing loses its options and its name. The first frequency of
// a channel that held nothing brings the channel's defaults, and column 1 fills column 2.
RuleVerdict EnterFrequency(const Channel& channel, int column, std::string_view typed,
                           CommitWay way);

// A tone typed or picked in column 3 or 4: an entry of `toneNames` as people type tones ("d23n",
// "88,5"), the text the cell shows now (kept as it is), or nothing for no tone; anything else is
// refused. An empty channel takes no tone.
RuleVerdict EnterTone(const Channel& channel, int column, std::string_view typed,
                      std::span<const std::string> toneNames);

// An entry picked in one of the option columns, 5 to 11. An empty channel takes none.
RuleVerdict PickOption(const Channel& channel, int column, int value);

// A name typed into column 12. Leaving the cell keeps it even on an empty channel; Enter drops it
// there.
RuleVerdict EnterName(const Channel& channel, std::string_view name, CommitWay way);

// An option column's value as a number: 1 or 0 for the two-way options, the enumerator for
// "Opt Signal" and "BusyLock"; -1 for a stored optional signal no entry names.
int OptionValue(const Channel& channel, int column);

struct OptionEntry {
    std::string text;
    int value;
};

// The entries of an option column's list, in list order, as the first set-up fills it or as the
// language switch refills it; each with the value it stands for.
std::vector<OptionEntry> OptionEntries(int column, Language language, bool afterSwitch);

} // namespace tevano
