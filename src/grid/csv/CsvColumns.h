// The 21 columns of the channel lists that open multi-radio programming tools exchange, in
// their order. The radio fills Location to Comment; the last four belong to digital voice radios
// and stay empty.
#pragma once

#include <array>
#include <string_view>

namespace tevano {

enum class CsvColumn {
    Location,
    Name,
    Frequency, // receive frequency, MHz
    Duplex,    // "", "+", "-", "split" or "off"
    Offset,    // MHz: the shift for "+" and "-", the transmit frequency for "split"
    Tone,      // tone mode: "", "Tone", "TSQL", "DTCS" or "Cross"
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
};

constexpr std::size_t kCsvColumnCount = 21;

constexpr std::array<std::string_view, kCsvColumnCount> kCsvColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

constexpr std::string_view CsvColumnName(CsvColumn column) {
    return kCsvColumnNames[static_cast<std::size_t>(column)];
}

} // namespace tevano
