#include "grid/FrequencyEntry.h"

#include "base/NumberText.h"
#include "grid/FrequencyText.h"

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

} // namespace tevano
