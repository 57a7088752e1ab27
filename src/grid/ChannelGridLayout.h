// The channel table's set-up: column widths as multiples of a base width W, the header words,
// the three form lists' entries and first picks, and what showing an image puts in the lists.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <array>
#include <cstdint>
#include <string>

namespace tevano {

// The 13 column widths for a base width W, each W x factor cut toward zero.
std::array<std::int32_t, 13> ColumnWidths(std::int32_t w);

// The sum of the factors: the 13 columns fill 11.92 W.
constexpr double kColumnFactorSum = 11.92;

// A column's header: as the first set-up writes it, or as the language switch does.
std::string ChannelHeader(int column, Language language, bool switched);

// Fills the three form lists with their entries and makes the first set-up's picks
// ("Type" entry 0, "Field" entry 2).
void FillFormLists(ChannelForm& form, Language language);

// What every initial update of the view shows of the image besides its channels: the picks of
// the three lists, read from their bytes.
void ShowImage(const RadioImage& image, ChannelForm& form);

} // namespace tevano
