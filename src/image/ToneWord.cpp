#include "image/ToneWord.h"

#include "base/NumberText.h"
#include "image/Bcd.h"

#include <cmath>

namespace tevano {

std::string ToneWord::Text(std::uint8_t low, std::uint8_t high) {
    if (high < 0x80) {
        const int tenths = BcdByteValue(high) * 100 + BcdByteValue(low);
        return FixedText(tenths * 0.1, 1, 3);
    }
    const bool normal = high < 0xC0;
    const int hundreds = high - (normal ? 0x80 : 0xC0);
    const int code = hundreds * 100 + BcdByteValue(low);
    // The radio's codes are three octal digits; only a leading zero hundred is written out.
    std::string text = hundreds == 0 ? "D0" : "D";
    text += std::to_string(code);
    text += normal ? "N" : "I";
    return text;
}

void ToneWord::Encode(std::string_view text, std::uint8_t& low, std::uint8_t& high) {
    if (text.find('D') == std::string_view::npos) {
        const double tenthsValue = LeadingDouble(text) * 10;
        // Cut toward zero; a value beyond the word's range is held so that the cut is defined.
        const long long tenths = std::isfinite(tenthsValue) && std::fabs(tenthsValue) < 1e15
                                     ? static_cast<long long>(tenthsValue)
                                     : 0;
        if (tenths == 0) {
            low = 0xFF;
            high = 0xFF;
            return;
        }
        high = ToBcdByte(tenths / 100);
        low = ToBcdByte(tenths % 100);
        return;
    }
    const std::string_view rest = text.substr(1);
    const long long code = LeadingLong(rest);
    const bool normal = rest.find('N') != std::string_view::npos;
    high = static_cast<std::uint8_t>(code / 100 + (normal ? 0x80 : 0xC0));
    low = ToBcdByte(code % 100);
}

} // namespace tevano
