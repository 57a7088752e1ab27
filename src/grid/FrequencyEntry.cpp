#include "grid/FrequencyEntry.h"

#include "base/NumberText.h"
#include "grid/FrequencyText.h"

#include <algorithm>
#include <optional>

namespace tevano {

namespace {

bool OnChannelStep(std::uint32_t units10Hz) {
    // 6.25 kHz, 5 kHz and 2.5 kHz in units of 10 Hz.
    for (std::uint32_t step : {625u, 500u, 250u}) {
        if (units10Hz % step == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

FrequencyEntry CheckFrequencyEntry(std::string_view typed) {
    if (typed.find_first_not_of(" \t") == std::string_view::npos) {
        return {FrequencyVerdict::Empty, std::string()};
    }
    const std::optional<std::string> number = PlainDecimalText(typed);
    if (!number) {
        return {FrequencyVerdict::NotANumber, std::string()};
    }
    const double megahertz = LeadingDouble(*number);
    const std::uint32_t units10Hz = MegahertzTo10Hz(megahertz);
    if (units10Hz < kLowestFrequency10Hz || units10Hz > kHighestFrequency10Hz) {
        return {FrequencyVerdict::OutOfRange, std::string()};
    }
    if (!OnChannelStep(units10Hz)) {
        return {FrequencyVerdict::OffStep, std::string()};
    }
    return {FrequencyVerdict::Accepted, FixedText(megahertz, 5, 3)};
}

std::optional<std::string> RepeaterOffsetEntry(std::string_view typed, std::string_view rxText) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos || (typed[first] != '+' && typed[first] != '-')) {
        return std::nullopt;
    }
    const std::optional<std::string> offset = PlainDecimalText(typed.substr(first + 1));
    const std::uint32_t rx = FrequencyTextTo10Hz(rxText);
    if (!offset || rx == 0) {
        return std::nullopt;
    }
    const long long units = static_cast<long long>(FrequencyTextTo10Hz(*offset));
    const long long tx = typed[first] == '+' ? rx + units : rx - units;
    // Out of the radio's range it is refused as a typed frequency would be.
    return tx > 0 ? FrequencyText(static_cast<std::uint32_t>(std::min(tx, 99999999LL)))
                  : std::string("0");
}

} // namespace tevano
