// UTF-8, the encoding of every text the program keeps: telling a valid sequence from stray bytes
// in text that came from outside (a file's name or contents), and writing a character out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

// The length of the valid UTF-8 sequence of two or more bytes that begins at `at`, with its
// code point; 0 when the bytes there are none (overlong forms, surrogates and code points above
// U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at, std::uint32_t& codePoint);

// The code point (at most U+10FFFF, no surrogate) in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

} // namespace tevano
