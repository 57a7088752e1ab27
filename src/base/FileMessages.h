// What the user is told when a channel data file (or the settings file) cannot be opened or
// saved, in English or Chinese: the file's name, what went wrong, and what to do about it.
#pragma once

#include "base/FileResult.h"
#include "base/Language.h"

#include <string>

namespace tevano {

// The path is shown with its control characters and stray bytes escaped.
std::string FileErrorText(const FileResult& result, const std::string& path, Language language);

// The question before a save replaces a file that another program saved over since it was
// opened or last saved here.
std::string FileChangedOnDiskText(const std::string& path, Language language);

// Why the program's settings file (the INI file at `path`) could not be saved; "" for success.
std::string SettingsSaveErrorText(const FileResult& result, const std::string& path,
                                  Language language);

} // namespace tevano
