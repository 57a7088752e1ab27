#include "radiolink/ui/StatusBarNotes.h"

#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ReadBackups.h"
#include "shell/DisplayLanguage.h"

namespace tevano {

PortReasonHook::PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port,
                               std::string portName, std::string devicePath, ProgramWindow* window)
    : CableWatchHook(inner, port, std::move(portName), std::move(devicePath), DisplayedLanguage(),
                     NotePlace::BeforeMessage, [window](const std::string& text) {
                         if (window != nullptr) {
                             window->ShowNote(ToQt(text));
                         }
                     }) {}

void BackUpCompletedRead(const RadioImage& image, ReadKind kind, ProgramWindow* window) {
    const BackupResult backup = SaveReadBackup(
        image, BackupDirectory(), std::chrono::system_clock::now(), kBackupsKept, kind);
    if (window != nullptr) {
        window->ShowNote(ToQt(backup.Ok() ? BackupSavedText(backup.path, DisplayedLanguage())
                                          : BackupFailedText(backup, DisplayedLanguage())));
    }
}

} // namespace tevano
