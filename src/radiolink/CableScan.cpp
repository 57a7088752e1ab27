#include "radiolink/CableScan.h"

#include "radiolink/CableAccess.h"
#include "radiolink/PortNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tevano {

namespace {

namespace fs = std::filesystem;

struct ChipId {
    const char* vendor;
    const char* product;
    const char* name;
};

constexpr std::array<ChipId, 7> kChips = {{
    {"1a86", "7523", "CH340/CH341"},
    {"1a86", "5523", "CH340/CH341"},
    {"067b", "2303", "PL2303"},
    {"067b", "23a3", "PL2303"},
    {"0403", "6001", "FTDI"},
    {"0403", "6015", "FTDI"},
    {"10c4", "ea60", "CP210x"},
}};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The names in a folder, sorted; none when it cannot be read. Never throws.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The first line of a small file of /sys or /proc, "" when it cannot be read.
std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return "";
    }
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())) != 0) {
        line.pop_back();
    }
    return line;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.size() < 10 &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsCableTty(const std::string& name) {
    for (const std::string prefix : {"ttyUSB", "ttyACM"}) {
        if (name.compare(0, prefix.size(), prefix) == 0 && AllDigits(name.substr(prefix.size()))) {
            return true;
        }
    }
    return false;
}

// Where a link leads, or nothing when it leads nowhere or out of the tree looked at.
fs::path Resolved(const fs::path& link, const fs::path& top) {
    std::error_code error;
    const fs::path target = fs::canonical(link, error);
    if (error) {
        return {};
    }
    const std::string inside = target.string();
    const std::string topText = top.string();
    if (topText != "/" && inside.compare(0, topText.size() + 1, topText + "/") != 0) {
        return {};
    }
    return target;
}

std::string DriverName(const fs::path& device) {
    std::error_code error;
    const fs::path driver = fs::read_symlink(device / "driver", error);
    return error ? "" : driver.filename().string();
}

class Scanner {
public:
    explicit Scanner(const ScanPlace& place)
        : place_(place), root_(place.root.empty() ? "/" : place.root) {
        std::error_code error;
        const fs::path top = fs::canonical(root_, error);
        top_ = error ? root_ : top;
    }

    CableScan Run();

private:
    fs::path Under(const std::string& path) const { return root_ / fs::path(path).relative_path(); }
    CablePort PortOf(const std::string& name, fs::path& usbDevice) const;
    void FindHolders(std::vector<CablePort>& ports) const;
    MissingPortCause CauseOf(const fs::path& usbDevice, const std::string& vendor,
                             const std::string& product) const;
    bool BrlttyRuns() const;
    bool BrlttyRulesMatch(const std::string& vendor, const std::string& product) const;

    const ScanPlace& place_;
    fs::path root_;
    fs::path top_;
};

CablePort Scanner::PortOf(const std::string& name, fs::path& usbDevice) const {
    CablePort port;
    port.device = "/dev/" + name;
    // The tty's device is the serial port; above it the USB interface, above that the device
    // with the ids. A ttyACM's device is the interface itself.
    const fs::path serial = Resolved(Under("/sys/class/tty") / name / "device", top_);
    fs::path below;
    fs::path at = serial;
    for (int up = 0; up < 4 && !at.empty() && at != top_; ++up) {
        std::error_code error;
        if (fs::exists(at / "idVendor", error)) {
            usbDevice = at;
            port.vendorId = Lower(FirstLine(at / "idVendor"));
            port.productId = Lower(FirstLine(at / "idProduct"));
            port.driver = below.empty() ? "" : DriverName(below);
            break;
        }
        below = at;
        at = at.parent_path();
    }
    if (!serial.empty()) {
        const std::string latency = FirstLine(serial / "latency_timer");
        if (AllDigits(latency)) {
            port.latencyMs = std::stoi(latency);
        }
    }
    for (const std::string& link : Names(Under("/dev/serial/by-id"))) {
        std::error_code error;
        const fs::path target = fs::read_symlink(Under("/dev/serial/by-id") / link, error);
        if (!error && target.filename() == name) {
            port.byId = "/dev/serial/by-id/" + link;
            break;
        }
    }
    for (const char* portName : kPortNames) {
        const std::string named = place_.portDevice ? place_.portDevice(portName) : "";
        if (named.empty()) {
            continue;
        }
        std::error_code error;
        if (named == port.device || named == port.byId ||
            fs::equivalent(Under(named), Under(port.device), error)) {
            port.ports.push_back(portName);
        }
    }
    const DeviceAccess access = AccessToDevice(Under(port.device).string(), place_);
    port.access = access.access;
    port.group = access.group;
    return port;
}

