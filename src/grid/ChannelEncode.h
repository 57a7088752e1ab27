// Encoding: channel texts (words of either language, as a channel list or the demo gives them)
// read as typed values, and the full encode that every save and write runs over the image.
#pragma once

#include "grid/ChannelDecode.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <string_view>

namespace tevano {

struct Channel;
struct Tone;

// A row's texts (words of either language) as a channel's typed values. A tone text that came
// from a word no value gives back keeps the image's word where it still shows that text.
Channel ParseChannel(const ChannelRowTexts& cells, const RadioImage& image, int channel);

// Sets an option column (5 to 11) from a word of either language, as encoding reads it: any
// word but the wide, scan, high, ON, forward ones reads as their opposite, any unknown signal
// as MSK and any unknown lock as QT/DQT.
void SetOptionFromWord(Channel& channel, int column, std::string_view word);

// A tone text as encoding reads it; "OFF", an empty text or one naming no tone is none.
Tone ToneOfText(std::string_view text);

// Writes one channel from its cell texts (columns 1 to 12); bits without a column are kept.
void EncodeChannel(const ChannelRowTexts& cells, int channel, RadioImage& image);

// Rewrites all 128 channels from their typed values, then 0x80A, 0x80B, bit 7 of 0x812 and
// 0x811 from the form's lists.
void EncodeChannels(const ChannelForm& form, RadioImage& image);

} // namespace tevano
