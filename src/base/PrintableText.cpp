#include "base/PrintableText.h"

#include "base/Utf8Text.h"

#include <cstdint>

namespace tevano {

namespace {

void AppendEscaped(std::string& out, std::uint8_t byte) {
    constexpr const char* kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

} // namespace

std::string PrintableText(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (byte < 0x80) {
            if ((byte < 0x20 || byte == 0x7F) && !(keepLineBreaks && byte == '\n')) {
                AppendEscaped(out, byte);
            } else {
                out += static_cast<char>(byte);
            }
            ++at;
            continue;
        }
        std::uint32_t codePoint = 0;
        const std::size_t length = Utf8SequenceLength(text, at, codePoint);
        if (length == 0) {
            AppendEscaped(out, byte);
            ++at;
            continue;
        }
        // The C1 controls: some terminals take U+009B for the start of a control sequence.
        const bool control = codePoint >= 0x80 && codePoint <= 0x9F;
        for (std::size_t i = 0; i < length; ++i) {
            if (control) {
                AppendEscaped(out, static_cast<std::uint8_t>(text[at + i]));
            } else {
                out += text[at + i];
            }
        }
        at += length;
    }
    return out;
}

} // namespace tevano
