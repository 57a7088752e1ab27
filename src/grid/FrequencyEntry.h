// A frequency typed into a receive or transmit cell, checked as the radio takes it: a plain
// decimal number ("," taken as the decimal mark), from 67 to 521 MHz, on a channel step of 6.25,
// 5 or 2.5 kHz. The check works on the count of 10 Hz units (the value cut after the fifth
// decimal); the cell shows the value rounded to five decimals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tevano {

constexpr std::uint32_t kLowestFrequency10Hz = 6700000;   // 67 MHz
constexpr std::uint32_t kHighestFrequency10Hz = 52100000; // 521 MHz

enum class FrequencyVerdict {
    Empty,      // nothing typed, or only blanks: the cell is cleared
    Accepted,   // the cell gets the value with five decimals
    NotANumber, // letters, a sign, an exponent, two decimal marks: the cell keeps its text
    OutOfRange, // below 67 or above 521 MHz
    OffStep,    // a multiple of none of 6.25, 5 and 2.5 kHz
};

struct [[nodiscard]] FrequencyEntry {
    FrequencyVerdict verdict;
    std::string text; // what the cell gets: empty unless accepted
};

// The typed text read as a plain decimal number and checked.
FrequencyEntry CheckFrequencyEntry(std::string_view typed);

// A transmit frequency typed as a repeater's offset from the receive frequency: "+0.6", "-5",
// "+7,6" give the receive frequency plus or minus that many MHz, as the text to check as if it
// had been typed. Nothing for a text without a sign, or without a receive frequency.
std::optional<std::string> RepeaterOffsetEntry(std::string_view typed, std::string_view rxText);

} // namespace tevano
