// The radio-wide values of the settings report's first page, read from image bytes with the
// report's own assignment of bits and values (which differs from the settings dialogs' in
// 0x810 to 0x816), and the fields they make: label, value, line and column.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tevano {

// Programmable function key (table A): "Autodial", "Key Lock", ... or "None".
std::string PfFunctionText(std::uint8_t value, Language language);

// The Chinese words an on/off bit prints with; English always says "Enable" / "Disable".
enum class OnOffWords { Open, Start, Enable };
std::string OnOffText(bool set, OnOffWords words, Language language);

// VOX delay (table C), the same in both languages: "0.3s" to "3.0s".
std::string VoxDelayText(std::uint8_t value);

// A DTMF code string (rule D): the digits and "A" to "D" among 16 bytes, everything else skipped.
std::string DtmfCodeText(const RadioImage& image, std::size_t offset);

std::string SquelchText(std::uint8_t value);     // "%2d", "0" above 9
std::string VoxGainText(std::uint8_t value);     // "OFF", "%2d", "0" above 10
std::string PttIdText(std::uint8_t value);       // "BOT", "EOT", "BOTH" by the two low bits
std::string TotalTxTimeText(std::uint8_t value); // seconds for 1 to 40, else "OFF"

// One field of the settings block: its label directly followed by its value.
struct SettingsField {
    int line; // 1 to 8; fields of one line share a y
    int x;    // in multiples of the unit width W
    std::string text;
};

// The settings block of page 1, line by line and left to right. "Type:" and "Frequency Field:"
// print the current entries of the form's lists, an empty value when a list has none.
std::vector<SettingsField> SettingsFields(const RadioImage& image, const ChannelForm& form,
                                          Language language);

} // namespace tevano
