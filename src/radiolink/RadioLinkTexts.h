// What the radio link tells the user besides its message boxes, in English and Chinese, by id:
// why a port did not open, where a read's backup went, which replies of a read were short, and the
// words of the Port Setup dialog. Placeholders such as <device> and <reason> are filled by the code
// that shows the text.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <string>

namespace tevano {

enum class RadioLinkTextId {
    PortNoPermission,    // <device> <group>
    PortNotPluggedIn,    // <device>
    PortHeldElsewhere,   // <device>
    PortNotSerialLine,   // <device>
    PortNotOpened,       // <device>, when the system gave no reason
    PortSystemReason,    // <device> <reason>
    PortNameEmpty,       // an empty device path
    PortNoTerminal,      // <device>, /dev/tty when the program has no controlling terminal
    BackupSaved,         // <file>
    BackupNoDirectory,   // after a read, when there is no folder for backups
    BackupNotSaved,      // <folder> <reason>
    BackupFolderShared,  // <folder>, not the user's own or writable by others
    BackupFolderNone,    // Open Backup Folder, when there is no folder for backups
    BackupFolderNotMade, // <folder> <reason>
    BackupFolderKept,    // <folder>
    ShortRepliesRead,    // the first line of the list of short replies after a read
    ShortReply,          // <block> <offsets>
    ShortReplyOneByte,   // <block> <offset>
    LineEchoes,          // the cable returns what the program sends
    LineEchoesSentence,  // the same as a sentence of the status bar
    ReplyWrongBlock,     // <named> <expected>
    ReplyWrongLength,    // <block> <length>
    ReadDone,            // <blocks> <port> <device> <time>
    WriteDone,           // <blocks> <port> <device> <time>
    PortSetupTitle,
    PortSetupExplanation,
    PortSetupNothingFound,
    PortSetupRefresh,
    PortSetupDiagnosis,
    VerifyNotRead, // a write completed, its read-back did not
    Count,
};

// The text with its placeholders replaced by `parts`.
std::string RadioLinkText(RadioLinkTextId id, Language language, TextParts parts = {});

} // namespace tevano
