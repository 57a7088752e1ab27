// The words of a comparison of two images, in English and Chinese, by id: where a difference
// lies, the line for bytes no field shows, and what is said when the two hold the same.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <cstddef>
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
    RadioDiffers, // <places>: the radio read back after a write differs in so many places
    ImagesSame,   // <other>
    ImagesDiffer, // <other> <places>
    OnePlace,     // what <places> says for one difference
    ManyPlaces,   // <count>: ... for more
    TableWhere,   // the headings of the window's table
    TableThisDocument,
    TableOther,
    CopyButton,
    CloseButton,
    FileTitle,   // the window's title for a comparison with a file
    RadioTitle,  // ... with the radio
    VerifyTitle, // ... with the radio read back after a write
    TableName,   // the accessible name of the table of differences
    Count,
};

std::string ComparisonText(ComparisonTextId id, Language language, TextParts parts = {});

// "1 place", "23 places": the count of a comparison's lines, for <places>.
std::string PlacesText(std::size_t count, Language language);

} // namespace tevano
