// Texts from outside the program (a file's name or contents, the INI file, the radio) as a
// message may show them: control characters, NUL and bytes that are not UTF-8 become \xNN, so
// that nothing in them can steer a terminal, cut a message short or garble the rest of it.
#pragma once

#include <string>
#include <string_view>

namespace tevano {

// The text with every control character (C0, DEL and the C1 range U+0080-U+009F), NUL and every
// byte outside a valid UTF-8 sequence written as \xNN. With keepLineBreaks a "\n" stays, for
// messages of several lines whose parts were made printable before.
std::string PrintableText(std::string_view text, bool keepLineBreaks = false);

} // namespace tevano
