// A small copy of what a Linux machine shows about its USB serial cables, built in a test's
// folder: USB devices with their ids and interface drivers, the ttys of their serial ports,
// by-id links, processes and udev rules, for the cable check to look at through its root.
#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>

namespace tevano::testing {

class CableTree {
public:
    explicit CableTree(std::string root) : root_(std::move(root)) {}

    const std::string& Root() const { return root_; }

    // A USB device on the bus as `usbName` ("1-2") with one interface bound to `driver` ("" for
    // none) and, when `tty` is given, that serial port ("ttyUSB0") with its device file.
    // latencyMs >= 0 gives the port an FTDI latency timer.
    void AddUsbDevice(const std::string& usbName, const std::string& vendor,
                      const std::string& product, const std::string& driver,
                      const std::string& tty = "", int latencyMs = -1) const {
        namespace fs = std::filesystem;
        const fs::path device = Sys("devices/pci0000:00/usb1") / usbName;
        const fs::path interface = device / (usbName + ":1.0");
        fs::create_directories(interface);
        WriteText((device / "idVendor").string(), vendor + "\n");
        WriteText((device / "idProduct").string(), product + "\n");
        if (!driver.empty()) {
            fs::create_directories(Sys("bus/usb/drivers") / driver);
            fs::create_directory_symlink(fs::path("../../../../bus/usb/drivers") / driver,
                                         interface / "driver");
        }
        fs::create_directories(Sys("bus/usb/devices"));
        Link("../../../devices/pci0000:00/usb1/" + usbName, Sys("bus/usb/devices") / usbName);
        if (tty.empty()) {
            return;
        }
        fs::create_directories(interface / tty);
        if (latencyMs >= 0) {
            WriteText((interface / tty / "latency_timer").string(),
                      std::to_string(latencyMs) + "\n");
        }
        fs::create_directories(Sys("class/tty") / tty);
        Link("../../../devices/pci0000:00/usb1/" + usbName + "/" + usbName + ":1.0/" + tty,
             Sys("class/tty") / tty / "device");
        fs::create_directories(root_ + "/dev");
        if (!fs::exists(root_ + "/dev/" + tty)) {
            WriteText(root_ + "/dev/" + tty, "");
        }
    }

    // /dev/serial/by-id/<name> pointing at the tty.
    void AddById(const std::string& name, const std::string& tty) const {
        std::filesystem::create_directories(root_ + "/dev/serial/by-id");
        Link("../../" + tty, root_ + "/dev/serial/by-id/" + name);
    }

    // A process the tree says runs, by its name only.
    void AddProcess(int pid, const std::string& name) const {
        std::filesystem::create_directories(root_ + "/proc/" + std::to_string(pid) + "/fd");
        WriteText(root_ + "/proc/" + std::to_string(pid) + "/comm", name + "\n");
    }

    void AddFile(const std::string& path, const std::string& text) const {
        std::filesystem::create_directories(
            std::filesystem::path(root_ + "/" + path).parent_path());
        WriteText(root_ + "/" + path, text);
    }

    static void Link(const std::filesystem::path& target, const std::filesystem::path& link) {
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::create_symlink(target, link);
    }

private:
    std::filesystem::path Sys(const std::string& path) const { return root_ + "/sys/" + path; }

    std::string root_;
};

} // namespace tevano::testing
