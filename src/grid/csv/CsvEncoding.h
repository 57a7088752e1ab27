// The encodings a channel list may come in: UTF-8 (with or without its byte-order mark), and the
// UTF-16 of a spreadsheet's "Unicode text" export, which always begins with its byte-order mark.
// Text in any other encoding (a Windows code page, UTF-16 without its mark) is found and refused
// before it is read as rows, rather than failing for a column it seems to lack.
#pragma once

#include "grid/csv/CsvProblems.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tevano {

struct CsvUtf8Text {
    CsvListProblem problem = CsvListProblem::None; // None, NotUtf8 or BrokenUtf16
    int line = 0;          // the line, from 1, of the first byte that is no character
    std::uint8_t byte = 0; // NotUtf8: that byte
    std::string text;      // the list in UTF-8 when there is no problem
};

CsvUtf8Text CsvTextAsUtf8(std::string_view bytes);

} // namespace tevano
