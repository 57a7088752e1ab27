// A channel data file as the commands work on it: the image and the channel form without a
// display, opened and saved as the program's File Open and File Save do, with a failure told on
// stderr beside the file's name.
#pragma once

#include "base/FileLock.h"
#include "base/Language.h"
#include "grid/HeadlessChannelForm.h"
#include "image/RadioImage.h"

#include <string>

namespace tevano::cli {

class ChannelDocument {
public:
    // A new document's image and the form set up, in the language the command speaks.
    explicit ChannelDocument(Language language);

    ChannelDocument(const ChannelDocument&) = delete;
    ChannelDocument& operator=(const ChannelDocument&) = delete;

    // Holds the file for this command's change until the document goes: another program that
    // changes it waits, and this one waits for it (FileLock.h). 0, or the failure as Open tells it.
    int Lock(const std::string& path);
    // Opens the file into the form: 0, or the status of a failed command with its line on stderr.
    int Open(const std::string& path);
    // As Open, but a file that does not exist yet is a new document.
    int OpenOrNew(const std::string& path);
    // Shows the new document's image in the form, as File New does.
    void ShowNew();
    // Saves the form (and the image under it) to the file: 0, or the failure as Open tells it.
    int Save(const std::string& path);

    RadioImage image{};
    HeadlessChannelForm form;

private:
    Language language_;
    FileLock lock_;
};

} // namespace tevano::cli
