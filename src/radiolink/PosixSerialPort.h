// The serial line on Linux: a tty device (a USB programming cable, or the pseudo-terminal of the
// virtual radio) driven through termios, with the read and write time-outs of the exchanges
// built on poll.
#pragma once

#include "radiolink/LineTuning.h"
#include "radiolink/SerialPort.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <termios.h>

namespace tevano {

class PosixSerialPort : public SerialPort {
public:
    // `tuning` is what the port asks of the cable's driver; it must outlive the port.
    explicit PosixSerialPort(const LineTuning& tuning = LineTuning::System()) : tuning_(tuning) {}
    ~PosixSerialPort() override { Close(); }
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // Exclusive: an advisory lock on the device keeps out every program that asks for one (this
    // one included), and TIOCEXCL refuses further opens to everyone but root.
    // The line's own settings are kept and put back at Close, and so is an FTDI cable's
    // low-latency flag, which the port sets while it holds the line.
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

    // Whether the line went away under the exchange since it was opened: the driver reported
    // the device gone or hung up (a cable pulled out), or the device file vanished.
    bool Disconnected() const { return disconnected_; }
    // The bytes that came from the line since it was opened.
    std::size_t BytesReceived() const { return bytesReceived_; }

    // The open descriptor, -1 when closed; for a signal handler that must let go of the line.
    int Descriptor() const { return fd_.load(); }

    // What a signal handler does with an open descriptor: lifts the exclusive use and closes it.
    // Only async-signal-safe calls.
    static void ReleaseDescriptor(int fd);

    // What Close puts back on the line, for a signal handler that must do it without the port.
    struct LineToRestore {
        termios line{};
        bool lineSaved = false;
        bool lowLatencySet = false;
    };
    LineToRestore Restore() const { return {savedLine_, lineSaved_, lowLatencySet_}; }
    // Puts the line settings and the low-latency flag back, then releases the descriptor as
    // above; only async-signal-safe calls (tcsetattr, ioctl, close).
    static void RestoreAndRelease(int fd, const LineToRestore& restore);

private:
    [[nodiscard]] bool WaitForDrain(long long deadlineNs);
    // Notes a failed read or write whose errno says the device is gone.
    void NoteFailure(int systemError);
    // After a read that brought nothing: whether the device file is still the one opened.
    bool DeviceStillThere() const;

    const LineTuning& tuning_;
    std::atomic<int> fd_{-1};
    PortTimeouts timeouts_{};
    int openError_ = 0;
    std::string devicePath_;
    dev_t device_ = 0;
    termios savedLine_{};
    bool lineSaved_ = false;
    bool lowLatencySet_ = false; // the port turned the flag on and turns it off at Close
    bool disconnected_ = false;
    std::size_t bytesReceived_ = 0;
};

} // namespace tevano
