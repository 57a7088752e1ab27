// The serial port as the radio commands of tevano-cli use it: the port names of the desktop
// program's INI file, the count of automatic retries, and ports that a signal ending the tool lets
// go of first (a pseudo-terminal keeps its exclusive mark after the process is gone and would
// refuse the next program). A write to several radios has several open at once, one per thread.
#pragma once

#include "base/Language.h"
#include "radiolink/PosixSerialPort.h"

#include <csignal>
#include <cstddef>
#include <optional>
#include <string>

namespace tevano::cli {

// "COM1" to "COM4" through section [PORTS] of the desktop program's INI file beside this tool;
// anything else is a device path. A settings file that cannot be read is told on stderr.
std::string DevicePathOf(const std::string& portName, Language language);

// The count of --retries, 0 to 999999; nothing for any other text.
std::optional<int> RetryCount(const std::string& text);

// The exchanges' pauses are a millisecond or two: the default timer slack of 50 us would
// stretch every one of them. It is a setting of the calling thread.
void WakeOnTime();

// The most ports open at once that a signal lets go of.
constexpr std::size_t kSignalSafePorts = 32;

// Keeps the exit signals away from the calling thread for good. Each thread of a write to
// several radios calls it first, so that a signal is taken on the main thread, whose handler
// lets go of every open port.
void HoldExitSignalsOnThisThread();

// From now on the first exit signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT) while a port is open does
// not end the tool: it is kept as a cancel, which a clone exchange sees at its next block, so that
// the tool can say how much of the radio was written. A second one ends the tool at once.
void TreatFirstExitSignalAsCancel();

// The exit signal taken as a cancel, 0 while none came.
int CancelSignal();

// "SIGINT" for the exit signal's number.
std::string ExitSignalName(int signalNumber);

// `status`, or 128 + the signal's number when a signal was taken as a cancel, as a shell reports
// a program that a signal ended.
int StatusAfterCancelSignal(int status);

// A serial port whose descriptor the signal handler can reach while it is open.
class SignalSafePort : public PosixSerialPort {
public:
    static constexpr std::size_t kExitSignalCount = 4;

    SignalSafePort();
    ~SignalSafePort() override;
    SignalSafePort(const SignalSafePort&) = delete;
    SignalSafePort& operator=(const SignalSafePort&) = delete;

    bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override;
    void Close() override;

private:
    int slot_ = -1; // where the handler finds the descriptor; -1 when all slots were taken
};

} // namespace tevano::cli
