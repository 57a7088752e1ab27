#include "radiolink/ui/StatusBarNotes.h"

#include "base/ui/QtText.h"
#include "radiolink/PortOpenFailure.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ReadBackups.h"
#include "shell/DisplayLanguage.h"
#include "shell/ui/CMainFrame.h"

#include <QWidget>

namespace tevano {

CMainFrame* MainFrameOf(QWidget* widget) {
    for (QWidget* at = widget; at != nullptr; at = at->parentWidget()) {
        if (auto* frame = qobject_cast<CMainFrame*>(at)) {
            return frame;
        }
    }
    return nullptr;
}

PortReasonHook::PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port,
                               std::string devicePath, CMainFrame* frame)
    : inner_(inner), port_(port), devicePath_(std::move(devicePath)), frame_(frame) {}

Answer PortReasonHook::Ask(MessageId message) {
    if (message == MessageId::PortOpenFailed && frame_ != nullptr) {
        frame_->ShowNote(ToQt(PortOpenFailureText(devicePath_, port_.OpenError(), IsEnglish())));
    }
    return inner_.Ask(message);
}

void BackUpCompletedRead(const RadioImage& image, ReadKind kind, CMainFrame* frame) {
    const BackupResult backup = SaveReadBackup(
        image, BackupDirectory(), std::chrono::system_clock::now(), kBackupsKept, kind);
    if (frame != nullptr) {
        frame->ShowNote(ToQt(backup.Ok() ? BackupSavedText(backup.path, IsEnglish())
                                         : BackupFailedText(backup, IsEnglish())));
    }
}

} // namespace tevano
