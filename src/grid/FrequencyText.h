// Channel frequencies between the image's count of 10 Hz units and the grid's MHz text. The
// text-to-count direction works in decimal, so that 145.0125 gives exactly 14501250, not one less.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

// The count of 10 Hz units printed in MHz with five decimals ("%3.5f"): 14501250 gives 145.01250.
std::string FrequencyText(std::uint32_t units10Hz);

// The megahertz value x 100000 in decimal arithmetic: the double is taken to 15 significant
// digits, multiplied exactly and turned back into a double, then cut toward zero to 32 bits.
// Negative values and NaN give 0; values beyond 32 bits give 0xFFFFFFFF.
std::uint32_t MegahertzTo10Hz(double megahertz);

// The text read as atof reads it, converted by MegahertzTo10Hz; 0 for an empty text.
std::uint32_t FrequencyTextTo10Hz(std::string_view text);

} // namespace tevano
