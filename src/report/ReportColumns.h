// Where the texts of one report line stand: each at the x the page's layout gives it, or further
// right when the text before it would otherwise come closer than a gap, so that neighbouring
// cells never touch whatever the widths of the face in use.
#pragma once

#include <cstdint>
#include <vector>

namespace tevano {

// The left edges of texts of these widths, wanted at these x (all in twips, left to right).
std::vector<std::int32_t> PlaceInLine(const std::vector<std::int32_t>& wantedX,
                                      const std::vector<std::int32_t>& widths, std::int32_t gap);

} // namespace tevano
