#include "grid/ui/CsvCommands.h"

#include "base/FileMessages.h"
#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ChannelWords.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvFiles.h"
#include "grid/csv/CsvTexts.h"
#include "grid/ui/ChannelTableView.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/GridUndo.h"
#include "image/RadioImage.h"
#include "image/ui/CTevDoc.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tevano {

namespace {

constexpr std::size_t kMostRefusalsShown = 40;

void Tell(const CsvCommandContext& context, const std::string& text) {
    context.prompts.Ask(context.window.Widget(), ToQt(text), Buttons::Ok);
}

// The document's own name with ".csv", beside the document: where the user will look for the
// list first, until lists were exported or imported in a folder of their own.
QString SuggestedListName(const CTevDoc& document, Language language) {
    if (document.PathName().isEmpty()) {
        return document.Title(language) + ".csv";
    }
    const QFileInfo file(document.PathName());
    return file.dir().filePath(file.completeBaseName() + ".csv");
}

} // namespace

void ApplyImport(CTevView& view, const std::vector<ImportedChannel>& channels) {
    // The whole import is one step of Undo.
    view.Undo().BeginBulkChange();
    ApplyImportedChannels(view.Document().Image(), channels);
    view.Undo().EndBulkChange();
    view.ImageChanged();
    view.Document().SetModifiedFlag(true);
}

void ImportChannelsCsv(const CsvCommandContext& context) {
    CTevView& view = context.view;
    view.Commit();
    const Language language = DisplayedLanguage();
    const NumberOption placement{ToQt(CsvText(CsvTextId::PlacementOption, language)), 1,
                                 kChannelCount};
    const FileWithNumber chosen = context.prompts.OpenFileWithOption(
        context.window.Widget(), FileKind::ChannelList, ToQt(CsvFileFilter(language)), placement);
    if (chosen.path.isEmpty()) {
        return;
    }
    const std::string path = FromQt(chosen.path);
    const CsvFileText file = ReadCsvFile(path);
    if (!file.result.Ok()) {
        Tell(context, FileErrorText(file.result, path, language));
        return;
    }
    if (file.tooLarge) {
        Tell(context, CsvListProblemText(CsvListProblem::TooLarge, "", path, language));
        return;
    }
    // Long names are cut here; the question below names each one, so nothing is cut unasked.
    CsvImportOptions options;
    options.firstChannel = chosen.number;
    options.cutNames = true;
    const CsvImport import = ReadChannelList(file.text, language, options);
    // A box taller than the screen could not be answered; so many refused rows come only from a
    // file that is no list for this radio, and tevano-cli import-csv lists them all.
    if (!import.Takes(true)) {
        Tell(context, CsvImportFailureText(import, path, language, kMostRefusalsShown));
        return;
    }
    const bool cut = std::any_of(import.channels.begin(), import.channels.end(),
                                 [](const ImportedChannel& c) { return !c.fullName.empty(); });
    if ((!import.refusals.empty() || cut) &&
        context.prompts.Ask(
            context.window.Widget(),
            ToQt(CsvPartialImportQuestion(import, path, language, kMostRefusalsShown)),
            Buttons::YesNo) != Answer::Yes) {
        return;
    }
    ApplyImport(view, import.channels);
    context.window.ShowNote(
        ToQt(CsvImportedText(static_cast<int>(import.channels.size()), path, language)));
    const CsvBandCheck band = CheckFieldBand(import.channels, view.Form().field.CurSel());
    if (!band.warnings.empty()) {
        Tell(context, CsvBandWarningsMessage(band, language, kMostRefusalsShown));
    }
}

void ExportChannelsCsv(const CsvCommandContext& context) {
    CTevView& view = context.view;
    view.Commit();
    const Language language = DisplayedLanguage();
    QString chosen = context.prompts.SaveFileName(context.window.Widget(), FileKind::ChannelList,
                                                  SuggestedListName(view.Document(), language),
                                                  ToQt(CsvFileFilter(language)));
    if (chosen.isEmpty()) {
        return;
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += ".csv";
    }
    const std::string path = FromQt(chosen);
    const CsvExport list = ExportChannelList(view.Document().Image());
    const FileResult result = StoreCsvFile(path, list.text);
    if (!result.Ok()) {
        Tell(context, FileErrorText(result, path, language));
        return;
    }
    context.window.ShowNote(ToQt(CsvExportedText(list.rows, path, language)));
    if (!list.leftOut.empty()) {
        Tell(context, CsvLeftOutText(list.leftOut, language));
    }
}

void AddCsvCommands(CommandRegistry& registry, const CsvCommandContext& context) {
    registry.AddCommand(res::cmd::kFileImportCsv, [context] { ImportChannelsCsv(context); });
    registry.AddCommand(res::cmd::kFileExportCsv, [context] { ExportChannelsCsv(context); });
}

} // namespace tevano
