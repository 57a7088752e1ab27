// What the status bar adds to the exchanges with the radio on Linux: why a port could not be
// opened (the device and what to do), and where the backup of a completed read went. The
// message boxes of the exchanges stay as they are; these notes come beside them.
#pragma once

#include "image/RadioImage.h"
#include "radiolink/ExchangeHook.h"
#include "radiolink/ReadBackups.h"

#include <string>

namespace tevano {

class PosixSerialPort;
class ProgramWindow;

// Hands everything to the hook it wraps; when the exchange is about to tell the user that the
// port could not be opened, the status bar first names the device and the reason, so that both
// are on the screen together.
class PortReasonHook : public ExchangeHook {
public:
    PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port, std::string devicePath,
                   ProgramWindow* window);

    void PumpTurn() override { inner_.PumpTurn(); }
    bool CancelRequested() override { return inner_.CancelRequested(); }
    void ShowStatus(TextId text) override { inner_.ShowStatus(text); }
    void StepProgress(int blocksDone) override { inner_.StepProgress(blocksDone); }
    void SetInterruptionWatch(bool watching) override { inner_.SetInterruptionWatch(watching); }
    Answer Ask(MessageId message) override;

private:
    ExchangeHook& inner_;
    const PosixSerialPort& port_;
    std::string devicePath_;
    ProgramWindow* window_;
};

// Saves the backup of a completed read and says in the status bar where it went, or that it
// could not be saved. The read stands either way.
void BackUpCompletedRead(const RadioImage& image, ReadKind kind, ProgramWindow* window);

} // namespace tevano
