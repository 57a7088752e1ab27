// The channel grid's set-up as the view does it: centred columns, widths as multiples of the
// width W an unsized column reports, the header row, the channel numbers, and the initial update.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <array>
#include <cstdint>

namespace tevano {

// The 13 column widths for a base width W (twips), each W x factor cut toward zero.
std::array<std::int32_t, 13> ColumnWidths(std::int32_t w);

// First set-up of the grid: every column centred, then the widths from W read off column 2.
void SetUpGridColumns(GridControl& grid);

// Fills the three form lists with their entries and makes the first set-up's picks
// ("Type" entry 0, "Field" entry 2).
void FillFormLists(ChannelForm& form, Language language);

// Row 0 with the first set-up's headers.
void WriteFirstSetupHeaders(GridControl& grid, Language language);

// Column 0 of rows 1 to 128: "1" to "128".
void WriteChannelNumbers(GridControl& grid);

// What every initial update of the view shows: the image decoded into the rows and the three
// lists, then the headers and the channel numbers.
void ShowImage(const RadioImage& image, ChannelForm& form, Language language);

} // namespace tevano
