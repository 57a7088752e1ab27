#include "base/PrintableText.h"

#include <cstdint>

namespace tevano {

namespace {

void AppendEscaped(std::string& out, std::uint8_t byte) {
    constexpr const char* kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The length of the valid UTF-8 sequence of two or more bytes that begins at `at`, 0 when the
// bytes there are none (overlong forms, surrogates and code points above U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t at, std::uint32_t& codePoint) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(at + i);
        const std::uint8_t min = i == 1 ? low : 0x80;
        const std::uint8_t max = i == 1 ? high : 0xBF;
        if (next < min || next > max) {
            return 0;
        }
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    return length;
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
        const std::size_t length = SequenceLength(text, at, codePoint);
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
