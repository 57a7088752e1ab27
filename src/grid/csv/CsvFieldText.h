// Reading the fields of a channel list strictly: a number is a number and nothing else, so that
// "145,5" from a spreadsheet is never taken as 145 MHz the way atof would read it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tevano {

// The field without the blanks and tabs around it.
std::string_view TrimmedField(std::string_view field);

// ASCII letters in upper case, everything else as it is.
std::string UpperAscii(std::string_view text);

// A plain decimal number without sign or exponent ("145", "145.5", ".5"); "," is taken as the
// decimal mark too, as spreadsheets write it in many countries. Blanks around it are ignored.
std::optional<double> DecimalField(std::string_view field);

} // namespace tevano
