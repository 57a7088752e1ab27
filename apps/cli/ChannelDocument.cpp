// The channel data file the commands open, edit and save, with the program's own file steps.

#include "ChannelDocument.h"

#include "Arguments.h"

#include "base/FileMessages.h"
#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"

#include <cerrno>

namespace tevano::cli {

ChannelDocument::ChannelDocument(Language language) : form(language), language_(language) {
    MakeNewImage(image);
}

int ChannelDocument::Lock(const std::string& path) {
    const FileResult locked = lock_.Acquire(path);
    return locked.Ok() ? 0 : Fail(FileErrorText(locked, path, language_));
}

int ChannelDocument::Open(const std::string& path) {
    const FileResult opened = OpenChannelFile(path, image, form.Form());
    return opened.Ok() ? 0 : Fail(FileErrorText(opened, path, language_));
}

int ChannelDocument::OpenOrNew(const std::string& path) {
    const FileResult opened = OpenChannelFile(path, image, form.Form());
    if (opened.error == FileError::OpenFailed && opened.systemError == ENOENT) {
        ShowNew();
        return 0;
    }
    return opened.Ok() ? 0 : Fail(FileErrorText(opened, path, language_));
}

void ChannelDocument::ShowNew() {
    ShowImage(image, form.Form());
}

int ChannelDocument::Save(const std::string& path) {
    const FileResult saved = SaveChannelFile(path, form.Form(), image);
    return saved.Ok() ? 0 : Fail(FileErrorText(saved, path, language_));
}

} // namespace tevano::cli
