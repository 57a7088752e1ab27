#include "base/FileMessages.h"

#include "base/NoteTexts.h"
#include "base/PrintableText.h"
#include "base/SystemErrorText.h"

namespace tevano {

namespace {

std::string SystemText(int error) {
    if (error == 0) {
        return std::string();
    }
    return ": " + SystemErrorText(error);
}

} // namespace

std::string FileErrorText(const FileResult& result, const std::string& path, Language language) {
    const std::string shownPath = PrintableText(path);
    const std::string reason = SystemText(result.systemError);
    const auto note = [&](NoteId id) {
        return FillNote(id, language, {{"<file>", shownPath}, {"<reason>", reason}});
    };
    switch (result.error) {
    case FileError::None:
        return std::string();
    case FileError::OpenFailed:
        return note(NoteId::FileNotOpened);
    case FileError::TooShort:
        return note(NoteId::FileTooShort);
    case FileError::ReadFailed:
        return note(NoteId::FileNotRead);
    case FileError::CreateFailed:
    case FileError::WriteFailed:
        return note(NoteId::FileNotSaved);
    case FileError::NotRegular:
        return note(NoteId::FileNotRegular);
    case FileError::ReadOnly:
        return note(NoteId::FileReadOnly);
    case FileError::ForeignLink:
        return note(NoteId::FileForeignLink);
    case FileError::Busy:
        return note(NoteId::FileBusy);
    }
    return std::string();
}

std::string FileChangedOnDiskText(const std::string& path, Language language) {
    return FillNote(NoteId::FileChanged, language, {{"<file>", PrintableText(path)}});
}

std::string SettingsSaveErrorText(const FileResult& result, const std::string& path,
                                  Language language) {
    if (result.Ok()) {
        return std::string();
    }
    return FillNote(
        NoteId::SettingsNotSaved, language,
        {{"<file>", PrintableText(path)}, {"<reason>", SystemText(result.systemError)}});
}

} // namespace tevano
