#include "grid/ui/CsvCommands.h"

#include "grid/ChannelWords.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvFiles.h"
#include "grid/csv/CsvTexts.h"
#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/GridUndo.h"
#include "image/ui/CTevDoc.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/FileMessages.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"
#include "shell/ui/QtText.h"
#include "shell/ui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>

namespace tevano {

namespace {

constexpr std::size_t kMostRefusalsShown = 40;

void Tell(CTevApp& app, const std::string& text) {
    app.Prompts().Ask(app.MainFrame(), ToQt(text), Buttons::Ok);
}

// The document's own name with ".csv": where the user will look for the list first.
QString SuggestedListName(const CTevDoc& document, bool english) {
    if (document.PathName().isEmpty()) {
        return document.Title(english) + ".csv";
    }
    const QFileInfo file(document.PathName());
    return file.dir().filePath(file.completeBaseName() + ".csv");
}

} // namespace

void ApplyImport(CTevView& view, const std::vector<ImportedChannel>& channels) {
    // The whole import is one step of Undo.
    view.Undo().BeginBulkChange();
    ApplyImportedChannels(view.Grid(), channels);
    view.Undo().EndBulkChange();
    view.ReloadCurrentCell();
    view.Grid().Refresh();
    view.Document().SetModifiedFlag(true);
}

void ImportChannelsCsv(CTevApp& app) {
    CTevView& view = *app.View();
    view.Commit();
    const bool english = IsEnglish();
    const QString chosen =
        app.Prompts().OpenFileName(app.MainFrame(), ToQt(CsvFileFilter(english)));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = FromQt(chosen);
    const CsvFileText file = ReadCsvFile(path);
    if (!file.result.Ok()) {
        Tell(app, FileErrorText(file.result, path, english));
        return;
    }
    if (file.tooLarge) {
        Tell(app, CsvListProblemText(CsvListProblem::TooLarge, "", path, english));
        return;
    }
    const CsvImport import = ReadChannelList(file.text, english);
    if (!import.Ok()) {
        // A box taller than the screen could not be answered; so many refused rows come only
        // from a file that is no list for this radio, and tevano-cli import-csv lists them all.
        Tell(app, CsvImportFailureText(import, path, english, kMostRefusalsShown));
        return;
    }
    ApplyImport(view, import.channels);
    app.MainFrame()->SetMessageText(
        ToQt(CsvImportedText(static_cast<int>(import.channels.size()), path, english)));
}

void ExportChannelsCsv(CTevApp& app) {
    CTevView& view = *app.View();
    view.Commit();
    const bool english = IsEnglish();
    QString chosen = app.Prompts().SaveFileName(
        app.MainFrame(), SuggestedListName(*app.Document(), english), ToQt(CsvFileFilter(english)));
    if (chosen.isEmpty()) {
        return;
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += ".csv";
    }
    const std::string path = FromQt(chosen);
    const CsvExport list = ExportChannelList(view.Grid());
    const FileResult result = StoreCsvFile(path, list.text);
    if (!result.Ok()) {
        Tell(app, FileErrorText(result, path, english));
        return;
    }
    app.MainFrame()->SetMessageText(ToQt(CsvExportedText(list.rows, path, english)));
    if (!list.leftOut.empty()) {
        Tell(app, CsvLeftOutText(list.leftOut, english));
    }
}

void AddCsvCommands(CTevApp& app) {
    app.AddCommand(res::cmd::kFileImportCsv, [&app] { ImportChannelsCsv(app); });
    app.AddCommand(res::cmd::kFileExportCsv, [&app] { ExportChannelsCsv(app); });
}

} // namespace tevano
