#include "radiolink/ui/RadioLinkCommands.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
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
        return language == Language::English
                   ? "There is no folder for backups: neither XDG_DATA_HOME nor HOME is set."
                   : "没有备份文件夹：XDG_DATA_HOME 和 HOME 都没有设置。";
    }
    if (systemError != 0) {
        char buffer[256] = {};
        const std::string reason = strerror_r(systemError, buffer, sizeof buffer);
        return language == Language::English
                   ? "The backup folder " + directory + " could not be made: " + reason
                   : "无法建立备份文件夹 " + directory + "：" + reason;
    }
    return language == Language::English ? "Backups of the reads are kept in " + directory
                                         : "读取的备份保存在 " + directory;
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
