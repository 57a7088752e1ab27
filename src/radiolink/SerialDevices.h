// The serial devices plugged into this machine that a programming cable can be: the stable
// names under /dev/serial/by-id (which keep pointing at the same adapter whatever order the
// cables are plugged in), then /dev/ttyUSB* and /dev/ttyACM*. Offered by the Port Setup.
#pragma once

#include <string>
#include <vector>

namespace tevano {

struct SerialDevice {
    std::string path;  // what [PORTS] stores: "/dev/serial/by-id/usb-FTDI_...", "/dev/ttyUSB0"
    std::string label; // what the user reads: "FTDI FT232R USB UART A50285BI (ttyUSB0)"
};

// The devices found under root + "/dev" ("" for this machine), by-id names first, then the
// ttyUSB and the ttyACM devices in number order. Paths are given without the root.
std::vector<SerialDevice> FindSerialDevices(const std::string& root = "");

// The readable part of a by-id name: "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0" gives
// "FTDI FT232R USB UART A50285BI"; udev's "\x20" escapes are undone and blanks run together.
std::string ReadableDeviceName(const std::string& byIdName);

} // namespace tevano
