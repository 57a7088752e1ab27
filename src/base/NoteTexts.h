// The notes about files, in English and Chinese, keyed by id: a file that cannot be opened, read
// or saved, and why; a file saved; a recent file that is gone. Each holds placeholders such as
// <file> and <reason>, which FillNote replaces with parts the caller made printable first.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <string>

namespace tevano {

enum class NoteId {
    FileReadOnly,     // <file> <reason>
    FileNotRegular,   // <file>
    FileNotOpened,    // <file> <reason>
    FileTooShort,     // <file>
    FileNotRead,      // <file> <reason>
    FileNotSaved,     // <file> <reason>
    SettingsNotSaved, // <file> <reason>
    FileForeignLink,  // <file>
    FileBusy,         // <file>
    FileChanged,      // <file>: another program saved over it; a question, replace it?
    ChannelDataSaved, // <file>: the status bar's note after a save
    RecentFileGone,   // <file>: an entry of the recent-file list whose file is gone
    Count,
};

// The text with its placeholders.
std::string NoteText(NoteId id, Language language);

// The text with each placeholder given replaced (every occurrence).
std::string FillNote(NoteId id, Language language, TextParts parts);

} // namespace tevano
