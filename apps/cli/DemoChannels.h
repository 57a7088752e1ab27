// A handful of channels in the 134-176 MHz band, as a user would type them into the grid,
// for the sample document that demos and the virtual radio start from.
#pragma once

#include "base/Language.h"
#include "grid/GridControl.h"

namespace tevano::cli {

void WriteDemoChannels(GridControl& grid, Language language);

} // namespace tevano::cli
