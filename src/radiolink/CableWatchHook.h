// What the user learns about the cable while an exchange runs, beside the exchange's own
// messages: why the port did not open (with the first problem the cable check sees), what to
// check when the radio never answered the wake-up, and, when the cable was pulled out, that it
// was disconnected, in place of a question whose Retry could not help.
#pragma once

#include "base/Language.h"
#include "radiolink/ExchangeHook.h"

#include <functional>
#include <string>

namespace tevano {

class PosixSerialPort;

// Where a note goes beside the message it explains: before a message box, so that both are on
// the screen together; after a line of text, which reads as message, then reason.
enum class NotePlace { BeforeMessage, AfterMessage };

class CableWatchHook : public ExchangeHook {
public:
    // `note` shows one line beside the messages (the status bar, stderr). `portName` is what the
    // user chose ("COM1"), `devicePath` what it stands for.
    CableWatchHook(ExchangeHook& inner, const PosixSerialPort& port, std::string portName,
                   std::string devicePath, Language language, NotePlace place,
                   std::function<void(const std::string&)> note);

    void PumpTurn() override { inner_.PumpTurn(); }
    bool CancelRequested() override { return inner_.CancelRequested(); }
    void ShowStatus(TextId text) override { inner_.ShowStatus(text); }
    void StepProgress(int blocksDone) override { inner_.StepProgress(blocksDone); }
    void SetInterruptionWatch(bool watching) override { inner_.SetInterruptionWatch(watching); }
    Answer Ask(MessageId message) override;
    void NoteLine(const LineNote& note) override { inner_.NoteLine(note); }

private:
    // The message, with the note where this hook puts notes.
    Answer AskWithNote(MessageId message, const std::string& note);

    ExchangeHook& inner_;
    const PosixSerialPort& port_;
    std::string portName_;
    std::string devicePath_;
    Language language_;
    NotePlace place_;
    std::function<void(const std::string&)> note_;
    bool disconnectShown_ = false;
};

} // namespace tevano
