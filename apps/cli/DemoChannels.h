// A handful of channels in the 134-176 MHz band, as a user would type them into the grid,
// for the sample document that demos and the virtual radio start from.
#pragma once

#include "base/Language.h"
#include "image/RadioImage.h"

namespace tevano::cli {

// Writes them into channels 1 to 6 of the image, read from their words as a channel list is.
void WriteDemoChannels(RadioImage& image, Language language);

} // namespace tevano::cli
