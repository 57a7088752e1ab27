// The Linux serial port over a real pseudo-terminal, the test holding the radio's end: the line
// settings, the read time-outs with their short counts, the purge, exclusive use, hang-ups.

#include "radiolink/PosixSerialPort.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace tevano {
namespace {

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// A pseudo-terminal whose master end the test uses as the radio.
class PtyPair {
public:
    PtyPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
            ADD_FAILURE() << "no pseudo-terminal";
            return;
        }
        char name[128];
        ptsname_r(master_, name, sizeof name);
        slave_ = name;
        // Opened before the port, whose TIOCEXCL keeps later opens out (but root's).
        observer_ = open(slave_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~PtyPair() {
        if (observer_ >= 0) {
            close(observer_);
        }
        CloseMaster();
    }

    int master() const { return master_; }
    int observer() const { return observer_; }
    const std::string& slave() const { return slave_; }
    void CloseMaster() {
        if (master_ >= 0) {
            close(master_);
            master_ = -1;
        }
    }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // What the port sent, waiting up to a second for `size` bytes.
    std::string Receive(std::size_t size) const {
        std::string got;
        const auto start = Clock::now();
        while (got.size() < size && ElapsedMs(start) < 1000) {
            pollfd entry{master_, POLLIN, 0};
            if (poll(&entry, 1, 50) == 1) {
                char buffer[256];
                const ssize_t n = read(master_, buffer, std::min(sizeof buffer, size - got.size()));
                if (n > 0) {
                    got.append(buffer, static_cast<std::size_t>(n));
                }
            }
        }
        return got;
    }
    // Waits up to a second until the port's end holds `count` bytes to read: the kernel moves
    // pseudo-terminal bytes in a work queue, so what was sent is not there at once.
    bool Arrived(int count) const {
        const int observer = observer_;
        return observer >= 0 && testing::WaitUntil(
                                    [observer, count] {
                                        int queued = 0;
                                        return ioctl(observer, FIONREAD, &queued) == 0 &&
                                               queued >= count;
                                    },
                                    std::chrono::milliseconds(1000));
    }
    termios Settings() const {
        termios line{};
        tcgetattr(master_, &line); // the slave's settings
        return line;
    }

private:
    int master_ = -1;
    int observer_ = -1; // the port's end, to see what waits there to be read
    std::string slave_;
};

TEST(PosixSerialPortTest, LineIsSetTo9600EightBitsNoParityRawAndTheRestIsLeftAlone) {
    PtyPair pty;
    termios before = pty.Settings();
    before.c_cflag |= PARENB | CSTOPB | CRTSCTS;
    before.c_iflag |= IXOFF | ICRNL | IXON;
    before.c_lflag |= ICANON | ECHO;
    cfsetspeed(&before, B1200);
    tcsetattr(pty.master(), TCSANOW, &before);

    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    const termios line = pty.Settings();
    EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON), 0u) << "bytes must pass unchanged";
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    // Hardware and input flow control stay as the driver had them.
    EXPECT_NE(line.c_cflag & CRTSCTS, 0u);
    EXPECT_NE(line.c_iflag & IXOFF, 0u);
}

TEST(PosixSerialPortTest, ReadEndsWhenAllBytesAreInOrOnItsTimeOuts) {
    PtyPair pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    std::uint8_t buffer[20] = {};

    // All twelve, at once.
    pty.Send(std::string("\x57\x00\x00\x08\x01\x02\x03\x04\x05\x06\x07\x08", 12));
    auto start = Clock::now();
    ReadResult result = port.Read(buffer, 12);
    EXPECT_LT(ElapsedMs(start), 500);
    EXPECT_FALSE(result.portError);
    EXPECT_EQ(result.count, 12u);
    EXPECT_EQ(buffer[11], 0x08);

    // Five of twelve: the interval time-out (30 ms) ends it long before the total (6090 ms),
    // with success and a count of 5.
    pty.Send("\x11\x12\x13\x14\x15");
    start = Clock::now();
    result = port.Read(buffer, 12);
    EXPECT_LT(ElapsedMs(start), 1500);
    EXPECT_FALSE(result.portError);
    EXPECT_EQ(result.count, 5u);
    EXPECT_EQ(buffer[4], 0x15);

    // Nothing at all: the total time-out, 500 x 1 + 90 ms.
    start = Clock::now();
    result = port.Read(buffer, 1);
    const long waited = ElapsedMs(start);
    EXPECT_GE(waited, 580);
    EXPECT_LT(waited, 2500);
    EXPECT_FALSE(result.portError);
    EXPECT_EQ(result.count, 0u);
}

TEST(PosixSerialPortTest, PurgeDiscardsWhatArrivedButNeverWhatWasSent) {
    PtyPair pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave(), kCalibrationTimeouts));
    pty.Send("old");
    ASSERT_TRUE(pty.Arrived(3));
    const std::uint8_t command[] = {0x52, 0x00, 0x08, 0x08};
    ASSERT_TRUE(port.Write(command, sizeof command));
    port.Purge(PurgeMode::Full);
    port.Purge(PurgeMode::Clear);
    EXPECT_EQ(pty.Receive(4), std::string("\x52\x00\x08\x08", 4));
    std::uint8_t buffer[4] = {};
    EXPECT_EQ(port.Read(buffer, 3).count, 0u);
}

