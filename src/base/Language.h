// The two languages the program speaks, and the shape of every table of texts: an English and a
// Chinese text side by side under an id. Code asks for the language once and passes the value.
#pragma once

namespace tevano {

enum class Language { English, Chinese };

constexpr Language Other(Language language) {
    return language == Language::English ? Language::Chinese : Language::English;
}

// One text in both languages; a table gives the English text again where there is no Chinese one.
struct TextPair {
    const char* english;
    const char* chinese;
};

// The pair's text in `language`.
constexpr const char* In(Language language, const TextPair& pair) {
    return language == Language::English ? pair.english : pair.chinese;
}

constexpr const TextPair& TextsOf(const TextPair& pair) {
    return pair;
}

// Whether a table of texts has all its rows: an array sized by the count of its ids that lacks
// one holds null texts there. Tables check themselves with a static_assert.
template <class Table> constexpr bool Complete(const Table& table) {
    for (const auto& row : table) {
        const TextPair& pair = TextsOf(row);
        if (pair.english == nullptr || pair.chinese == nullptr) {
            return false;
        }
    }
    return true;
}

} // namespace tevano
