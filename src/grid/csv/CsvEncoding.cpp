#include "grid/csv/CsvEncoding.h"

#include "base/Utf8Text.h"

namespace tevano {

namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

CsvUtf8Text Problem(CsvListProblem problem, int line, std::uint8_t byte = 0) {
    CsvUtf8Text result;
    result.problem = problem;
    result.line = line;
    result.byte = byte;
    return result;
}

// UTF-16 after its mark: pairs of bytes, surrogates only in their pairs.
CsvUtf8Text FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&bytes, bigEndian](std::size_t at) {
        const auto first = static_cast<std::uint8_t>(bytes[at]);
        const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
        return static_cast<std::uint32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    CsvUtf8Text result;
    int line = 1;
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at + 1 >= bytes.size()) {
            return Problem(CsvListProblem::BrokenUtf16, line); // half a character at the end
        }
        std::uint32_t codePoint = unitAt(at);
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && at + 3 < bytes.size() &&
            unitAt(at + 2) >= 0xDC00 && unitAt(at + 2) <= 0xDFFF) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
            at += 2;
        } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            return Problem(CsvListProblem::BrokenUtf16, line); // half of a surrogate pair
        }
        if (codePoint == '\n') {
            ++line;
        }
        AppendUtf8(result.text, codePoint);
    }
    return result;
}

} // namespace

CsvUtf8Text CsvTextAsUtf8(std::string_view bytes) {
    if (bytes.substr(0, 2) == kUtf16LittleEndianMark) {
        return FromUtf16(bytes.substr(2), false);
    }
    if (bytes.substr(0, 2) == kUtf16BigEndianMark) {
        return FromUtf16(bytes.substr(2), true);
    }
    int line = 1;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<std::uint8_t>(bytes[at]);
        std::uint32_t codePoint = 0;
        // A NUL byte is no text either: UTF-16 without its mark has one in every ASCII letter.
        const std::size_t length =
            byte >= 0x80 ? Utf8SequenceLength(bytes, at, codePoint) : (byte != 0 ? 1 : 0);
        if (length == 0) {
            return Problem(CsvListProblem::NotUtf8, line, byte);
        }
        if (byte == '\n') {
            ++line;
        }
        at += length;
    }
    CsvUtf8Text result;
    result.text = std::string(bytes);
    return result;
}

} // namespace tevano
