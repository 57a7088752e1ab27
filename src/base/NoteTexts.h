// The texts that carry something from outside the program (a file's name, the system's reason,
// a block's address), in English and Chinese, keyed by id. Each holds placeholders such as
// <file> and <reason>, which FillNote replaces with parts the caller made printable first.
#pragma once

#include "base/Language.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tevano {

enum class NoteId {
    FileReadOnly,       // <file> <reason>
    FileNotRegular,     // <file>
    SettingsNotSaved,   // <file> <reason>
    ShortRepliesRead,   // the first line of the list of short replies after a read
    ShortReply,         // <block> <offsets>
    TypeRefusedWritten, // a write's result when the radio-type question was answered Cancel
};

// The text with its placeholders.
std::string NoteText(NoteId id, Language language);

// The text with each placeholder given replaced (every occurrence); the parts are put in as
// they are, never searched for placeholders themselves.
std::string FillNote(NoteId id, Language language,
                     std::initializer_list<std::pair<std::string_view, std::string>> parts);

} // namespace tevano
