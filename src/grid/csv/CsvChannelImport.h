// A channel list read into the grid: columns are found by their header names, "," or ";"
// separated, and every row is checked before any is taken. One refused row refuses the list,
// so a grid is changed by all of a list's rows or by none.
#pragma once

#include "grid/ChannelDecode.h"
#include "grid/GridControl.h"
#include "grid/csv/CsvProblems.h"

#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// A channel of the list: its number and the texts of its cells, columns 1 to 12.
struct ImportedChannel {
    int channel = 0;
    ChannelRowTexts cells;
};

struct CsvImport {
    CsvListProblem listProblem = CsvListProblem::None;
    std::string missingColumn;             // for CsvListProblem::MissingColumn
    std::vector<CsvRefusal> refusals;      // every refused row, in file order
    std::vector<ImportedChannel> channels; // empty unless every row was taken

    bool Ok() const { return listProblem == CsvListProblem::None && refusals.empty(); }
};

// Reads and checks the whole list; the cells hold the words of the display language.
CsvImport ReadChannelList(std::string_view text, bool english);

// Writes the channels' cells into their rows; the other rows stay as they are.
void ApplyImportedChannels(GridControl& grid, const std::vector<ImportedChannel>& channels);

} // namespace tevano
