// An aligned plain-text table for the terminal, measuring Chinese characters as two columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tevano::cli {

// Terminal columns the UTF-8 text takes: wide (East Asian) characters count two.
int DisplayWidth(std::string_view text);

// The rows, each cell padded to its column's widest cell, cells separated by two blanks.
std::string FormatTable(const std::vector<std::vector<std::string>>& rows);

} // namespace tevano::cli
