#include "radiolink/PosixSerialPort.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tevano {

namespace {

constexpr long long kNsPerMs = 1000000;

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

timespec SpanOf(long long ns) {
    return timespec{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

// The moment a transfer of `size` bytes started now must give up; -1 for no limit.
long long TotalDeadline(int multiplier, int constant, std::size_t size) {
    if (multiplier == 0 && constant == 0) {
        return -1;
    }
    return NowNs() +
           (static_cast<long long>(multiplier) * static_cast<long long>(size) + constant) *
               kNsPerMs;
}

// Waits for one of the events on the descriptor until the deadline (-1: no deadline).
// Returns the events seen, 0 on time-out, -1 on a failure of poll itself.
int WaitFor(int fd, short events, long long deadlineNs) {
    for (;;) {
        pollfd entry{fd, events, 0};
        int ready;
        if (deadlineNs < 0) {
            ready = ppoll(&entry, 1, nullptr, nullptr);
        } else {
            const long long left = deadlineNs - NowNs();
            if (left <= 0) {
                return 0;
            }
            const timespec span = SpanOf(left);
            ready = ppoll(&entry, 1, &span, nullptr);
        }
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return ready;
        }
        return entry.revents;
    }
}

// Line settings of both exchanges: 9600 baud, 8N1, every byte passed through unchanged.
// Flow control, modem lines and the rest stay as the driver has them.
void SetUpLine(int fd) {
    termios line{};
    if (tcgetattr(fd, &line) != 0) {
        return;
    }
    cfsetispeed(&line, B9600);
    cfsetospeed(&line, B9600);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    // A programming cable carries no carrier-detect line: without CLOCAL the driver would wait
    // for one, or hang the line up when it drops.
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    // Binary: no byte is translated, stripped or taken as a flow-control character, since the
    // image holds every byte value; no parity checking.
    line.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                           ICRNL | IXON | INPCK);
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    line.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // Reads never block in the driver; the time-outs are ours.
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &line);
}

} // namespace

bool PosixSerialPort::Open(const std::string& devicePath, const PortTimeouts& timeouts) {
    Close();
    openError_ = 0;
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        openError_ = errno;
        return false;
    }
    // Anything but a terminal line (a regular file named by mistake) would take the protocol's
    // bytes without a word; refuse it as a port that cannot be opened.
    if (!isatty(fd)) {
        openError_ = ENOTTY;
        close(fd);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Another program (or another exchange of this one) holds the line.
        openError_ = errno == EWOULDBLOCK ? EBUSY : errno;
        close(fd);
        return false;
    }
    ioctl(fd, TIOCEXCL);
    timeouts_ = timeouts;
    devicePath_ = devicePath;
    struct stat info {};
    device_ = fstat(fd, &info) == 0 ? info.st_rdev : 0;
    disconnected_ = false;
    bytesReceived_ = 0;
    lineSaved_ = tcgetattr(fd, &savedLine_) == 0;
    SetUpLine(fd);
    // An FTDI chip would hold every reply back for its latency timer. Where the driver refuses,
    // the exchange runs as before, only slower.
    lowLatencySet_ = false;
    if (tuning_.DriverOf(fd) == kFtdiDriver && tuning_.LowLatency(fd) == false) {
        lowLatencySet_ = tuning_.SetLowLatency(fd, true);
    }
    fd_.store(fd);
    return true;
}

void PosixSerialPort::ReleaseDescriptor(int fd) {
    if (fd >= 0) {
        // The exclusive mark belongs to the tty, not to this descriptor: a pseudo-terminal whose
        // other side stays open would keep it after close and refuse the next program.
        ioctl(fd, TIOCNXCL);
        close(fd);
    }
}

void PosixSerialPort::RestoreAndRelease(int fd, const LineToRestore& restore) {
    if (fd < 0) {
        return;
    }
    if (restore.lowLatencySet) {
        static_cast<void>(LineTuning::System().SetLowLatency(fd, false));
    }
    if (restore.lineSaved) {
        tcsetattr(fd, TCSANOW, &restore.line);
    }
    ReleaseDescriptor(fd);
}

void PosixSerialPort::Close() {
    const int fd = fd_.exchange(-1);
    if (fd >= 0 && !disconnected_) {
        // The line as the program found it: a terminal named by mistake stays usable, and the
        // next program gets the cable's driver as it was.
        if (lowLatencySet_) {
            static_cast<void>(tuning_.SetLowLatency(fd, false));
        }
        if (lineSaved_) {
            tcsetattr(fd, TCSANOW, &savedLine_);
        }
    }
    lowLatencySet_ = false;
    lineSaved_ = false;
    ReleaseDescriptor(fd);
}

