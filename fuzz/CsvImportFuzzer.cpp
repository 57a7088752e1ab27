// A channel list of any content imported into a document as import-csv does it: without
// --skip-bad the list is either taken whole or refused with the rows that are wrong, never in
// part; with it the accepted rows are taken and the others listed. What is taken is what the
// grid could have been typed with, is saved as it shows, keeps what a list does not carry of a
// channel already there, and an export of the document imported back into it changes no byte.
//
// Input: the list file's bytes. Their count picks how the list is imported: bit 0 the display
// language (Chinese when set), bit 1 --skip-bad, bit 2 --cut-names, bits 3-4 --first-location
// (none, none, 1 or 120).

#include "CellTexts.h"
#include "FuzzCheck.h"
#include "ScratchDirectory.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/FrequencyEntry.h"
#include "grid/FrequencyText.h"
#include "grid/HeadlessChannelForm.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvChannelRow.h"
#include "grid/csv/CsvFieldText.h"
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
void CheckTakenCells(const ImportedChannel& channel, Language language, bool cutNames) {
    const ChannelRowTexts& cells = channel.cells;
    FUZZ_CHECK(IsTypedFrequency(cells[kColRxFrequency]), "a receive frequency the grid takes");
    FUZZ_CHECK(cells[kColTxFrequency].empty() || IsTypedFrequency(cells[kColTxFrequency]),
               "a transmit frequency the grid takes, or none");
    FUZZ_CHECK(IsToneName(cells[kColRxTone]) && IsToneName(cells[kColTxTone]),
               "tones of the tone list");
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        FUZZ_CHECK(IsListWord(cells[static_cast<std::size_t>(col)], col, language),
                   "settings in the display language's words");
    }
    FUZZ_CHECK(cells[kColOptSignal] == words::kNone.In(language) &&
                   cells[kColPttId] == words::kOff.In(language),
               "no optional signal and no PTT ID for a channel from a list");
    FUZZ_CHECK(IsNameText(cells[kColName]) && cells[kColName].size() <= kChannelNameLength,
               "a name the grid's name edit takes");
    FUZZ_CHECK(channel.fullName.empty() ||
                   (cutNames && channel.fullName.size() > kChannelNameLength &&
                    UpperAscii(channel.fullName).rfind(cells[kColName], 0) == 0),
               "only a long name is cut, when asked, to its first characters");
}

// Rows are listed once each, in file order, as refused or as accepted.
void CheckRows(const CsvImport& import, const CsvImportOptions& options) {
    if (import.listProblem != CsvListProblem::None) {
        FUZZ_CHECK(import.refusals.empty() && import.channels.empty(),
                   "a file that is no list has no rows");
        FUZZ_CHECK(import.listProblem != CsvListProblem::MissingColumn ||
                       import.missingColumn == "Frequency",
                   "a missing column is one the list needs");
        return;
    }
    std::set<int> lines;
    int lastLine = 0;
    for (const CsvRefusal& refusal : import.refusals) {
        FUZZ_CHECK(refusal.line > lastLine, "refused rows are listed once, in file order");
        FUZZ_CHECK(!refusal.reasons.empty(), "a refused row says why");
        lastLine = refusal.line;
        lines.insert(refusal.line);
    }
    lastLine = 0;
    int lastChannel = 0;
    std::set<int> channels;
    for (const ImportedChannel& channel : import.channels) {
        FUZZ_CHECK(channel.line > lastLine, "accepted rows come in file order");
        FUZZ_CHECK(lines.insert(channel.line).second, "no row is both refused and accepted");
        FUZZ_CHECK(channel.channel >= 1 && channel.channel <= kChannelCount, "a channel number");
        FUZZ_CHECK(channels.insert(channel.channel).second, "each channel is taken once");
        FUZZ_CHECK(options.firstChannel == 0 ||
                       (channel.channel >= options.firstChannel && channel.channel > lastChannel),
                   "rows placed from the first channel on, in file order");
        lastLine = channel.line;
        lastChannel = channel.channel;
    }
}

// A document with a channel in every third row, with options a list would not give it.
RadioImage StartingImage() {
    RadioImage image{};
    MakeNewImage(image);
    ChannelRowTexts cells{};
    const char* texts[] = {"",    "430.00000", "430.02500", "88.5",    "D023N",   "Narrow", "No",
                           "Low", "MSK",       "ON",        "Carrier", "Reverse", "OLD"};
    std::copy(std::begin(texts), std::end(texts), cells.begin());
    for (int channel = 3; channel <= kChannelCount; channel += 3) {
        EncodeChannel(cells, channel, image);
    }
    return image;
}

