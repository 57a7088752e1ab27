#include "radiolink/ui/StatusBarNotes.h"

#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "radiolink/PortOpenFailure.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ReadBackups.h"
#include "shell/DisplayLanguage.h"

namespace tevano {

PortReasonHook::PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port,
                               std::string devicePath, ProgramWindow* window)
    : inner_(inner), port_(port), devicePath_(std::move(devicePath)), window_(window) {}

Answer PortReasonHook::Ask(MessageId message) {
    if (message == MessageId::PortOpenFailed && window_ != nullptr) {
        window_->ShowNote(
            ToQt(PortOpenFailureText(devicePath_, port_.OpenError(), DisplayedLanguage())));
    }
    return inner_.Ask(message);
}

void BackUpCompletedRead(const RadioImage& image, ReadKind kind, ProgramWindow* window) {
    const BackupResult backup = SaveReadBackup(
        image, BackupDirectory(), std::chrono::system_clock::now(), kBackupsKept, kind);
    if (window != nullptr) {
        window->ShowNote(ToQt(backup.Ok() ? BackupSavedText(backup.path, DisplayedLanguage())
                                          : BackupFailedText(backup, DisplayedLanguage())));
    }
}

} // namespace tevano
