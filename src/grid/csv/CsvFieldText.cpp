#include "grid/csv/CsvFieldText.h"

#include "base/NumberText.h"

namespace tevano {

std::string_view TrimmedField(std::string_view field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front())) {
        field.remove_prefix(1);
    }
    while (!field.empty() && blank(field.back())) {
        field.remove_suffix(1);
    }
    return field;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::optional<double> DecimalField(std::string_view field) {
    const std::optional<std::string> number = PlainDecimalText(field);
    if (!number) {
        return std::nullopt;
    }
    return LeadingDouble(*number);
}

} // namespace tevano
