// tevano-cli export-csv and import-csv: a channel data file's channels as the channel list that
// open multi-radio programming tools exchange, and such a list put into a channel data file.

#include "Arguments.h"
#include "CliCommands.h"

#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvFiles.h"
#include "grid/csv/CsvTexts.h"
#include "shell/FileMessages.h"

#include <cerrno>
#include <cstdio>

namespace tevano::cli {

namespace {

void Warn(const std::string& text) {
    std::fprintf(stderr, "tevano-cli: %s\n", text.c_str());
}

} // namespace

int ExportCsvCommand(const std::vector<std::string>& argv) {
    constexpr const char* kUsage = "export-csv FILE.sin [OUT.csv] [--chinese]";
    std::string error;
    const auto args = Arguments::Parse(argv, {"--chinese"}, {}, error);
    if (!args || args->Positional().empty() || args->Positional().size() > 2) {
        return Misuse(args ? "export-csv takes a channel data file and an optional output file"
                           : error,
                      kUsage);
    }
    const bool english = !args->Has("--chinese");
    const std::string& in = args->Positional()[0];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    const FileResult opened = OpenChannelFile(in, image, form.Form(), english);
    if (!opened.Ok()) {
        return Fail(FileErrorText(opened, in, english));
    }
    const CsvExport list = ExportChannelList(form.grid);
    if (args->Positional().size() == 2) {
        const std::string& out = args->Positional()[1];
        const FileResult stored = StoreCsvFile(out, list.text);
        if (!stored.Ok()) {
            return Fail(FileErrorText(stored, out, english));
        }
    } else {
        std::fwrite(list.text.data(), 1, list.text.size(), stdout);
        if (std::fflush(stdout) != 0) {
            return Fail("cannot write the output");
        }
    }
    if (!list.leftOut.empty()) {
        Warn(CsvLeftOutText(list.leftOut, english));
    }
    return 0;
}

int ImportCsvCommand(const std::vector<std::string>& argv) {
    constexpr const char* kUsage = "import-csv IN.csv FILE.sin [--chinese]";
    std::string error;
    const auto args = Arguments::Parse(argv, {"--chinese"}, {}, error);
    if (!args || args->Positional().size() != 2) {
        return Misuse(args ? "import-csv takes a channel list and a channel data file" : error,
                      kUsage);
    }
    const bool english = !args->Has("--chinese");
    const std::string& in = args->Positional()[0];
    const std::string& path = args->Positional()[1];

    // The whole list is read and checked before the channel data file is touched.
    const CsvFileText file = ReadCsvFile(in);
    if (!file.result.Ok()) {
        return Fail(FileErrorText(file.result, in, english));
    }
    if (file.tooLarge) {
        return Fail(CsvListProblemText(CsvListProblem::TooLarge, "", in, english));
    }
    const CsvImport import = ReadChannelList(file.text, english);
    if (import.listProblem != CsvListProblem::None) {
        return Fail(CsvImportFailureText(import, in, english));
    }
    if (!import.refusals.empty()) {
        Warn(CsvRefusedHeadline(in, english));
        for (const CsvRefusal& refusal : import.refusals) {
            std::fprintf(stderr, "  %s\n", CsvRefusalLine(refusal, english).c_str());
        }
        return 1;
    }

    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    const FileResult opened = OpenChannelFile(path, image, form.Form(), english);
    if (opened.error == FileError::OpenFailed && opened.systemError == ENOENT) {
        ShowImage(image, form.Form(), english); // no such file yet: a new document
    } else if (!opened.Ok()) {
        return Fail(FileErrorText(opened, path, english));
    }
    ApplyImportedChannels(form.grid, import.channels);
    const FileResult saved = SaveChannelFile(path, form.Form(), image);
    if (!saved.Ok()) {
        return Fail(FileErrorText(saved, path, english));
    }
    return 0;
}

} // namespace tevano::cli
