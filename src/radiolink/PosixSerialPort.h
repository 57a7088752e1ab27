// The serial line on Linux: a tty device (a USB programming cable, or the pseudo-terminal of the
// virtual radio) driven through termios, with the read and write time-outs of the exchanges
// built on poll.
#pragma once

#include "radiolink/SerialPort.h"

#include <atomic>

namespace tevano {

class PosixSerialPort : public SerialPort {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override { Close(); }
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // Exclusive: an advisory lock on the device keeps out every program that asks for one (this
    // one included), and TIOCEXCL refuses further opens to everyone but root.
    [[nodiscard]] bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override;
    bool IsOpen() const override { return fd_.load() >= 0; }

    // Why the last Open failed, as an errno (0 after a successful one): ENOTTY for a file that
    // is not a terminal line, EBUSY for a line another program holds.
    int OpenError() const { return openError_; }
    void Purge(PurgeMode mode) override;
    [[nodiscard]] bool Write(const std::uint8_t* data, std::size_t size) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override;
    void Pause(int milliseconds) override;
    void Close() override;

    // The open descriptor, -1 when closed; for a signal handler that must let go of the line.
    int Descriptor() const { return fd_.load(); }

    // What a signal handler does with an open descriptor: lifts the exclusive use and closes it.
    // Only async-signal-safe calls.
    static void ReleaseDescriptor(int fd);

private:
    [[nodiscard]] bool WaitForDrain(long long deadlineNs);

    std::atomic<int> fd_{-1};
    PortTimeouts timeouts_{};
    int openError_ = 0;
};

} // namespace tevano
