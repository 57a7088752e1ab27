// The three lists above the channel table, "Type", "Field" and "Manul Setting", and which words
// the table's headers are in. The channels themselves live in the image; these picks are kept
// apart from it and written into it by every save and write.
#pragma once

#include "grid/ChoiceList.h"

namespace tevano {

struct ChannelForm {
    ChoiceList& type;   // byte 0x80B
    ChoiceList& field;  // byte 0x80A
    ChoiceList& manual; // bit 7 of 0x812
    // The language switch names the frequency columns differently from the first set-up.
    bool switchedHeaders = false;
};

} // namespace tevano
