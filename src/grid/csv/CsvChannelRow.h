// One row of a channel list checked the way the grid checks what is typed, and turned into the
// cell texts of its channel: frequencies on the radio's range and steps, tones of the tone table,
// a name the radio can show. Options the list does not carry get a new channel's defaults.
#pragma once

#include "grid/ChannelDecode.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvProblems.h"

#include <functional>
#include <string>
#include <vector>

namespace tevano {

struct CsvRowOutcome {
    int channel = 0; // 0 when Location names no channel
    ChannelRowTexts cells;
    std::vector<CsvReason> reasons; // empty when the row is taken
};

// `field` gives the row's text of a column, "" when the file has no such column.
CsvRowOutcome CheckChannelRow(const std::function<std::string(CsvColumn)>& field, bool english);

} // namespace tevano
