#include "radiolink/LineTuning.h"

#include <filesystem>
#include <linux/serial.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>

namespace tevano {

namespace {

constexpr unsigned kLowLatency = ASYNC_LOW_LATENCY;

} // namespace

std::string LineTuning::DriverOf(int fd) const {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        return "";
    }
    // /sys/dev/char/MAJOR:MINOR is the tty; its "device" the serial port, bound to the driver.
    const std::string driver = "/sys/dev/char/" + std::to_string(major(info.st_rdev)) + ":" +
                               std::to_string(minor(info.st_rdev)) + "/device/driver";
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(driver, error);
    return error ? "" : target.filename().string();
}

std::optional<bool> LineTuning::LowLatency(int fd) const {
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        return std::nullopt;
    }
    return (static_cast<unsigned>(serial.flags) & kLowLatency) != 0;
}

bool LineTuning::SetLowLatency(int fd, bool on) const {
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        return false;
    }
    const unsigned flags = static_cast<unsigned>(serial.flags);
    serial.flags = static_cast<int>(on ? flags | kLowLatency : flags & ~kLowLatency);
    return ioctl(fd, TIOCSSERIAL, &serial) == 0;
}

const LineTuning& LineTuning::System() {
    static const LineTuning system;
    return system;
}

} // namespace tevano
