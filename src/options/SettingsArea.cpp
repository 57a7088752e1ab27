#include "options/SettingsArea.h"

#include <vector>

namespace tevano {

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

// The text split into characters: one entry per ASCII byte or per UTF-8 sequence, so that a
// character typed from outside ASCII takes one position of the field, as it does on screen.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        std::size_t end = i + 1;
        while (end < text.size() && end < i + length &&
               (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        characters.push_back(text.substr(i, end - i));
        i = end;
    }
    return characters;
}

} // namespace

std::string ReadIdField(const RadioImage& image, IdField field) {
    const bool group = field == IdField::Group;
    const std::size_t offset = IdFieldOffset(field);
    const std::size_t length = group ? kGroupIdMaxLength : kIdFieldSize;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t byte = image[offset + i];
        if (IsDigit(byte)) {
            text += static_cast<char>(byte);
        } else if (!group && IsUpper(byte)) {
            text += static_cast<char>(byte);
        } else if (!group && IsLower(byte)) {
            text += static_cast<char>(byte - 'a' + 'A');
        }
    }
    return text;
}

void WriteIdField(RadioImage& image, IdField field, std::string_view text) {
    const bool group = field == IdField::Group;
    const std::size_t offset = IdFieldOffset(field);
    const std::vector<std::string_view> characters = Characters(text);
    for (std::size_t i = 0; i < kIdFieldSize; ++i) {
        std::uint8_t byte = 0xFF;
        if (i < characters.size()) {
            const std::string_view character = characters[i];
            const auto c = static_cast<unsigned char>(character[0]);
            if (character.size() == 1 && IsDigit(c)) {
                byte = c;
            } else if (!group && character.size() == 1 && IsUpper(c)) {
                byte = c;
            } else if (!group && character.size() == 1 && IsLower(c)) {
                byte = static_cast<std::uint8_t>(c - 'a' + 'A');
            } else {
                byte = '0';
            }
        }
        image[offset + i] = byte;
    }
    // The radio takes a 4-digit group ID only up to 1999.
    if (group && characters.size() == kGroupIdMaxLength && characters[0].size() == 1 &&
        characters[0][0] >= '2' && characters[0][0] <= '9') {
        image[offset] = '1';
    }
}

std::string TimeOutText(int steps) {
    return steps == 0 ? std::string("OFF") : std::to_string(steps * kTimeOutStepSeconds);
}

} // namespace tevano
