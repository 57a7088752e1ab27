// Channels on the clipboard as text, the way a spreadsheet takes and gives them: the columns and
// words of the channel list export, separated by tabs, one line per channel after a header line.
#pragma once

#include "grid/ChannelBlocks.h"
#include "image/RadioImage.h"

#include <string>
#include <string_view>

namespace tevano {

// The channels as tab-separated text. A channel without a receive frequency has no line, as it
// has no row in an exported list.
std::string ChannelsAsTabText(const RadioImage& image, const ChannelSet& channels);

// Clipboard text made ready for the channel list import: a text whose first line names none of
// the list's columns gets the export's header line in front, its fields taken in the export's
// order.
std::string AsChannelList(std::string_view text);

} // namespace tevano
