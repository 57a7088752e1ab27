// Reading and writing the comma separated text itself: quotes, separators, line ends and the
// line numbers that refusals quote.

#include "grid/csv/CsvTable.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTable, QuotesLineEndsAndLineNumbers) {
    const std::string text = "\xEF\xBB\xBF"
                             "a,b,c\r\n"
                             "\r\n"
                             "\"x,1\",\"say \"\"hi\"\"\",\r\n"
                             "\"two\nlines\",2,3\n"
                             "last,,\r"
                             "after-cr";
    const std::vector<CsvRecord> records = ReadCsvRecords(text, ',');
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b", "c"})); // the byte order mark is not a field
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].fields, (Fields{"x,1", "say \"hi\"", ""})); // the blank line is skipped
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].fields, (Fields{"two\nlines", "2", "3"}));
    EXPECT_EQ(records[2].line, 4);
    EXPECT_EQ(records[3].fields, (Fields{"last", "", ""}));
    EXPECT_EQ(records[3].line, 6); // the quoted line break counted
    EXPECT_EQ(records[4].fields, (Fields{"after-cr"}));
    EXPECT_EQ(records[4].line, 7);
    for (const CsvRecord& record : records) {
        EXPECT_FALSE(record.unclosedQuote);
    }
}

TEST(CsvTable, AnUnclosedQuoteIsMarkedOnItsRecord) {
    const std::vector<CsvRecord> records = ReadCsvRecords("a,b\n1,\"open\n2,3\n", ',');
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[0].unclosedQuote);
    EXPECT_TRUE(records[1].unclosedQuote);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].fields, (Fields{"1", "open\n2,3\n"}));
}

TEST(CsvTable, SeparatorFollowsTheHeaderLine) {
    EXPECT_EQ(DetectCsvSeparator("Location,Name,Frequency\n1;2;3;4;5\n"), ',');
    EXPECT_EQ(DetectCsvSeparator("Location;Name;Frequency\n1,5;2,5\n"), ';');
    // Separators inside quotes do not count, nor do lines before the first that splits.
    EXPECT_EQ(DetectCsvSeparator("\"a;b;c\",d\n"), ',');
    EXPECT_EQ(DetectCsvSeparator("\n\nLocation;Name,x;y\n"), ';');
    EXPECT_EQ(DetectCsvSeparator(""), ',');
    const std::vector<CsvRecord> records = ReadCsvRecords("a;\"b;c\";145,5\n", ';');
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b;c", "145,5"}));
}

TEST(CsvTable, WrittenLinesReadBackAsTheirFields) {
    const Fields awkward = {"",           "plain",      "with,comma", "semi;colon",
                            "\"quoted\"", "two\nlines", " blanks ",   "中文"};
    const std::string line = CsvLine(awkward);
    EXPECT_EQ(line, ",plain,\"with,comma\",\"semi;colon\",\"\"\"quoted\"\"\",\"two\nlines\","
                    " blanks ,中文\n");
    for (const char separator : {',', ';'}) {
        SCOPED_TRACE(separator);
        std::string text = line;
        if (separator == ';') {
            // The same fields written with ";" between them read back the same.
            text = ";plain;\"with,comma\";\"semi;colon\";\"\"\"quoted\"\"\";\"two\nlines\";"
                   " blanks ;中文\n";
        }
        const std::vector<CsvRecord> records = ReadCsvRecords(text, separator);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].fields, awkward);
    }
}

} // namespace
} // namespace tevano
