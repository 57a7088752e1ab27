#include "grid/csv/CsvClipboard.h"

#include "grid/ChannelDecode.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvTable.h"

namespace tevano {

namespace {

std::string TabLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) {
            line += '\t';
        }
        // A tab or line break inside a field would split it: spreadsheets quote it.
        const bool quoted = field.find_first_of("\t\r\n\"") != std::string::npos;
        if (quoted) {
            line += '"';
            for (const char c : field) {
                line += c == '"' ? std::string("\"\"") : std::string(1, c);
            }
            line += '"';
        } else {
            line += field;
        }
    }
    return line + "\n";
}

std::vector<std::string> HeaderFields() {
    return std::vector<std::string>(kCsvColumnNames.begin(), kCsvColumnNames.end());
}

} // namespace

std::string ChannelsAsTabText(const RadioImage& image, const ChannelSet& channels) {
    std::string text = TabLine(HeaderFields());
    for (const int channel : channels) {
        // The export's words are English whatever the window shows.
        if (const auto fields =
                ChannelCsvFields(DecodeChannel(image, channel, Language::English), channel)) {
            text += TabLine(*fields);
        }
    }
    return text;
}

std::string AsChannelList(std::string_view text) {
    const char separator = DetectCsvSeparator(text);
    const std::vector<CsvRecord> records = ReadCsvRecords(text, separator);
    if (!records.empty()) {
        for (const std::string& field : records.front().fields) {
            for (const std::string_view name : kCsvColumnNames) {
                if (field == name) {
                    return std::string(text);
                }
            }
        }
    }
    std::string header;
    for (const std::string_view name : kCsvColumnNames) {
        header += (header.empty() ? "" : std::string(1, separator)) + std::string(name);
    }
    return header + "\n" + std::string(text);
}

} // namespace tevano
