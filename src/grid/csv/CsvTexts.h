// What the user is told about channel lists, in English or Chinese: why a list or its rows
// were refused, which channels an export left out, and what an import or export did.
#pragma once

#include "base/Language.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvProblems.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tevano {

// The texts below by id, in the order of their table; those that name values are filled in by
// the functions that use them.
enum class CsvTextId {
    SkippedHeadline,
    PartialHeadline,
    NameCut,
    MoreRows,
    ImportOneSkipOne,
    ImportOneSkipMany,
    ImportManySkipOne,
    ImportManySkipMany,
    ImportWithCutNames,
    BandRx,
    BandTx,
    BandRxTx,
    BandWarningLine,
    BandHeadline,
    LineText,
    PlacementOption, // the open dialog's option; "%1" stands where the channel number is set
    ReasonSeparator,
    RefusedHeadline,
    MoreRefusedRows,
    LeftOutOne,
    LeftOutMany,
    ImportedOne,
    ImportedMany,
    ExportedOne,
    ExportedMany,
    FileFilter,
    FieldChangedHeadline, // the "Field" list picked with channels outside its band
    OutsideBandNote,      // {text}: the status bar's note for a frequency typed outside the band
    Count,
};

// A text of the table as it stands, with its "{name}" marks unfilled.
std::string CsvText(CsvTextId id, Language language);

// One reason a row was refused, for example: Mode "AM": the radio has FM (wide) and NFM only.
std::string CsvReasonText(const CsvReason& reason, Language language);

// "Line 4: reason; reason" for one refused row.
std::string CsvRefusalLine(const CsvRefusal& refusal, Language language);

// The first line of a refused list's message; the rows' lines follow it.
std::string CsvRefusedHeadline(const std::string& path, Language language);

// Why the file is not a channel list at all.
std::string CsvListProblemText(CsvListProblem problem, const std::string& missingColumn,
                               const std::string& path, Language language);
// The same for the list's own problem, with where its text breaks for an encoding problem.
std::string CsvListProblemText(const CsvImport& import, const std::string& path, Language language);

// The whole message of an import that did not go through: the file's problem, or the headline
// followed by one line for every refused row, up to `mostRows` of them and then how many more.
// Empty for an import that did.
std::string CsvImportFailureText(const CsvImport& import, const std::string& path,
                                 Language language, std::size_t mostRows = SIZE_MAX);

// The first line of the rows that import-csv --skip-bad skipped; the rows' lines follow it.
std::string CsvSkippedHeadline(const std::string& path, Language language);

// The question of an import some of whose rows cannot be taken as they are: every refused row
// and every name that would be cut, in file order, up to `mostRows` of them and then how many
// more, and whether to import the accepted rows (names cut) and skip the refused ones.
std::string CsvPartialImportQuestion(const CsvImport& import, const std::string& path,
                                     Language language, std::size_t mostRows = SIZE_MAX);

// What lies outside the band: "channel 12's receive frequency 430.00000 MHz is outside ...".
std::string CsvBandWarningText(const CsvBandWarning& warning, const std::string& band,
                               Language language);
// The same as a line of the command line's: "warning: line 4: channel 12's ...".
std::string CsvBandWarningLine(const CsvBandWarning& warning, const std::string& band,
                               Language language);
// The message after an import that took such channels, up to `mostRows` of them; empty when
// there are none.
std::string CsvBandWarningsMessage(const CsvBandCheck& check, Language language,
                                   std::size_t mostRows = SIZE_MAX);

// The message after another "Field" entry was picked while channels lie outside its band, up to
// `mostRows` of them; empty when there are none.
std::string FieldBandChangedMessage(const CsvBandCheck& check, Language language,
                                    std::size_t mostRows = SIZE_MAX);

// The channels an export left out because they have no receive frequency.
std::string CsvLeftOutText(const std::vector<int>& channels, Language language);

// The status bar's line after an import or an export.
std::string CsvImportedText(int channels, const std::string& path, Language language);
std::string CsvExportedText(int channels, const std::string& path, Language language);

// The file dialogs' filter for channel lists.
std::string CsvFileFilter(Language language);

} // namespace tevano
