// The serial line to the radio as the exchanges use it: opened for one exchange only, 9600 baud,
// 8 data bits, no parity, one stop bit, with one of two time-out profiles, purged, written, read
// with short counts on time-out, paused between steps and closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tevano {

// How long reads and writes may take, in milliseconds. A read of n bytes ends when n bytes have
// arrived, when readTotalMultiplier x n + readTotalConstant have passed since it began, or when
// readInterval has passed after a received byte without a further one. A write of n bytes gives
// up after writeTotalMultiplier x n + writeTotalConstant. A zero total (both fields 0) means no
// total limit; a zero interval means no interval limit.
struct PortTimeouts {
    int readInterval;
    int readTotalMultiplier;
    int readTotalConstant;
    int writeTotalMultiplier;
    int writeTotalConstant;
};

// The clone exchange: 590 ms for 1 byte, 4090 ms for 8, 6090 ms for 12.
constexpr PortTimeouts kCloneTimeouts{30, 500, 90, 50, 50};
// The calibration exchange: 100 ms for 1 byte.
constexpr PortTimeouts kCalibrationTimeouts{10, 50, 50, 50, 50};

enum class PurgeMode {
    Full,  // at the start of every handshake attempt of a clone exchange
    Clear, // before sends, and in the calibration exchange before reads
};

// What a read brought. A time-out is not an error: it gives the bytes that did arrive, 0 to n.
// The caller decides whether that is enough.
struct [[nodiscard]] ReadResult {
    bool portError = false; // the port failed (unplugged, hung up); count holds what came before
    std::size_t count = 0;
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device for this program alone and sets the line up. False when the device does
    // not exist, is not a serial line, or another program holds it.
    [[nodiscard]] virtual bool Open(const std::string& devicePath,
                                    const PortTimeouts& timeouts) = 0;
    virtual bool IsOpen() const = 0;

    // Discards what has arrived and not been read. What was written is never discarded: the
    // exchanges purge right after their sends, and the radio must still get those bytes.
    virtual void Purge(PurgeMode mode) = 0;

    // Returns once the bytes are on the line; false on a port error or when the write time-out
    // passed first.
    [[nodiscard]] virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;

    virtual ReadResult Read(std::uint8_t* buffer, std::size_t size) = 0;

    // The fixed pauses of the exchanges. Real time on a real port; a scripted port only notes them.
    virtual void Pause(int milliseconds) = 0;

    // Releases the line. Closing a closed port does nothing.
    virtual void Close() = 0;

    [[nodiscard]] bool WriteByte(std::uint8_t byte) { return Write(&byte, 1); }
};

// Closes the port however the exchange leaves, an exception included.
class PortCloser {
public:
    explicit PortCloser(SerialPort& port) : port_(port) {}
    ~PortCloser() { port_.Close(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

private:
    SerialPort& port_;
};

} // namespace tevano
