// What the Side Key dialog shows and stores: the function picked for a short and a long press
// of each of the two side keys, read from 0x81D and 0x81E and written back on "OK".
#pragma once

#include "image/RadioImage.h"

namespace tevano {

// Position of the picked entry in each of the four lists (the function code 0 to 8), or -1
// when the image held a code 9 to 15, which has no entry.
struct SideKeyState {
    int key1Short = -1;
    int key1Long = -1;
    int key2Short = -1;
    int key2Long = -1;
};

SideKeyState OpenSideKeys(const RadioImage& image);

// Writes 0x81D and 0x81E and nothing else. A list still without a pick keeps its nibble as the
// image holds it, so an unknown code the user did not touch survives and never spills into the
// other nibble.
void AcceptSideKeys(const SideKeyState& state, RadioImage& image);

} // namespace tevano