TEST(PosixSerialPortTest, PortIsForOneUserAtATimeAndFreeAgainAfterClose) {
    PtyPair pty;
    PosixSerialPort first;
    PosixSerialPort second;
    ASSERT_TRUE(first.Open(pty.slave(), kCloneTimeouts));
    // TIOCEXCL does not stop root; the advisory lock stops everyone.
    EXPECT_FALSE(second.Open(pty.slave(), kCloneTimeouts));
    EXPECT_FALSE(second.IsOpen());

    const int observer = pty.observer();
    ASSERT_GE(observer, 0);
    int exclusive = 0;
    ASSERT_EQ(ioctl(observer, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    first.Close();
    first.Close();
    // With the radio's end still open the tty lives on: its exclusive mark must be gone.
    ASSERT_EQ(ioctl(observer, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_TRUE(second.Open(pty.slave(), kCloneTimeouts));
}

TEST(PosixSerialPortTest, WhatIsNotAPortCannotBeOpened) {
    testing::TempDir temp;
    testing::WriteBytes(temp.Path("image.sin"), {1, 2, 3});
    PosixSerialPort port;
    EXPECT_FALSE(port.Open(temp.Path("missing"), kCloneTimeouts));
    EXPECT_FALSE(port.Open(temp.Path("image.sin"), kCloneTimeouts));
    EXPECT_EQ(testing::ReadBytes(temp.Path("image.sin")), (std::vector<std::uint8_t>{1, 2, 3}));
    std::uint8_t byte = 0x06;
    EXPECT_FALSE(port.Write(&byte, 1));
    EXPECT_TRUE(port.Read(&byte, 1).portError);
}

TEST(PosixSerialPortTest, HangUpIsAPortErrorNotATimeOut) {
    PtyPair pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    pty.Send("\x06");
    ASSERT_TRUE(pty.Arrived(1));
    pty.CloseMaster();
    std::uint8_t buffer[12] = {};
    const auto start = Clock::now();
    const ReadResult result = port.Read(buffer, 12);
    EXPECT_TRUE(result.portError);
    EXPECT_LT(ElapsedMs(start), 1000);
    EXPECT_TRUE(port.Disconnected());
}

// A cable driver as the port sees it: the low-latency flag starts as `flag`, every request to
// set it is noted, and `refuse` makes the driver say no.
class ScriptedTuning : public LineTuning {
public:
    std::string DriverOf(int) const override { return driver; }
    std::optional<bool> LowLatency(int) const override { return flag; }
    bool SetLowLatency(int, bool on) const override {
        requests.push_back(on);
        if (refuse) {
            return false;
        }
        flag = on;
        return true;
    }

    std::string driver = kFtdiDriver;
    mutable std::optional<bool> flag = false;
    mutable std::vector<bool> requests;
    bool refuse = false;
};

TEST(PosixSerialPortTest, FtdiLowLatencyWhileHeldAndTheLineAsItWasAfterClose) {
    PtyPair pty;
    termios before = pty.Settings();
    before.c_lflag |= ICANON | ECHO | ISIG;
    before.c_iflag |= ICRNL;
    cfsetspeed(&before, B1200);
    tcsetattr(pty.master(), TCSANOW, &before);
    before = pty.Settings();

    ScriptedTuning ftdi;
    PosixSerialPort port(ftdi);
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    EXPECT_EQ(ftdi.flag, true);
    const termios held = pty.Settings();
    EXPECT_EQ(cfgetospeed(&held), static_cast<speed_t>(B9600));
    port.Close();
    EXPECT_EQ(ftdi.flag, false) << "the old setting is put back";
    EXPECT_EQ(ftdi.requests, (std::vector<bool>{true, false}));
    // A terminal named as a port by mistake is usable again afterwards.
    const termios after = pty.Settings();
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);

    // Already low, refused, or not an FTDI chip: the flag is left as it is, the port opens.
    ftdi.flag = true;
    ftdi.requests.clear();
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    port.Close();
    EXPECT_EQ(ftdi.requests, std::vector<bool>{});
    ftdi.flag = false;
    ftdi.refuse = true;
    ASSERT_TRUE(port.Open(pty.slave(), kCloneTimeouts));
    port.Close();
    EXPECT_EQ(ftdi.requests, std::vector<bool>{true}) << "nothing was set, nothing to put back";
    ScriptedTuning ch340;
    ch340.driver = "ch341-uart";
    PosixSerialPort other(ch340);
    ASSERT_TRUE(other.Open(pty.slave(), kCloneTimeouts));
    other.Close();
    EXPECT_EQ(ch340.requests, std::vector<bool>{});
}

TEST(PosixSerialPortTest, WriteGivesUpWhenTheLineTakesNothing) {
    PtyPair pty;
    PosixSerialPort port;
    const PortTimeouts quickWrite{10, 50, 50, 0, 200};
    ASSERT_TRUE(port.Open(pty.slave(), quickWrite));
    // Nobody reads the radio's end: the pseudo-terminal's buffers fill and the write stalls.
    const std::vector<std::uint8_t> flood(1 << 20, 0x55);
    const auto start = Clock::now();
    EXPECT_FALSE(port.Write(flood.data(), flood.size()));
    const long waited = ElapsedMs(start);
    EXPECT_GE(waited, 150);
    EXPECT_LT(waited, 3000);
}

} // namespace
} // namespace tevano
