// tevano-cli show: a channel data file as the program's channel form shows it.

#include "Arguments.h"
#include "ChannelDocument.h"
#include "CliCommands.h"
#include "CliTexts.h"
#include "TextTable.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"

#include <cstdio>

namespace tevano::cli {

namespace {

std::string PickText(const ChoiceList& list, Language language) {
    const int pick = list.CurSel();
    if (pick < 0) {
        return CliText(CliTextId::NoEntryPicked, language);
    }
    const std::string text = list.ItemText(pick);
    const std::string entry =
        CliText(CliTextId::EntryNumber, language, {{"<entry>", std::to_string(pick)}});
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
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> headers;
    for (int col = 0; col < kGridColumns; ++col) {
        headers.push_back(ChannelHeader(col, language, false));
    }
    rows.push_back(std::move(headers));
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts cells = DecodeChannel(document.image, channel, language);
        std::vector<std::string> row(cells.begin(), cells.end());
        row[kColChannel] = std::to_string(channel);
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
            {CliText(CliTextId::TypeLabel, language), PickText(form.type, language)},
            {CliText(CliTextId::FieldLabel, language), PickText(form.field, language)},
            {CliText(CliTextId::ManualLabel, language), PickText(form.manual, language)},
        });
        out += '\n';
        out += FormatTable(rows);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

} // namespace tevano::cli
