#include "radiolink/ui/StatusBarNotes.h"

#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "radiolink/LineNoteText.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/RadioLinkTexts.h"
#include "radiolink/ReadBackups.h"
#include "shell/DisplayLanguage.h"

#include <QTime>

namespace tevano {

PortReasonHook::PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port,
                               std::string portName, std::string devicePath, ProgramWindow* window)
    : CableWatchHook(inner, port, std::move(portName), std::move(devicePath), DisplayedLanguage(),
                     NotePlace::BeforeMessage,
                     [window](const std::string& text) {
                         if (window != nullptr) {
                             window->ShowNote(ToQt(text));
                         }
                     }),
      window_(window) {}

void PortReasonHook::NoteLine(const LineNote& note) {
    echoNoted_ = echoNoted_ || note.kind == LineNote::Kind::Echoing;
    if (window_ != nullptr) {
        window_->ShowNote(ToQt(note.kind == LineNote::Kind::Echoing
                                   ? EchoingCableText()
                                   : LineNoteText(note, DisplayedLanguage())));
    }
    CableWatchHook::NoteLine(note);
}

std::string BackUpCompletedRead(const RadioImage& image, ReadKind kind) {
    const BackupResult backup = SaveReadBackup(
        image, BackupDirectory(), std::chrono::system_clock::now(), kBackupsKept, kind);
    return backup.Ok() ? BackupSavedText(backup.path, DisplayedLanguage())
                       : BackupFailedText(backup, DisplayedLanguage());
}

std::string EchoingCableText() {
    return RadioLinkText(RadioLinkTextId::LineEchoesSentence, DisplayedLanguage());
}

std::string TransferDoneText(bool write, int blocks, const std::string& portName,
                             const std::string& devicePath) {
    return RadioLinkText(write ? RadioLinkTextId::WriteDone : RadioLinkTextId::ReadDone,
                         DisplayedLanguage(),
                         {{"<blocks>", std::to_string(blocks)},
                          {"<port>", portName},
                          {"<device>", devicePath},
                          {"<time>", QTime::currentTime().toString("HH:mm").toStdString()}});
}

} // namespace tevano
