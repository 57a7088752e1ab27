// Turns the image into what the channel form shows: the texts of rows 1 to 128, columns 1 to 12,
// in the words of the display language, and the picks of the three form lists.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <array>
#include <string>

namespace tevano {

struct Channel;

using ChannelRowTexts = std::array<std::string, 13>; // index = grid column; 0 stays empty

// The texts of a channel's cells, columns 1 to 12, in the display language: where a channel's
// typed values become words.
ChannelRowTexts FormatChannel(const Channel& channel, Language language);

// The texts of one channel's cells, columns 1 to 12.
ChannelRowTexts DecodeChannel(const RadioImage& image, int channel, Language language);

// Writes every channel row (columns 0 and row 0 untouched) and picks the three lists.
void DecodeChannels(const RadioImage& image, ChannelForm& form, Language language);

} // namespace tevano
