// The keys of the channel grid as its key-down handling sees them: the virtual-key numbers of the
// radio tool's keyboard, which the desktop program maps its own key codes onto, and the keys a
// channel name may be typed with.
#pragma once

#include <cstdint>

namespace tevano {

namespace vk {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kDigit0 = 48;
constexpr int kLetterA = 65;
constexpr int kNumpad0 = 96;
constexpr int kMinus = 189;
// Tab with Shift held, which the radio tool's keyboard did not tell apart from Tab.
constexpr int kShiftTab = 0x109;
// Any other key above the blank: one the name edit never lets through.
constexpr int kOther = 255;
} // namespace vk

// Whether a key-down reaches the name edit: the keys below the blank (Backspace, Enter,
// Escape, the blank itself, Shift...), digits, letters, keypad digits and the minus key. The
// name's characters are digits, letters, "-" and the blank; everything else is swallowed.
constexpr bool NameEditAcceptsKey(int virtualKey) {
    return virtualKey <= vk::kSpace ||
           (virtualKey >= vk::kDigit0 && virtualKey <= vk::kDigit0 + 9) ||
           (virtualKey >= vk::kLetterA && virtualKey <= vk::kLetterA + 25) ||
           (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9) ||
           virtualKey == vk::kMinus;
}

// Characters of the grid's key-press event below the blank, and DEL, are control characters:
// they start an edit but never become part of a cell's text.
constexpr bool IsControlCharacter(std::uint16_t character) {
    return character < 32 || character == 127;
}

} // namespace tevano
