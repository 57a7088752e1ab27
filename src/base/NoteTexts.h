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
    FileNotOpened,      // <file> <reason>
    FileTooShort,       // <file>
    FileNotRead,        // <file> <reason>
    FileNotSaved,       // <file> <reason>
    SettingsNotSaved,   // <file> <reason>
    ShortRepliesRead,   // the first line of the list of short replies after a read
    ShortReply,         // <block> <offsets>
    ShortReplyOneByte,  // <block> <offset>
    TypeRefusedWritten, // a write's result when the radio-type question was answered Cancel
};

// What a text's placeholders are replaced with: {"<file>", "a.sin"}.
using TextParts = std::initializer_list<std::pair<std::string_view, std::string>>;

// The text with its placeholders.
std::string NoteText(NoteId id, Language language);

// The text with each placeholder given replaced (every occurrence); the parts are put in as
// they are, never searched for placeholders themselves.
std::string FillNote(NoteId id, Language language, TextParts parts);

// The same for a text of another table, whose placeholders run from `open` to `close`.
std::string FillText(std::string_view text, TextParts parts, char open = '<', char close = '>');

} // namespace tevano
