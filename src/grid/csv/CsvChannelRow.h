// One row of a channel list checked the way the grid checks what is typed, and turned into the
// cell texts of its channel: frequencies on the radio's range and steps, tones of the tone table,
// a name as the grid's name edit takes it. Options the list does not carry get quiet defaults:
// no optional signal, PTT ID off, busy lock and repeat invert as for a channel typed in.
#pragma once

#include "base/Language.h"
#include "grid/ChannelDecode.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvProblems.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tevano {

// Where a row goes and what is made of a long name.
struct CsvRowRules {
    // The channel the row goes to in file order, past 128 when the list runs beyond the last
    // channel; 0 when its Location says where.
    int placedAt = 0;
    int firstChannel = 0;  // where the file order begins, for the message of a row past 128
    bool cutNames = false; // a longer name is cut to kChannelNameLength characters, not refused
};

struct [[nodiscard]] CsvRowOutcome {
    int channel = 0; // 0 when the row has no channel to go to
    ChannelRowTexts cells;
    std::string fullName;           // the name as the list gives it, when it was cut; else empty
    std::vector<CsvReason> reasons; // empty when the row is taken
};

// `field` gives the row's text of a column, "" when the file has no such column.
CsvRowOutcome CheckChannelRow(const std::function<std::string(CsvColumn)>& field, Language language,
                              const CsvRowRules& rules);

} // namespace tevano
