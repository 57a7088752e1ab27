#include "base/FillText.h"

#include <algorithm>

namespace tevano {

std::string FillText(std::string_view text, TextParts parts, char openMark, char closeMark) {
    // One pass over the text, so that a part that itself holds "<...>" (a file name) is never
    // taken for a placeholder.
    std::string filled;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find(openMark, at);
        const std::size_t close =
            open == std::string_view::npos ? open : text.find(closeMark, open);
        if (close == std::string_view::npos) {
            filled.append(text.substr(at));
            break;
        }
        filled.append(text.substr(at, open - at));
        const std::string_view placeholder = text.substr(open, close - open + 1);
        const auto part = std::find_if(parts.begin(), parts.end(), [&](const auto& given) {
            return given.first == placeholder;
        });
        if (part != parts.end()) {
            filled += part->second;
        } else {
            filled += placeholder;
        }
        at = close + 1;
    }
    return filled;
}

} // namespace tevano
