// A channel list read into the image's channels: columns are found by their header names, "," or ";"
// separated, and every row is checked before any is taken. The caller takes all of a list's
// rows when none was refused; the accepted ones only when the user chose to skip the others.
#pragma once

#include "base/Language.h"
#include "grid/ChannelDecode.h"
#include "image/RadioImage.h"
#include "grid/csv/CsvProblems.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// How a list's rows are placed and named.
struct CsvImportOptions {
    // 1 to 128: the rows go to this channel and on, in file order, whatever Location says.
    // 0: each row goes to its Location; a list without that column is placed from channel 1.
    int firstChannel = 0;
    // Names longer than a channel name are cut to its six characters instead of refused.
    bool cutNames = false;
};

// An accepted row: its channel, its line in the file and the texts of its cells, columns 1 to
// 12, with the quiet defaults in the columns the list does not carry.
struct ImportedChannel {
    int channel = 0;
    int line = 0;
    ChannelRowTexts cells;
    std::string fullName; // the name as the list gives it, when it was cut; else empty
};

struct [[nodiscard]] CsvImport {
    CsvListProblem listProblem = CsvListProblem::None;
    std::string missingColumn;             // for CsvListProblem::MissingColumn
    int problemLine = 0;                   // for NotUtf8 and BrokenUtf16: where the text breaks
    std::uint8_t problemByte = 0;          // for NotUtf8: the byte that is no character
    std::vector<CsvRefusal> refusals;      // every refused row, in file order
    std::vector<ImportedChannel> channels; // every accepted row, in file order

    // The list can be taken whole.
    bool Ok() const { return listProblem == CsvListProblem::None && refusals.empty(); }
    // Whether rows are taken: all of them when none was refused; the accepted ones when the
    // refused ones are to be skipped and some are left; else none.
    bool Takes(bool skipRefused) const {
        return listProblem == CsvListProblem::None && !channels.empty() &&
               (refusals.empty() || skipRefused);
    }
};

// Reads and checks the whole list, in UTF-8 or in UTF-16 with its byte-order mark; the cells
// hold the words of the display language.
CsvImport ReadChannelList(std::string_view text, Language language,
                          const CsvImportOptions& options = {});

// Writes the channels into the image as typed values; the other channels stay as they are. A
// channel that is already used keeps its optional signal, PTT ID, busy lock and repeat invert,
// which a channel list does not carry.
void ApplyImportedChannels(RadioImage& image, const std::vector<ImportedChannel>& channels);

} // namespace tevano