void Scanner::FindHolders(std::vector<CablePort>& ports) const {
    std::vector<dev_t> devices;
    for (const CablePort& port : ports) {
        struct stat info {};
        const bool seen = stat(Under(port.device).c_str(), &info) == 0 && S_ISCHR(info.st_mode);
        devices.push_back(seen ? info.st_rdev : 0);
    }
    const std::string self = std::to_string(getpid());
    for (const std::string& pid : Names(Under("/proc"))) {
        if (!AllDigits(pid) || pid == self) {
            continue;
        }
        const fs::path process = Under("/proc") / pid;
        for (const std::string& fd : Names(process / "fd")) {
            struct stat info {};
            if (stat((process / "fd" / fd).c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) {
                continue;
            }
            for (std::size_t i = 0; i < ports.size(); ++i) {
                std::vector<PortHolder>& holders = ports[i].holders;
                const int number = std::stoi(pid);
                if (devices[i] != 0 && info.st_rdev == devices[i] &&
                    std::none_of(holders.begin(), holders.end(),
                                 [number](const PortHolder& h) { return h.pid == number; })) {
                    holders.push_back({FirstLine(process / "comm"), number});
                }
            }
        }
    }
}

bool Scanner::BrlttyRuns() const {
    for (const std::string& pid : Names(Under("/proc"))) {
        if (AllDigits(pid) && FirstLine(Under("/proc") / pid / "comm") == "brltty") {
            return true;
        }
    }
    return false;
}

bool Scanner::BrlttyRulesMatch(const std::string& vendor, const std::string& product) const {
    for (const char* folder :
         {"/etc/udev/rules.d", "/run/udev/rules.d", "/lib/udev/rules.d", "/usr/lib/udev/rules.d"}) {
        for (const std::string& name : Names(Under(folder))) {
            if (Lower(name).find("brltty") == std::string::npos) {
                continue;
            }
            std::ifstream rules(Under(folder) / name);
            for (std::string line; std::getline(rules, line);) {
                line = Lower(line);
                if (line.rfind('#', 0) != 0 &&
                    line.find("\"" + vendor + "\"") != std::string::npos &&
                    line.find("\"" + product + "\"") != std::string::npos) {
                    return true;
                }
            }
        }
    }
    return false;
}

MissingPortCause Scanner::CauseOf(const fs::path& usbDevice, const std::string& vendor,
                                  const std::string& product) const {
    const std::string prefix = usbDevice.filename().string() + ":";
    bool anyInterface = false;
    bool bound = false;
    bool usbfs = false;
    for (const std::string& name : Names(usbDevice)) {
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        anyInterface = true;
        const std::string driver = DriverName(usbDevice / name);
        usbfs = usbfs || driver == "usbfs";
        bound = bound || (!driver.empty() && driver != "usbfs");
    }
    if (!anyInterface || bound) {
        return MissingPortCause::Unknown;
    }
    if ((usbfs && BrlttyRuns()) || BrlttyRulesMatch(vendor, product)) {
        return MissingPortCause::Brltty;
    }
    return usbfs ? MissingPortCause::Unknown : MissingPortCause::NoDriver;
}

CableScan Scanner::Run() {
    CableScan scan;
    std::vector<std::string> ttys;
    for (const fs::path& folder : {Under("/sys/class/tty"), Under("/dev")}) {
        for (const std::string& name : Names(folder)) {
            if (IsCableTty(name) && std::find(ttys.begin(), ttys.end(), name) == ttys.end()) {
                ttys.push_back(name);
            }
        }
    }
    std::sort(ttys.begin(), ttys.end());
    std::vector<fs::path> usbDevices;
    for (const std::string& name : ttys) {
        fs::path usbDevice;
        scan.ports.push_back(PortOf(name, usbDevice));
        usbDevices.push_back(usbDevice);
    }
    FindHolders(scan.ports);
    for (const std::string& name : Names(Under("/sys/bus/usb/devices"))) {
        if (name.find(':') != std::string::npos) {
            continue; // an interface, not a device
        }
        const fs::path device = Resolved(Under("/sys/bus/usb/devices") / name, top_);
        const std::string vendor = Lower(FirstLine(device / "idVendor"));
        const std::string product = Lower(FirstLine(device / "idProduct"));
        if (device.empty() || CableChipName(vendor, product) == nullptr ||
            std::find(usbDevices.begin(), usbDevices.end(), device) != usbDevices.end()) {
            continue;
        }
        scan.portless.push_back({vendor, product, name, CauseOf(device, vendor, product)});
    }
    return scan;
}

} // namespace

const char* CableChipName(const std::string& vendorId, const std::string& productId) {
    for (const ChipId& chip : kChips) {
        if (Lower(vendorId) == chip.vendor && Lower(productId) == chip.product) {
            return chip.name;
        }
    }
    return nullptr;
}

std::vector<std::pair<std::string, std::string>> CableChipIds() {
    std::vector<std::pair<std::string, std::string>> ids;
    for (const ChipId& chip : kChips) {
        ids.emplace_back(chip.vendor, chip.product);
    }
    return ids;
}

ScanPlace
ScanPlace::ThisMachine(std::function<std::string(const std::string& portName)> portDevice) {
    ScanPlace place;
    place.uid = geteuid();
    const int count = getgroups(0, nullptr);
    place.groups.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count > 0 && getgroups(count, place.groups.data()) != count) {
        place.groups.clear();
    }
    place.groups.push_back(getegid());
    place.portDevice = std::move(portDevice);
    return place;
}

CableScan ScanCables(const ScanPlace& place) {
    return Scanner(place).Run();
}

bool HasUsablePort(const CableScan& scan) {
    return std::any_of(scan.ports.begin(), scan.ports.end(), [](const CablePort& port) {
        return port.access != PortAccess::Refused && port.access != PortAccess::Unknown;
    });
}

} // namespace tevano
