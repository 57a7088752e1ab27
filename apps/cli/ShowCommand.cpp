// tevano-cli show: a channel data file as the program's channel form shows it.

#include "Arguments.h"
#include "ChannelDocument.h"
#include "CliCommands.h"
#include "TextTable.h"

#include <cstdio>

namespace tevano::cli {

namespace {

std::string PickText(const ChoiceList& list, Language language) {
    const int pick = list.CurSel();
    if (pick < 0) {
        return language == Language::English ? "(no entry picked)" : "（未选择）";
    }
    const std::string text = list.ItemText(pick);
    const std::string entry = (language == Language::English ? "(entry " : "（第 ") +
                              std::to_string(pick) +
                              (language == Language::English ? ")" : " 项）");
    return text.empty() ? entry : text + "  " + entry;
}

} // namespace

int ShowCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("show takes one file");
    }
    const Language language = args.ChosenLanguage();
    ChannelDocument document(language);
    if (const int failed = document.Open(args.Positional()[0])) {
        return failed;
    }
    const HeadlessChannelForm& form = document.form;
    const GridModel& grid = form.grid;
    std::vector<std::vector<std::string>> rows;
    for (std::int32_t r = 0; r < grid.Rows(); ++r) {
        std::vector<std::string> row;
        for (std::int32_t c = 0; c < grid.Cols(); ++c) {
            row.push_back(grid.TextMatrix(r, c));
        }
        rows.push_back(std::move(row));
    }
    std::string out;
    if (args.Has("--tsv")) {
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                out += row[c];
                out += c + 1 < row.size() ? '\t' : '\n';
            }
        }
    } else {
        out = FormatTable({
            {language == Language::English ? "Type:" : "机型:", PickText(form.type, language)},
            {language == Language::English ? "Field:" : "频段:", PickText(form.field, language)},
            {language == Language::English ? "Manul Setting:" : "手动设置:",
             PickText(form.manual, language)},
        });
        out += '\n';
        out += FormatTable(rows);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

} // namespace tevano::cli
