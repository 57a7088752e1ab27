#include "grid/csv/CsvChannelImport.h"

#include "base/TextCase.h"
#include "grid/Channel.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelWords.h"
#include "grid/csv/CsvChannelRow.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvEncoding.h"
#include "grid/csv/CsvFieldText.h"
#include "grid/csv/CsvTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>

namespace tevano {

namespace {

// Where each of the 21 columns stands in the file, by the header line's names.
using ColumnPlaces = std::array<std::optional<std::size_t>, kCsvColumnCount>;

ColumnPlaces PlacesOf(const CsvRecord& header) {
    ColumnPlaces places;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string_view name = TrimmedField(header.fields[i]);
        for (std::size_t column = 0; column < kCsvColumnCount; ++column) {
            if (!places[column] && EqualsNoCase(name, kCsvColumnNames[column])) {
                places[column] = i;
            }
        }
    }
    return places;
}

} // namespace

CsvImport ReadChannelList(std::string_view text, Language language,
                          const CsvImportOptions& options) {
    CsvImport result;
    const CsvUtf8Text utf8 = CsvTextAsUtf8(text);
    if (utf8.problem != CsvListProblem::None) {
        result.listProblem = utf8.problem;
        result.problemLine = utf8.line;
        result.problemByte = utf8.byte;
        return result;
    }
    const std::vector<CsvRecord> records = ReadCsvRecords(utf8.text, DetectCsvSeparator(utf8.text));
    if (records.empty()) {
        result.listProblem = CsvListProblem::NoHeader;
        return result;
    }
    const ColumnPlaces places = PlacesOf(records.front());
    if (!places[static_cast<std::size_t>(CsvColumn::Frequency)]) {
        result.listProblem = CsvListProblem::MissingColumn;
        result.missingColumn = std::string(CsvColumnName(CsvColumn::Frequency));
        return result;
    }
    CsvRowRules rules;
    rules.cutNames = options.cutNames;
    if (options.firstChannel != 0 || !places[static_cast<std::size_t>(CsvColumn::Location)]) {
        rules.firstChannel = options.firstChannel != 0 ? options.firstChannel : 1;
    }
    if (records.size() == 1) {
        result.listProblem = CsvListProblem::NoRows;
        return result;
    }

    std::map<int, int> firstLineOfChannel;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const auto field = [&record, &places](CsvColumn column) {
            const std::optional<std::size_t> place = places[static_cast<std::size_t>(column)];
            return place && *place < record.fields.size() ? record.fields[*place] : std::string();
        };
        // In file order every row takes the next channel, a refused one too: a row's channel
        // does not depend on whether the rows above it were taken.
        if (rules.firstChannel != 0) {
            rules.placedAt = rules.firstChannel + static_cast<int>(r) - 1;
        }
        CsvRowOutcome row = CheckChannelRow(field, language, rules);
        if (record.unclosedQuote) {
            row.reasons.insert(row.reasons.begin(), {CsvProblem::UnclosedQuote, "", "", 0});
        }
        // A field more than the header names is a field in the wrong column: an unquoted
        // decimal comma ("146,52") would otherwise lose its decimals unseen. Empty ones past
        // the end are a spreadsheet's padding.
        const std::size_t headerFields = records.front().fields.size();
        if (std::any_of(record.fields.begin() + static_cast<std::ptrdiff_t>(
                                                    std::min(headerFields, record.fields.size())),
                        record.fields.end(),
                        [](const std::string& extra) { return !TrimmedField(extra).empty(); })) {
            row.reasons.insert(row.reasons.begin(),
                               {CsvProblem::TooManyFields, "", std::to_string(record.fields.size()),
                                static_cast<int>(headerFields)});
        }
        if (row.channel != 0) {
            const auto [first, isNew] = firstLineOfChannel.emplace(row.channel, record.line);
            if (!isNew) {
                row.reasons.push_back({CsvProblem::LocationRepeated,
                                       std::string(CsvColumnName(CsvColumn::Location)),
                                       std::to_string(row.channel), first->second});
            }
        }
        if (!row.reasons.empty()) {
            result.refusals.push_back({record.line, std::move(row.reasons)});
        } else {
            result.channels.push_back(
                {row.channel, record.line, std::move(row.cells), std::move(row.fullName)});
        }
    }
    return result;
}

void ApplyImportedChannels(RadioImage& image, const std::vector<ImportedChannel>& channels) {
    for (const ImportedChannel& imported : channels) {
        const int number = imported.channel;
        const Channel before = ReadChannel(image, number);
        Channel channel = ParseChannel(imported.cells, image, number);
        if (before.Used()) {
            channel.optSignal = before.optSignal;
            channel.pttId = before.pttId;
            channel.busyLock = before.busyLock;
            channel.forward = before.forward;
        }
        WriteChannel(channel, number, image);
    }
}

} // namespace tevano
