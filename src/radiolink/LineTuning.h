// What the port asks of a USB cable's driver beyond the line settings: an FTDI chip holds each
// reply back for its 16 ms latency timer unless the driver's low-latency flag is set, which turns
// the timer down to 1 ms. Real calls by default; tests give the port a scripted one.
#pragma once

#include <optional>
#include <string>

namespace tevano {

class LineTuning {
public:
    virtual ~LineTuning() = default;

    // The kernel driver of the serial port behind the open descriptor ("ftdi_sio", "ch341-uart"),
    // "" when it cannot be seen (a pseudo-terminal, a system without /sys).
    virtual std::string DriverOf(int fd) const;
    // Whether the driver's low-latency flag is set; nothing when the driver will not say.
    virtual std::optional<bool> LowLatency(int fd) const;
    // False when the driver refuses.
    virtual bool SetLowLatency(int fd, bool on) const;

    // The real calls.
    static const LineTuning& System();
};

// The driver whose chips want the flag.
constexpr const char* kFtdiDriver = "ftdi_sio";

} // namespace tevano
