#include "image/NameCode.h"

#include "image/RadioImage.h"

namespace tevano {

std::string NameCode::Decode(const std::uint8_t* nameBytes) {
    std::string name;
    for (std::size_t i = 0; i < kNameSize; ++i) {
        const char c = Character(nameBytes[i]);
        if (c == '\0') {
            break;
        }
        name += c;
    }
    return name;
}

void NameCode::Encode(std::string_view text, std::uint8_t* nameBytes) {
    for (std::size_t i = 0; i < kNameSize; ++i) {
        nameBytes[i] = i < text.size() ? Code(text[i]) : kEnd;
    }
}

} // namespace tevano
