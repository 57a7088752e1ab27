// What the status bar adds to the exchanges with the radio on Linux: why a port could not be
// opened (the device and what to do), what became of the cable and the line, and where the backup
// of a completed read went. The message boxes of the exchanges stay as they are; these notes come
// beside them.
#pragma once

#include "image/RadioImage.h"
#include "radiolink/CableWatchHook.h"
#include "radiolink/ExchangeHook.h"
#include "radiolink/ReadBackups.h"

#include <string>

namespace tevano {

class PosixSerialPort;
class ProgramWindow;

// The cable's notes of an exchange (why the port did not open, what to check when the radio
// never answered, a cable pulled out) in the program's status bar, in the display language.
class PortReasonHook : public CableWatchHook {
public:
    PortReasonHook(ExchangeHook& inner, const PosixSerialPort& port, std::string portName,
                   std::string devicePath, ProgramWindow* window);
    // In the status bar: that the cable echoes, or what a refused reply named.
    void NoteLine(const LineNote& note) override;
    // The line echoed: the note after the exchange says so again.
    bool EchoNoted() const { return echoNoted_; }

private:
    ProgramWindow* window_;
    bool echoNoted_ = false;
};

// Saves the backup of a completed read; what to tell the user: where it went, or that it could
// not be saved. The read stands either way.
std::string BackUpCompletedRead(const RadioImage& image, ReadKind kind);

// The status bar's sentence for a cable that echoes what the program sends.
std::string EchoingCableText();

// "Read 396 blocks from COM1 (/dev/ttyUSB0) at 14:05.", or "Wrote ...", at the clock's time now.
std::string TransferDoneText(bool write, int blocks, const std::string& portName,
                             const std::string& devicePath);

} // namespace tevano
