// What this machine shows about the radio's programming cables: each USB serial port with its
// chip, driver, port name, whether this user may open it and who holds it, and each cable chip
// that got no serial port at all (brltty took it, no driver). Read from /sys, /dev, /proc and the
// udev rules under a root folder, so that a copied tree can be looked at as well.
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tevano {

// The chips of the usual programming cables; nullptr for any other USB id.
const char* CableChipName(const std::string& vendorId, const std::string& productId);

// The USB ids of those chips, vendor and product in lower-case hex: {"1a86", "7523"}.
std::vector<std::pair<std::string, std::string>> CableChipIds();

enum class PortAccess {
    Unknown, // the device file could not be looked at
    AsRoot,  // root opens every device
    AsOwner, // the device belongs to this user
    ByGroup, // this user is in the device's group
    ByAcl,   // an access list gives this user the device (the desktop session's seat)
    ForEveryone,
    Refused, // none of these: the group is named in `group`
};

// A process that has the port open.
struct PortHolder {
    std::string name; // the program's name as the system gives it
    int pid = 0;
};

struct CablePort {
    std::string device;             // "/dev/ttyUSB0"
    std::string byId;               // "/dev/serial/by-id/usb-..." or ""
    std::string vendorId;           // "1a86", "" when unseen
    std::string productId;          // "7523"
    std::string driver;             // the USB interface's driver: "ch341", "" when unseen
    std::vector<std::string> ports; // the port names that point at it: "COM1"
    PortAccess access = PortAccess::Unknown;
    std::string group;               // the device's group by name ("dialout"), "" when unseen
    std::vector<PortHolder> holders; // as far as /proc lets this user see
    int latencyMs = -1;              // an FTDI chip's latency timer; -1 when there is none
};

enum class MissingPortCause { Brltty, NoDriver, Unknown };

// A USB device with a cable chip that has no serial port.
struct PortlessCable {
    std::string vendorId;
    std::string productId;
    std::string usbName; // the device's name on the USB bus: "1-2"
    MissingPortCause cause = MissingPortCause::Unknown;
};

struct CableScan {
    std::vector<CablePort> ports;
    std::vector<PortlessCable> portless;
};

// Where to look, and as whom.
struct ScanPlace {
    std::string root; // "" for this machine
    uid_t uid = 0;
    std::vector<gid_t> groups; // the user's groups, the primary one among them
    // The device that a port name ("COM1") stands for; "" for none.
    std::function<std::string(const std::string& portName)> portDevice;

    // This machine as the running program sees it.
    static ScanPlace
    ThisMachine(std::function<std::string(const std::string& portName)> portDevice = nullptr);
};

CableScan ScanCables(const ScanPlace& place);

// Whether the user can use at least one port: it exists and is not refused to them.
bool HasUsablePort(const CableScan& scan);

} // namespace tevano
