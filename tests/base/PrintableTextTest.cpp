#include "base/PrintableText.h"

#include <gtest/gtest.h>

#include <string>

namespace tevano {
namespace {

using namespace std::string_literals;

TEST(PrintableText, ControlBytesAndBrokenUtf8BecomeEscapes) {
    const struct {
        std::string in;
        std::string shown;
    } cases[] = {
        {"CH-1 abc~", "CH-1 abc~"},
        {"\x1b]0;owned\x07", "\\x1B]0;owned\\x07"}, // a terminal title change
        {"\x1b[2J", "\\x1B[2J"},                    // clear screen
        {"a\0b"s, "a\\x00b"},                       // NUL does not cut the text short
        {"tab\there\r\n\x7f", "tab\\x09here\\x0D\\x0A\\x7F"},
        {"频道 Écran ✓ 😀", "频道 Écran ✓ 😀"},         // valid UTF-8 of every length stays
        {"\xff\xfe", "\\xFF\\xFE"},                   // not UTF-8 at all
        {"\xe9t\xe9", "\\xE9t\\xE9"},                 // Latin-1
        {"\xe4\xbd", "\\xE4\\xBD"},                   // a character cut short
        {"\xc0\xaf", "\\xC0\\xAF"},                   // an overlong "/"
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {"\xc2\x9b"
         "31m",
         "\\xC2\\x9B31m"},          // the C1 control CSI, in UTF-8
        {"\xc2\x80", "\\xC2\\x80"}, // the first C1 control
        {"\xc2\x9f", "\\xC2\\x9F"}, // the last: APC opens a control string
        {"\xc2\xa0", "\xc2\xa0"},   // the no-break space above them stays
        {"\\x41", "\\x41"},         // a backslash stays as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintableText(c.in), c.shown) << c.shown;
    }
    EXPECT_EQ(PrintableText("one\ntwo\x1b", true), "one\ntwo\\x1B");
}

} // namespace
} // namespace tevano
