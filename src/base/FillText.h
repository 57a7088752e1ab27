// Placeholders in the texts of the tables: "<file>" or "{line}" in a text, replaced by the part
// the caller gives for it when the text is shown. Parts are put in as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tevano {

// What a text's placeholders are replaced with: {"<file>", "a.sin"}.
using TextParts = std::initializer_list<std::pair<std::string_view, std::string>>;

// The text with each placeholder given replaced (every occurrence); the parts are never searched
// for placeholders themselves, and a placeholder no part names stays as it is. Placeholders run
// from `open` to `close`.
std::string FillText(std::string_view text, TextParts parts, char open = '<', char close = '>');

} // namespace tevano
