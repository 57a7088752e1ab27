// Why a channel list, or one of its rows, is refused on import, as values: the texts in English
// and Chinese are made where they are shown (CsvTexts.h).
#pragma once

#include <string>
#include <vector>

namespace tevano {

enum class CsvProblem {
    LocationNotChannel, // value: the Location field
    LocationRepeated,   // value: the channel; number: the line that gave it first
    PastLastChannel,    // value: the channel the row would go to; number: the first channel
    FrequencyMissing,
    NotANumber,       // column, value
    RxOutOfRange,     // value: the receive frequency as given
    RxOffStep,        // value: the receive frequency as given
    TxOutOfRange,     // value: the transmit frequency in MHz
    TxOffStep,        // value: the transmit frequency in MHz
    DuplexUnknown,    // value
    ToneModeUnknown,  // value
    CrossModeUnknown, // value
    ToneNotInTable,   // column, value: a CTCSS tone the radio does not have
    DcsNotInTable,    // column, value: a DCS code the radio does not have
    PolarityUnknown,  // value
    ModeUnknown,      // value
    SkipUnknown,      // value
    PowerUnknown,     // value
    NameCharacters,   // value
    NameTooLong,      // value
    UnclosedQuote,
    TooManyFields, // value: the row's count of fields; number: the header line's
};

struct CsvReason {
    CsvProblem problem;
    std::string column;
    std::string value;
    int number = 0;
};

// A refused row: its line in the file and everything wrong with it.
struct CsvRefusal {
    int line = 0;
    std::vector<CsvReason> reasons;
};

// Why a whole file is no channel list.
enum class CsvListProblem {
    None,
    NoHeader,      // the file holds no line at all
    MissingColumn, // the header line lacks Frequency (named in the result)
    NoRows,        // a header line and nothing else
    TooLarge,      // far more than any channel list holds: not one
    NotUtf8,       // a byte that no UTF-8 character has (line and byte in the result)
    BrokenUtf16,   // UTF-16 by its byte-order mark, with half a character (line in the result)
};

} // namespace tevano
