// tevano-cli export-csv and import-csv: a channel data file's channels as the channel list that
// open multi-radio programming tools exchange, and such a list put into a channel data file.

#include "Arguments.h"
#include "ChannelDocument.h"
#include "CliCommands.h"
#include "OutputFile.h"

#include "base/FileMessages.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvFiles.h"
#include "grid/csv/CsvTexts.h"

#include <cstdio>
#include <unistd.h>

namespace tevano::cli {

namespace {

// The file name that stands for standard input or output.
constexpr const char* kStandardStream = "-";

void Warn(const std::string& text) {
    std::fprintf(stderr, "tevano-cli: %s\n", text.c_str());
}

// The channel --first-location names, 0 when the value is none from 1 to 128.
int ChannelNumberOption(const std::string& value) {
    if (value.empty() || value.size() > 3 ||
        value.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int channel = std::stoi(value);
    return channel >= 1 && channel <= kChannelCount ? channel : 0;
}

void ListRefusals(const std::vector<CsvRefusal>& refusals, Language language) {
    for (const CsvRefusal& refusal : refusals) {
        std::fprintf(stderr, "  %s\n", CsvRefusalLine(refusal, language).c_str());
    }
}

} // namespace

int ExportCsvCommand(const Arguments& args) {
    if (args.Positional().empty() || args.Positional().size() > 2) {
        return args.Misuse("export-csv takes a channel data file and an optional output file");
    }
    const Language language = args.ChosenLanguage();
    const std::string& in = args.Positional()[0];
    const std::string out = args.Positional().size() == 2 ? args.Positional()[1] : kStandardStream;
    if (SameFile(out, in)) {
        return args.Misuse(SameFileProblem(out, in));
    }
    ChannelDocument document(language);
    if (const int failed = document.Open(in)) {
        return failed;
    }
    const CsvExport list = ExportChannelList(document.image);
    if (const int failed = WriteOutput(out, list.text, language)) {
        return failed;
    }
    if (!list.leftOut.empty()) {
        Warn(CsvLeftOutText(list.leftOut, language));
    }
    return 0;
}

int ImportCsvCommand(const Arguments& args) {
    if (args.Positional().size() != 2) {
        return args.Misuse("import-csv takes a channel list and a channel data file");
    }
    const Language language = args.ChosenLanguage();
    const bool skipBad = args.Has("--skip-bad");
    CsvImportOptions options;
    options.cutNames = args.Has("--cut-names");
    if (const auto first = args.Value("--first-location")) {
        options.firstChannel = ChannelNumberOption(*first);
        if (options.firstChannel == 0) {
            return args.Misuse("--first-location takes a channel number from 1 to 128");
        }
    }
    const std::string& in = args.Positional()[0];
    const std::string& path = args.Positional()[1];
    if (SameFile(path, in)) {
        return args.Misuse(SameFileProblem(path, in));
    }

    // The whole list is read and checked before the channel data file is touched.
    const CsvFileText file = in == kStandardStream ? ReadCsvStream(STDIN_FILENO) : ReadCsvFile(in);
    if (!file.result.Ok()) {
        return Fail(FileErrorText(file.result, in, language));
    }
    if (file.tooLarge) {
        return Fail(CsvListProblemText(CsvListProblem::TooLarge, "", in, language));
    }
    const CsvImport import = ReadChannelList(file.text, language, options);
    if (import.listProblem != CsvListProblem::None) {
        return Fail(CsvImportFailureText(import, in, language));
    }
    if (!import.Takes(skipBad)) {
        Warn(CsvRefusedHeadline(in, language));
        ListRefusals(import.refusals, language);
        return 1;
    }

    // Held from the read to the rename: another import into the same file waits its turn.
    ChannelDocument document(language);
    if (const int failed = document.Lock(path)) {
        return failed;
    }
    if (const int failed = document.OpenOrNew(path)) {
        return failed;
    }
    ApplyImportedChannels(document.image, import.channels);
    if (const int failed = document.Save(path)) {
        return failed;
    }
    if (!import.refusals.empty()) {
        Warn(CsvSkippedHeadline(in, language));
        ListRefusals(import.refusals, language);
    }
    const CsvBandCheck band = CheckFieldBand(import.channels, document.form.field.CurSel());
    for (const CsvBandWarning& warning : band.warnings) {
        Warn(CsvBandWarningLine(warning, band.band, language));
    }
    return 0;
}

} // namespace tevano::cli