void PosixSerialPort::NoteFailure(int systemError) {
    // EIO: a USB serial adapter unplugged, or the other side of a pseudo-terminal closed.
    if (systemError == EIO || systemError == ENODEV || systemError == ENXIO ||
        systemError == EPIPE) {
        disconnected_ = true;
    }
}

bool PosixSerialPort::DeviceStillThere() const {
    struct stat info {};
    return stat(devicePath_.c_str(), &info) == 0 && info.st_rdev == device_;
}

void PosixSerialPort::Purge(PurgeMode) {
    // Both modes discard only the input. A Windows purge also clears the output queue, but
    // nothing waits in ours (every write drains before it returns), and a tty's output flush
    // would throw away bytes the radio has not yet taken, a pseudo-terminal's above all.
    const int fd = fd_.load();
    if (fd >= 0) {
        tcflush(fd, TCIFLUSH);
    }
}

bool PosixSerialPort::Write(const std::uint8_t* data, std::size_t size) {
    const int fd = fd_.load();
    if (fd < 0) {
        return false;
    }
    const long long deadline =
        TotalDeadline(timeouts_.writeTotalMultiplier, timeouts_.writeTotalConstant, size);
    std::size_t sent = 0;
    while (sent < size) {
        const ssize_t written = write(fd, data + sent, size - sent);
        if (written > 0) {
            sent += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            NoteFailure(errno);
            return false;
        }
        const int events = WaitFor(fd, POLLOUT, deadline);
        if (events > 0 && (events & (POLLERR | POLLHUP)) != 0) {
            disconnected_ = true;
        }
        if (events <= 0 || (events & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return false;
        }
    }
    return WaitForDrain(deadline);
}

// tcdrain with the write time-out: a line held up by flow control must not block for ever.
bool PosixSerialPort::WaitForDrain(long long deadlineNs) {
    const int fd = fd_.load();
    for (;;) {
        int queued = 0;
        if (ioctl(fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            return true;
        }
        const long long now = NowNs();
        if (deadlineNs >= 0 && now >= deadlineNs) {
            return false;
        }
        // About the wire time of what is left at 9600 baud, checked at least every 2 ms.
        long long wait = std::min<long long>(queued * 1041667LL, 2 * kNsPerMs);
        if (deadlineNs >= 0) {
            wait = std::min(wait, deadlineNs - now);
        }
        const timespec span = SpanOf(wait);
        nanosleep(&span, nullptr);
    }
}

ReadResult PosixSerialPort::Read(std::uint8_t* buffer, std::size_t size) {
    ReadResult result;
    const int fd = fd_.load();
    if (fd < 0) {
        result.portError = true;
        return result;
    }
    const long long totalDeadline =
        TotalDeadline(timeouts_.readTotalMultiplier, timeouts_.readTotalConstant, size);
    long long lastByteAt = 0;
    while (result.count < size) {
        long long deadline = totalDeadline;
        if (result.count > 0 && timeouts_.readInterval > 0) {
            const long long intervalEnd = lastByteAt + timeouts_.readInterval * kNsPerMs;
            deadline = deadline < 0 ? intervalEnd : std::min(deadline, intervalEnd);
        }
        const int events = WaitFor(fd, POLLIN, deadline);
        if (events == 0) {
            // A USB adapter that vanished may leave its reads merely silent.
            if (result.count == 0 && !DeviceStillThere()) {
                disconnected_ = true;
                result.portError = true;
            }
            break;
        }
        if (events < 0 || (events & (POLLERR | POLLNVAL)) != 0) {
            disconnected_ = disconnected_ || (events > 0 && (events & POLLERR) != 0);
            result.portError = true;
            break;
        }
        const ssize_t got = read(fd, buffer + result.count, size - result.count);
        if (got > 0) {
            result.count += static_cast<std::size_t>(got);
            bytesReceived_ += static_cast<std::size_t>(got);
            lastByteAt = NowNs();
        } else if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        } else {
            // End of file or EIO: the line was hung up (cable pulled, the other side closed).
            NoteFailure(got == 0 ? EIO : errno);
            result.portError = true;
            break;
        }
    }
    return result;
}

void PosixSerialPort::Pause(int milliseconds) {
    timespec left = SpanOf(static_cast<long long>(milliseconds) * kNsPerMs);
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace tevano
