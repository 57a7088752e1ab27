// What the cells of the channel grid may show, column by column, for the harnesses' checks.
#pragma once

#include "base/Language.h"
#include "grid/ChannelWords.h"
#include "image/RadioImage.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tevano::fuzz {

inline bool Digits(const std::string& text, std::size_t from, std::size_t to) {
    return from < to && to <= text.size() &&
           std::all_of(text.begin() + static_cast<long>(from), text.begin() + static_cast<long>(to),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// "ddd.ddddd", as "%3.5f" prints a frequency.
inline bool IsFrequencyText(const std::string& text) {
    const std::size_t point = text.find('.');
    return point != std::string::npos && Digits(text, 0, point) &&
           Digits(text, point + 1, text.size()) && text.size() - point - 1 == 5;
}

// "67.0", "D023N", "D754I", or "OFF" when the word holds no tone.
inline bool IsToneText(const std::string& text) {
    if (text == words::kToneOff) {
        return true;
    }
    if (text.size() >= 3 && text[0] == 'D' && (text.back() == 'N' || text.back() == 'I')) {
        return Digits(text, 1, text.size() - 1);
    }
    const std::size_t point = text.find('.');
    return point != std::string::npos && Digits(text, 0, point) && point + 2 == text.size() &&
           Digits(text, point + 1, text.size());
}

inline bool IsNameText(const std::string& text) {
    return text.size() <= kNameSize && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-' || c == ' ';
           });
}

// The words of an overlay list's column (5 to 11), made once per language.
inline const std::vector<std::string>& ListWords(int column, Language language) {
    static const auto lists = [] {
        std::vector<std::vector<std::string>> made;
        for (const Language listLanguage : {Language::English, Language::Chinese}) {
            for (int col = 0; col < kGridColumns; ++col) {
                made.push_back(OverlayListEntries(col, listLanguage));
            }
        }
        return made;
    }();
    // English's lists first, as made above.
    return lists[static_cast<std::size_t>(language) * static_cast<std::size_t>(kGridColumns) +
                 static_cast<std::size_t>(column)];
}

inline bool IsListWord(const std::string& text, int column, Language language) {
    const std::vector<std::string>& entries = ListWords(column, language);
    return std::find(entries.begin(), entries.end(), text) != entries.end();
}

} // namespace tevano::fuzz
