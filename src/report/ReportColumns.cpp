#include "report/ReportColumns.h"

#include <algorithm>

namespace tevano {

std::vector<std::int32_t> PlaceInLine(const std::vector<std::int32_t>& wantedX,
                                      const std::vector<std::int32_t>& widths, std::int32_t gap) {
    std::vector<std::int32_t> x;
    x.reserve(wantedX.size());
    for (std::size_t i = 0; i < wantedX.size(); ++i) {
        std::int32_t left = wantedX[i];
        if (i > 0) {
            // An empty text takes no room and needs no gap after it.
            const std::int32_t previousEnd = x[i - 1] + (i - 1 < widths.size() ? widths[i - 1] : 0);
            const bool previousEmpty = i - 1 >= widths.size() || widths[i - 1] == 0;
            left = std::max(left, previousEmpty ? previousEnd : previousEnd + gap);
        }
        x.push_back(left);
    }
    return x;
}

} // namespace tevano