// The grid after the import keeps every row the list does not take, and of a row that held a
// channel the options a list does not carry.
void CheckGrid(const RadioImage& beforeImage, const RadioImage& afterImage, Language language,
               const std::vector<ImportedChannel>& taken) {
    std::vector<const ImportedChannel*> byRow(kChannelCount + 1, nullptr);
    for (const ImportedChannel& channel : taken) {
        byRow[static_cast<std::size_t>(channel.channel)] = &channel;
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        const ImportedChannel* channel = byRow[static_cast<std::size_t>(row)];
        const ChannelRowTexts before = DecodeChannel(beforeImage, row, language);
        const ChannelRowTexts after = DecodeChannel(afterImage, row, language);
        const bool used = !before[kColRxFrequency].empty() || !before[kColTxFrequency].empty();
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            const auto at = static_cast<std::size_t>(col);
            const bool kept =
                channel == nullptr || (used && col >= kColOptSignal && col <= kColRepeatInvert);
            FUZZ_CHECK(after[at] == (kept ? before[at] : channel->cells[at]),
                       "the table shows what was taken and keeps the rest");
        }
    }
}

// A channel named outside the band has a frequency outside it, and was taken.
void CheckBand(const std::vector<ImportedChannel>& taken, int fieldIndex) {
    const CsvBandCheck check = CheckFieldBand(taken, fieldIndex);
    const std::optional<FieldBand> band = BandOfFieldEntry(fieldIndex);
    for (const CsvBandWarning& warning : check.warnings) {
        FUZZ_CHECK(band.has_value(), "a band to be outside of");
        const auto outside = [&band](const std::string& cell) {
            const std::uint32_t units10Hz = FrequencyTextTo10Hz(cell);
            return units10Hz < band->low10Hz || units10Hz > band->high10Hz;
        };
        FUZZ_CHECK((!warning.rx.empty() && outside(warning.rx)) ||
                       (!warning.tx.empty() && outside(warning.tx)),
                   "a named frequency is outside the band");
        FUZZ_CHECK(std::any_of(taken.begin(), taken.end(),
                               [&warning](const ImportedChannel& c) {
                                   return c.line == warning.line && c.channel == warning.channel;
                               }),
                   "only taken rows are named");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScratchDirectory& scratch = ScratchDirectory::Get();
    scratch.WriteFile("list.csv", data, size);
    const Language language = size % 2 == 0 ? Language::English : Language::Chinese;
    const bool skipBad = (size >> 1) % 2 != 0;
    CsvImportOptions options;
    options.cutNames = (size >> 2) % 2 != 0;
    constexpr int kFirstChannels[] = {0, 0, 1, 120};
    options.firstChannel = kFirstChannels[(size >> 3) % 4];

    const CsvFileText file = ReadCsvFile(scratch.Path("list.csv"));
    FUZZ_CHECK(file.result.Ok() && !file.tooLarge, "a small list file reads");
    FUZZ_CHECK(file.text.size() == size, "the list is read whole");

    const CsvImport import = ReadChannelList(file.text, language, options);
    if (FuzzVerbose()) {
        std::fprintf(stderr, "%zu channels accepted, %zu rows refused, list problem %d\n",
                     import.channels.size(), import.refusals.size(),
                     static_cast<int>(import.listProblem));
    }
    CheckRows(import, options);
    for (const ImportedChannel& channel : import.channels) {
        CheckTakenCells(channel, language, options.cutNames);
    }
    if (!import.Ok()) {
        FUZZ_CHECK(!CsvImportFailureText(import, "list.csv", language).empty(),
                   "the user is told why");
    }
    if (!import.Takes(skipBad)) {
        FUZZ_CHECK(!import.Ok(), "a list with no refused row brings channels and is taken");
        return 0; // import-csv leaves the file as it was
    }
    FUZZ_CHECK(import.Ok() || skipBad, "without --skip-bad, a list is taken whole or not at all");

    RadioImage image = StartingImage();
    HeadlessChannelForm form(language);
    ShowImage(image, form.Form());
    const RadioImage before = image;
    ApplyImportedChannels(image, import.channels);
    CheckGrid(before, image, language, import.channels);
    CheckBand(import.channels, form.field.CurSel());

    // Saved and opened again, every taken channel shows the same.
    const RadioImage imported = image;
    EncodeChannels(form.Form(), image);
    for (const ImportedChannel& channel : import.channels) {
        FUZZ_CHECK(DecodeChannel(image, channel.channel, language) ==
                       DecodeChannel(imported, channel.channel, language),
                   "a taken channel is saved as it shows");
    }

    // The document's list imported back into it changes no byte.
    HeadlessChannelForm reopened(language);
    ShowImage(image, reopened.Form());
    const CsvExport exported = ExportChannelList(image);
    FUZZ_CHECK(exported.leftOut.empty(), "every channel has a row");
    const CsvImport again = ReadChannelList(exported.text, language);
    FUZZ_CHECK(again.Ok(), "an exported list is taken");
    FUZZ_CHECK(again.channels.size() == static_cast<std::size_t>(exported.rows),
               "as many channels come back");
    RadioImage second = image;
    ApplyImportedChannels(second, again.channels);
    EncodeChannels(reopened.Form(), second);
    FUZZ_CHECK(second == image, "an export imported into the image it came from changes no byte");
    return 0;
}
