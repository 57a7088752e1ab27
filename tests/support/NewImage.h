// The image of a new document, as File New makes it: the starting point of the tests that
// set bytes, channels or settings and look at what changed.
#pragma once

#include "image/RadioImage.h"

namespace tevano::testing {

inline RadioImage NewImage() {
    RadioImage image{};
    MakeNewImage(image);
    return image;
}

} // namespace tevano::testing
