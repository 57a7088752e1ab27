// A channel list of any content imported into a new document, as File Import does it: the list
// is either taken whole or refused with the rows that are wrong, never taken in part. What is
// taken is what the grid could have been typed with, is saved as it shows, and comes back the
// same through an export and a second import.
//
// Input: the list file's bytes. The display language is Chinese when their count is odd.

#include "CellTexts.h"
#include "FuzzCheck.h"
#include "ScratchDirectory.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/FrequencyEntry.h"
#include "grid/GridModel.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvFiles.h"
#include "grid/csv/CsvTexts.h"
#include "image/ToneTable.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

bool IsToneName(const std::string& text) {
    static const ToneTable tones;
    return std::find(tones.Names().begin(), tones.Names().end(), text) != tones.Names().end();
}

bool IsTypedFrequency(const std::string& text) {
    const FrequencyEntry entry = CheckFrequencyEntry(text);
    return entry.verdict == FrequencyVerdict::Accepted && entry.text == text;
}

// Every cell of a taken row is what the grid's overlays and checks let a user type.
void CheckTakenCells(const ChannelRowTexts& cells, bool english) {
    FUZZ_CHECK(IsTypedFrequency(cells[kColRxFrequency]), "a receive frequency the grid takes");
    FUZZ_CHECK(cells[kColTxFrequency].empty() || IsTypedFrequency(cells[kColTxFrequency]),
               "a transmit frequency the grid takes, or none");
    FUZZ_CHECK(IsToneName(cells[kColRxTone]) && IsToneName(cells[kColTxTone]),
               "tones of the tone list");
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        FUZZ_CHECK(IsListWord(cells[static_cast<std::size_t>(col)], col, english),
                   "settings in the display language's words");
    }
    FUZZ_CHECK(IsNameText(cells[kColName]), "a name the radio can show");
}

void CheckRefusal(const CsvImport& import, bool english) {
    FUZZ_CHECK(import.channels.empty(), "a refused list takes no row");
    if (import.listProblem != CsvListProblem::None) {
        FUZZ_CHECK(import.refusals.empty(), "a file that is no list has no rows to refuse");
        FUZZ_CHECK(import.listProblem != CsvListProblem::MissingColumn ||
                       import.missingColumn == "Location" || import.missingColumn == "Frequency",
                   "a missing column is one the list needs");
    }
    int lastLine = 0;
    for (const CsvRefusal& refusal : import.refusals) {
        FUZZ_CHECK(refusal.line > lastLine, "refused rows are listed once, in file order");
        FUZZ_CHECK(!refusal.reasons.empty(), "a refused row says why");
        lastLine = refusal.line;
    }
    FUZZ_CHECK(!CsvImportFailureText(import, "list.csv", english).empty(), "the user is told why");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScratchDirectory& scratch = ScratchDirectory::Get();
    scratch.WriteFile("list.csv", data, size);
    const bool english = size % 2 == 0;
    const CsvFileText file = ReadCsvFile(scratch.Path("list.csv"));
    FUZZ_CHECK(file.result.Ok() && !file.tooLarge, "a small list file reads");
    FUZZ_CHECK(file.text.size() == size, "the list is read whole");

    const CsvImport import = ReadChannelList(file.text, english);
    if (FuzzVerbose()) {
        std::fprintf(stderr, "%zu channels taken, %zu rows refused, list problem %d\n",
                     import.channels.size(), import.refusals.size(),
                     static_cast<int>(import.listProblem));
    }
    if (!import.Ok()) {
        CheckRefusal(import, english);
        return 0;
    }
    FUZZ_CHECK(!import.channels.empty(), "a taken list brings channels");

    // A new document's grid: every channel row empty.
    GridModel grid;
    std::set<int> taken;
    for (const ImportedChannel& channel : import.channels) {
        FUZZ_CHECK(channel.channel >= 1 && channel.channel <= kChannelCount, "a channel number");
        FUZZ_CHECK(taken.insert(channel.channel).second, "each channel is taken once");
        CheckTakenCells(channel.cells, english);
    }
    ApplyImportedChannels(grid, import.channels);
    RadioImage image{};
    MakeNewImage(image);
    for (const ImportedChannel& channel : import.channels) {
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            FUZZ_CHECK(grid.TextMatrix(channel.channel, col) ==
                           channel.cells[static_cast<std::size_t>(col)],
                       "the grid shows what was taken");
        }
        // Saved and opened again, the channel shows the same.
        EncodeChannel(channel.cells, channel.channel, image);
        FUZZ_CHECK(DecodeChannel(image, channel.channel, english) == channel.cells,
                   "a taken channel is saved as it shows");
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (taken.count(row) == 0) {
            for (int col = kColRxFrequency; col <= kColName; ++col) {
                FUZZ_CHECK(grid.TextMatrix(row, col).empty(), "rows not in the list stay");
            }
        }
    }

    const CsvExport exported = ExportChannelList(grid);
    FUZZ_CHECK(exported.rows == static_cast<int>(import.channels.size()) &&
                   exported.leftOut.empty(),
               "every taken channel is exported");
    const CsvImport again = ReadChannelList(exported.text, english);
    FUZZ_CHECK(again.Ok(), "an exported list is taken");
    FUZZ_CHECK(again.channels.size() == import.channels.size(), "as many channels come back");
    for (const ImportedChannel& channel : again.channels) {
        const auto first = std::find_if(
            import.channels.begin(), import.channels.end(),
            [&channel](const ImportedChannel& c) { return c.channel == channel.channel; });
        FUZZ_CHECK(first != import.channels.end() && first->cells == channel.cells,
                   "an exported channel comes back as it was");
    }
    return 0;
}
