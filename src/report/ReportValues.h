// The radio-wide settings on the report's first page: every value read through the same code
// as the Optional Features and Side Key dialogs and printed in their words, so that the page
// says what the dialogs show. The fields made of them: label, value, line and column.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <string>
#include <vector>

namespace tevano {

// The Chinese words a check box of the dialogs prints with; English always says "Enable" /
// "Disable".
enum class OnOffWords { Open, Start };
std::string OnOffText(bool set, OnOffWords words, Language language);

// One field of the settings block: its label directly followed by its value.
struct SettingsField {
    int line; // 1 to kSettingsLines; fields of one line share a y
    int x;    // in multiples of the unit width W
    std::string text;
};

constexpr int kSettingsLines = 11;

// The settings block of page 1, line by line and left to right. "Type:" and "Frequency Field:"
// print the current entries of the form's lists, and a dialog's list without a pick prints an
// empty value, as the dialog shows it.
std::vector<SettingsField> SettingsFields(const RadioImage& image, const ChannelForm& form,
                                          Language language);

} // namespace tevano
