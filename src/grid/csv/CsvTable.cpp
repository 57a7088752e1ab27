#include "grid/csv/CsvTable.h"

namespace tevano {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

bool BlankRecord(const CsvRecord& record) {
    return !record.unclosedQuote && record.fields.size() == 1 && record.fields[0].empty();
}

} // namespace

char DetectCsvSeparator(std::string_view text) {
    text = WithoutByteOrderMark(text);
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (commas + semicolons + tabs > 0) {
                break; // the first line that splits at all is the header
            }
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        } else if (!quoted && c == '\t') {
            ++tabs; // text copied from a spreadsheet
        }
    }
    if (tabs > commas && tabs > semicolons) {
        return '\t';
    }
    return semicolons > commas ? ';' : ',';
}

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator) {
    text = WithoutByteOrderMark(text);
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}, false};
    int line = 1;
    bool quoted = false;
    const auto endRecord = [&] {
        if (!BlankRecord(record)) {
            records.push_back(std::move(record));
        }
        record = CsvRecord{line, {std::string()}, false};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\n' || c == '\r';
        if (lineEnd && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i; // "\r\n" is one line end
        }
        if (lineEnd) {
            ++line;
        }
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                // A line break inside quotes belongs to the field, as "\n".
                record.fields.back() += lineEnd ? '\n' : c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            record.fields.emplace_back();
        } else if (lineEnd) {
            endRecord();
        } else {
            record.fields.back() += c;
        }
    }
    record.unclosedQuote = quoted;
    endRecord();
    return records;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (i > 0) {
            line += ',';
        }
        if (field.find_first_of(",;\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    line += '\n';
    return line;
}

} // namespace tevano
