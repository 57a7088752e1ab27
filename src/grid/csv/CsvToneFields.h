// A channel's receive and transmit tones in the seven tone columns of a channel list. The mode
// column says which of the others count: "Tone" a transmit CTCSS in rToneFreq, "TSQL" one CTCSS
// both ways in cToneFreq, "DTCS" one DCS code both ways, "Cross" anything else, as CrossMode
// ("transmit->receive") names it. Unused columns hold the usual placeholders.
#pragma once

#include "grid/csv/CsvProblems.h"

#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// One tone as the radio stores it.
struct RadioTone {
    enum class Kind { None, Ctcss, Dcs };
    Kind kind = Kind::None;
    int tenthsHz = 0;      // CTCSS, 885 for 88.5 Hz
    int dcsCode = 0;       // DCS, the three octal digits read as a decimal number: 23 for 023
    bool inverted = false; // DCS polarity: "I" in the grid, "R" in a channel list

    // The tone of a grid cell as encoding would store it ("OFF" and "" are no tone).
    static RadioTone FromCellText(std::string_view text);
    // The grid's text for the tone: "OFF", "88.5", "D023N", "D754I".
    std::string CellText() const;
};

struct CsvToneFields {
    std::string tone = "";
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN"; // transmit first, then receive
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

CsvToneFields ToneFieldsOf(const RadioTone& rx, const RadioTone& tx);

// The receive and transmit tone cells a row's tone columns give, each a name of the tone table.
struct [[nodiscard]] CsvTonesResult {
    std::string rxCell;
    std::string txCell;
    std::vector<CsvReason> reasons; // empty when the tones were taken
};

CsvTonesResult TonesOfFields(const CsvToneFields& fields);

} // namespace tevano
