// The imported channels that lie outside the band of the form's "Field" list. They are taken all
// the same, since the band is a setting the user may be about to change, but they are named.
#pragma once

#include "grid/csv/CsvChannelImport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tevano {

// One entry of the "Field" list as a range of frequencies.
struct FieldBand {
    std::uint32_t low10Hz = 0;
    std::uint32_t high10Hz = 0;
    std::string text; // the entry as the list shows it, "134 - 176MHz"
};

// The band of a "Field" entry; none for a position outside the list.
std::optional<FieldBand> BandOfFieldEntry(int index);

// A channel with a frequency outside the band: the cell text of each frequency that is,
// empty for one that is not.
struct CsvBandWarning {
    int line = 0;
    int channel = 0;
    std::string rx;
    std::string tx;
};

struct CsvBandCheck {
    std::string band;                     // the "Field" entry's text
    std::vector<CsvBandWarning> warnings; // in file order
};

// Nothing is named when the "Field" list shows no entry of its own.
CsvBandCheck CheckFieldBand(const std::vector<ImportedChannel>& channels, int fieldIndex);

} // namespace tevano
