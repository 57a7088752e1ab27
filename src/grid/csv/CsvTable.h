// Comma separated text as spreadsheets and the open multi-radio tools exchange channel lists in:
// fields split by "," (or ";", as spreadsheets write it where "," is the decimal mark), quoted
// with '"' when they hold a separator, a quote or a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// One record of the text with the number of the line it starts on, counted from 1.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    bool unclosedQuote = false; // a quoted field ran to the end of the text
};

// The separator the header line uses: ";" when it holds more of them outside quotes than ",",
// a tab when it holds more tabs than either (text copied from a spreadsheet).
char DetectCsvSeparator(std::string_view text);

// Splits the text into records. A UTF-8 byte order mark is skipped; line ends may be "\n",
// "\r\n" or "\r"; "" inside a quoted field is one quote. Lines that hold nothing are left out.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator);

// One line of fields joined by ",", each quoted only when it must be, ended by "\n".
std::string CsvLine(const std::vector<std::string>& fields);

} // namespace tevano
