#include "radiolink/ui/RadioLinkCommands.h"

#include "base/SystemErrorText.h"
#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "radiolink/RadioLinkTexts.h"
#include "radiolink/ReadBackups.h"
#include "radiolink/ui/CPortSetupDlg.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstring>

namespace tevano {

namespace {

std::string FolderText(const std::string& directory, int systemError, Language language) {
    if (directory.empty()) {
        return RadioLinkText(RadioLinkTextId::BackupFolderNone, language);
    }
    if (systemError != 0) {
        return RadioLinkText(RadioLinkTextId::BackupFolderNotMade, language,
                             {{"<folder>", directory}, {"<reason>", SystemErrorText(systemError)}});
    }
    return RadioLinkText(RadioLinkTextId::BackupFolderKept, language, {{"<folder>", directory}});
}

// Made first when no read has been backed up yet, so that the file manager has a folder to
// show. The status bar names it too, and when no file manager could be started a message
// gives the path, which the user would otherwise be left without.
void OpenBackupFolder(UserPrompts& prompts, ProgramWindow& window) {
    const Language language = DisplayedLanguage();
    const std::string directory = BackupDirectory();
    const int error = directory.empty() ? 0 : MakeBackupDirectory(directory);
    window.ShowNote(ToQt(FolderText(directory, error, language)));
    if (directory.empty() || error != 0) {
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(directory)))) {
        prompts.ShowWith(window.Widget(), MessageId::BackupFolderNotShown, directory, language);
    }
}

} // namespace

void AddRadioLinkCommands(CommandRegistry& registry, CIniFile& ini, UserPrompts& prompts,
                          ProgramWindow& window) {
    registry.AddCommand(res::cmd::kPortSetup,
                        [&ini, &prompts, &window] { RunPortSetup(ini, prompts, window.Widget()); });
    registry.AddCommand(res::cmd::kOpenBackupFolder,
                        [&prompts, &window] { OpenBackupFolder(prompts, window); });
}

} // namespace tevano
