// Turns a channel's typed values into the texts its table row shows, columns 1 to 12, in the
// words of the display language: the one place where a channel becomes words.
#pragma once

#include "base/Language.h"
#include "image/RadioImage.h"

#include <array>
#include <string>

namespace tevano {

struct Channel;
struct Tone;

using ChannelRowTexts = std::array<std::string, 13>; // index = grid column; 0 stays empty

// The texts of a channel's cells, columns 1 to 12, in the display language: where a channel's
// typed values become words.
ChannelRowTexts FormatChannel(const Channel& channel, Language language);

// The text a tone cell shows; "OFF" for no tone only in a used channel.
std::string ToneCellText(const Tone& tone, bool used);

// The texts of one channel's cells, columns 1 to 12.
ChannelRowTexts DecodeChannel(const RadioImage& image, int channel, Language language);

} // namespace tevano
