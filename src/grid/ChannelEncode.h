// Writes what the channel form shows back into the image: every channel record, name and scan
// bit from the grid texts (words of either language), then the three form lists' bytes.
#pragma once

#include "grid/ChannelDecode.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

namespace tevano {

struct Channel;

// A row's texts (words of either language) as a channel's typed values. A tone text that came
// from a word no value gives back keeps the image's word where it still shows that text.
Channel ParseChannel(const ChannelRowTexts& cells, const RadioImage& image, int channel);

// Writes one channel from its cell texts (columns 1 to 12); bits without a column are kept.
void EncodeChannel(const ChannelRowTexts& cells, int channel, RadioImage& image);

// Rewrites all 128 channels from the grid, then 0x80A, 0x80B, bit 7 of 0x812 and 0x811.
void EncodeChannels(const ChannelForm& form, RadioImage& image);

} // namespace tevano
