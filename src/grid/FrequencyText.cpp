#include "grid/FrequencyText.h"

#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tevano {

std::string FrequencyText(std::uint32_t units10Hz) {
    return FixedText(units10Hz * 0.00001, 5, 3);
}

std::uint32_t MegahertzTo10Hz(double megahertz) {
    if (std::isnan(megahertz) || megahertz <= 0) {
        return 0;
    }
    if (std::isinf(megahertz)) {
        return UINT32_MAX;
    }
    // 15 significant digits: "d.dddddddddddddde±x".
    char digits[64];
    const auto printed =
        std::to_chars(digits, digits + sizeof digits, megahertz, std::chars_format::scientific, 14);
    if (printed.ec != std::errc()) {
        return 0;
    }
    const std::string scientific(digits, printed.ptr);
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);
    // Multiplying by 100000 only moves the decimal exponent, so the product is exact.
    const std::string mantissa = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const std::string product = mantissa + "e" + std::to_string(exponent - 14 + 5);
    double value = 0;
    const auto parsed = std::from_chars(product.data(), product.data() + product.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        return exponent > 0 ? UINT32_MAX : 0;
    }
    if (value >= 4294967296.0) {
        return UINT32_MAX;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t FrequencyTextTo10Hz(std::string_view text) {
    return MegahertzTo10Hz(LeadingDouble(text));
}

} // namespace tevano
