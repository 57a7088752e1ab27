// Opening and saving a channel data file the way the program's document does it: open loads
// the bytes and shows them in the form; save first encodes the form, then stores the image.
#pragma once

#include "base/FileResult.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <string>

namespace tevano {

// Loads the file into the image and, when that worked, shows the image's list picks in the form.
// A file that cannot be loaded leaves both image and form as they were.
FileResult OpenChannelFile(const std::string& path, RadioImage& image, ChannelForm& form);

// Encodes the form into the image, then stores the image. The image stays encoded whether
// or not the store succeeds.
FileResult SaveChannelFile(const std::string& path, const ChannelForm& form, RadioImage& image);

} // namespace tevano
