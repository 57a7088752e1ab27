// tevano-cli show: a channel data file as the program's channel form shows it.

#include "Arguments.h"
#include "CliCommands.h"
#include "TextTable.h"

#include "base/FileMessages.h"
#include "grid/ChannelFileOps.h"
#include "grid/HeadlessChannelForm.h"

#include <cstdio>

namespace tevano::cli {

namespace {

std::string PickText(const ChoiceList& list, bool english) {
    const int pick = list.CurSel();
    if (pick < 0) {
        return english ? "(no entry picked)" : "（未选择）";
    }
    const std::string text = list.ItemText(pick);
    const std::string entry =
        (english ? "(entry " : "（第 ") + std::to_string(pick) + (english ? ")" : " 项）");
    return text.empty() ? entry : text + "  " + entry;
}

} // namespace

int ShowCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("show takes one file");
    }
    const bool english = !args.Has("--chinese");
    const std::string& path = args.Positional()[0];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    const FileResult result = OpenChannelFile(path, image, form.Form(), english);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, path, english));
    }
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
            {english ? "Type:" : "机型:", PickText(form.type, english)},
            {english ? "Field:" : "频段:", PickText(form.field, english)},
            {english ? "Manul Setting:" : "手动设置:", PickText(form.manual, english)},
        });
        out += '\n';
        out += FormatTable(rows);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

} // namespace tevano::cli
