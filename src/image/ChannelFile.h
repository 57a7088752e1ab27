// The channel data file (".sin"): exactly the 3168 image bytes in order, no header, no checksum.
// A shorter file is refused; a longer one loads its first 3168 bytes. Saving never destroys the old
// file.
#pragma once

#include "base/FileResult.h"
#include "image/RadioImage.h"

#include <string>

namespace tevano {

// Loads the file into the image; on any failure the image is left as it was.
FileResult LoadChannelFile(const std::string& path, RadioImage& image);

// Stores the image's 3168 bytes, replacing the file only once all of them are on the disk.
FileResult StoreChannelFile(const std::string& path, const RadioImage& image);

} // namespace tevano
