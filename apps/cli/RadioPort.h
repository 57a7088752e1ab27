// The serial port as the radio commands of tevano-cli use it: the port names of the desktop
// program's INI file, the count of automatic retries, and a port that a signal ending the tool lets
// go of first (a pseudo- terminal keeps its exclusive mark after the process is gone and would
// refuse the next program).
#pragma once

#include "radiolink/PosixSerialPort.h"

#include <csignal>
#include <cstddef>
#include <optional>
#include <string>

namespace tevano::cli {

// "COM1" to "COM4" through section [PORTS] of the desktop program's INI file beside this tool;
// anything else is a device path.
std::string DevicePathOf(const std::string& portName);

// The count of --retries, 0 to 999999; nothing for any other text.
std::optional<int> RetryCount(const std::string& text);

// The exchanges' pauses are a millisecond or two: the default timer slack of 50 us would
// stretch every one of them.
void WakeOnTime();

// The serial port whose descriptor the signal handler can reach while it is open. One at a time.
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
    struct sigaction previous_[kExitSignalCount] {};
};

} // namespace tevano::cli
