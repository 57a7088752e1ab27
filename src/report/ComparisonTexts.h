// The words of a comparison of two images, in English and Chinese, by id: where a difference
// lies, the line for bytes no field shows, and what is said when the two hold the same.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <string>

namespace tevano {

enum class ComparisonTextId {
    ChannelField,    // <channel> <field>
    OptionalFeature, // <caption> <field>
    SideKeyPress,    // <key> <press>
    FormList,        // <label>
    DifferenceLine,  // <where> <ours> <theirs>
    UnshownBytes,    // <offsets>
    ByteAt,          // <offset>: a byte no field shows, in the tab-separated form
    TsvHeader,       // the tab-separated form's first line
    EmptyValue,      // an empty cell or a list without a pick, in a line of text
    RadioHoldsDocument,
    RadioDiffers, // <count>: the radio read back after a write differs in so many places
    ImagesSame,   // <other>
    ImagesDiffer, // <other> <count>
    TableWhere,   // the headings of the window's table
    TableThisDocument,
    TableOther,
    Count,
};

std::string ComparisonText(ComparisonTextId id, Language language, TextParts parts = {});

} // namespace tevano
