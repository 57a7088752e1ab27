// What the channel form shows: the 129 x 13 grid and its three lists "Type", "Field" and
// "Manul Setting". Decode fills them from the image and encode writes them back.
#pragma once

#include "grid/ChoiceList.h"
#include "grid/GridControl.h"

namespace tevano {

struct ChannelForm {
    GridControl& grid;
    ChoiceList& type;   // byte 0x80B
    ChoiceList& field;  // byte 0x80A
    ChoiceList& manual; // bit 7 of 0x812
};

} // namespace tevano
