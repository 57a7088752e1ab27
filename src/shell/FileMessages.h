// What the user is told when a channel data file cannot be opened or saved, in English or
// Chinese: the file's name, what went wrong, and what to do about it.
#pragma once

#include "image/FileResult.h"

#include <string>

namespace tevano {

std::string FileErrorText(const FileResult& result, const std::string& path, bool english);

} // namespace tevano
