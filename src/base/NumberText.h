// Numbers read from and printed into cell and field texts the way the C library's atof, atol
// and "%w.pf" do, but independent of the process locale (Qt sets it from the environment).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tevano {

// The leading decimal number of the text, as atof reads it: leading white space skipped,
// an optional sign, digits with an optional point and exponent; 0 when there is none.
double LeadingDouble(std::string_view text);

// The same number, or nothing when the text does not begin with one (empty, or letters first).
std::optional<double> LeadingNumber(std::string_view text);

// A plain decimal number as people type it: digits with at most one decimal mark, "." or ","
// ("145,5" in much of the world), no sign or exponent, blanks and tabs around it ignored. The
// number with "." as its mark; nothing for any other text ("1e2", "145.5.1", "145abc", ",").
std::optional<std::string> PlainDecimalText(std::string_view text);

// The leading integer of the text, as atol reads it, held to the 32-bit range.
std::int32_t LeadingLong(std::string_view text);

// An offset or address in the radio's memory as the messages name it: "0x0208".
std::string HexOffsetText(std::size_t offset);

// The value printed with "%<width>.<precision>f": fixed notation, padded with blanks on the left.
std::string FixedText(double value, int precision, int width = 0);

} // namespace tevano
