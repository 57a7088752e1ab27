// The words of tevano-cli's own output that follow --chinese: the form's labels in `show`, the
// result of each radio written, the answers given to the radio's questions, warnings, and the
// report's failure. Usage errors stay in English.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <string>

namespace tevano::cli {

enum class CliTextId {
    TypeLabel,
    FieldLabel,
    ManualLabel,
    NoEntryPicked,
    EntryNumber, // %1: the entry's index in its list
    Written,
    WrittenVerified,
    FailedBecause,      // %1: the reason
    WrittenNotReadBack, // <reason>: the write completed, its read-back did not
    WrittenDiffers,     // <difference>: the write completed, the radio holds something else
    MemoryDiffers,      // <places>: places where the radio read back differs from the file
    CannotDrawReport,
    TypeRefusedWritten, // a write's result when the radio-type question was answered Cancel
    Warning,            // <text>
    Retrying,           // <retry> <retries>: a "Retry" answered to the radio's error question
    GoingOnForced,      // the radio-type question answered OK by --force
    NotWrittenForceHint,
    OutputNotWritten,     // <file> <reason>: a channel list or report that did not go out
    StandardOutputFailed, // <reason>: what the command printed did not all arrive
    EndedBySignal,        // <signal>: "SIGINT", the exit signal taken as a cancel
    ReadEndedBySignal,    // <signal>, <file>
    SettingsUnreadable,   // <file> <reason>: the desktop program's settings; <port> <device>
    ImagesSame,           // <a> <b>: diff found nothing that differs
    CannotCompare,        // <reason>: diff could not get one of its two images
    Count,
};

// The text with its placeholders replaced by the parts given: {"<reason>", "..."}.
std::string CliText(CliTextId id, Language language, TextParts parts = {});

} // namespace tevano::cli
