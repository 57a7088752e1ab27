// Every message box of the program and every fixed text that code writes into a control, in
// English and Chinese, in one table. The core names a message by its id; the edge that shows
// it passes the language in force.
#pragma once

#include "base/Language.h"

#include <string>

namespace tevano {

// The button sets of the message boxes.
enum class Buttons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel };

// The user's answer to a message box. Only the negative answer is ever tested.
enum class Answer { Ok, Cancel, Retry, Yes, No };

enum class MessageId {
    // Channel grid: cell editing and keyboard
    FrequencyOutOfRange,   // outside 67-521 MHz, or not a number
    FrequencyOffStep,      // not a multiple of 6.25, 5 or 2.5 kHz, when the cell is left
    FrequencyOffStepEnter, // the same when Enter commits (its Chinese text differs by one letter)
    InputNumber,           // a character other than a digit typed on a cell, or a frequency
                           // that is not a plain decimal number
    ToneNotInTable,        // a typed tone that is no entry of the tone list
    // Radio link
    PortOpenFailed,
    RadioTypeMismatch,
    SendOrderFailed,
    CommunicationError,
    ProgramInterrupted, // a write block not acknowledged
    NotEnoughBytes,     // a read reply shorter than 10 bytes
    ReadAckMissing,
    TransferInterrupted,  // the progress dialog moved or left during a transfer
    PartlyWritten,        // a write ended before its last block; "<value>" is the blocks written
    CableDisconnected,    // the port went away in the middle of an exchange
    StopWriting,          // Cancel, Esc or the close box while a write runs
    BackupFolderNotShown, // no file manager opened the backup folder; "<value>" is the folder
    // Test mode
    NoVisibleInformation,
    CalibrationFinished,
    CalibrationFailed,
    ReceiveFrequencyMissing,  // Start with an empty receive frequency field, or no number in it
    TransmitFrequencyMissing, // the same for the transmit frequency field
    // Application shell
    ConfirmLanguageChange,
    ResourceModuleMissingAtStart,  // English only
    ResourceModuleMissingOnSwitch, // English only
    SaveChanges,                   // "<name>" is replaced by the document's name
    Count,
};

struct MessageInfo {
    Buttons buttons;
    TextPair text; // the English text again where the program has no Chinese one
};

constexpr const TextPair& TextsOf(const MessageInfo& info) {
    return info.text;
}

const MessageInfo& Message(MessageId id);

// The text of a message in the display language.
std::string MessageText(MessageId id, Language language);

// The "save changes" question for a document name.
std::string SaveChangesText(const std::string& documentName, Language language);

// The text of a message that holds "<value>", with `value` in its place.
std::string MessageTextWith(MessageId id, const std::string& value, Language language);

// Fixed texts that code writes into controls (status line, status bar, captions, file dialogs).
enum class TextId {
    StatusDetectingPort, // English only
    StatusWaitingRadio,  // English only
    ProgressNotStarted,
    ReadingTitle, // English only
    WritingTitle, // English only
    HelpList,
    HelpGrid,
    HelpOther,
    Untitled,          // the title of a document that has no file yet
    ChannelFileFilter, // the file dialogs' filter for channel data files
    ProgramHelp,       // Help's message box
    Count,
};

std::string UiText(TextId id, Language language);

} // namespace tevano
