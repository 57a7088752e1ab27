// The four ports the program offers, "COM1" to "COM4", and the serial devices they stand for on
// Linux: section [PORTS] of the INI file may name a device for each (a USB cable, or the link of
// a virtual radio); without an entry COMn is /dev/ttyUSB(n-1).
#pragma once

#include <array>
#include <functional>
#include <string>

namespace tevano {

constexpr std::array<const char*, 4> kPortNames = {"COM1", "COM2", "COM3", "COM4"};

// The INI section that maps the port names, one key per name ("COM1=/dev/ttyUSB0").
constexpr const char* kPortsSection = "PORTS";

// The device path of a port name. "COM1" to "COM4" (in any letter case) are looked up by their
// key in section [PORTS] (portsLookup returns "" for a missing key); anything else is taken as a
// device path as it stands.
std::string PortDevicePath(const std::string& portName,
                           const std::function<std::string(const std::string& key)>& portsLookup);

} // namespace tevano
