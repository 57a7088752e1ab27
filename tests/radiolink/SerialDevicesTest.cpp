// The devices the Port Setup offers, found in a made-up /dev: by-id names with their readable
// names and the adapter they point at, then ttyUSB and ttyACM devices in number order, and
// nothing else.

#include "radiolink/SerialDevices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tevano {
namespace {

namespace fs = std::filesystem;

TEST(SerialDevicesTest, ReadableNamesOfByIdLinks) {
    const struct {
        const char* byId;
        const char* readable;
    } cases[] = {
        {"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "FTDI FT232R USB UART A50285BI"},
        {"usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0",
         "Prolific Technology Inc. USB-Serial Controller"},
        {"usb-1a86_USB2.0-Ser_-if00-port0", "1a86 USB2.0-Ser"},
        {"usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_0001-if00-port0",
         "Silicon Labs CP2102 USB to UART Bridge Controller 0001"},
        {"usb-Arduino__www.arduino.cc__0043_7563-if00", "Arduino www.arduino.cc 0043 7563"},
        {"usb-Radio\\x20Cable_K1-if01", "Radio Cable K1"},
        {"pci-Moxa_UPort-if02-port1", "Moxa UPort"},
        // Not an interface suffix: kept.
        {"usb-Maker_Cable-ifxx", "Maker Cable-ifxx"},
        {"usb-Maker_Cable-if00-portx", "Maker Cable-if00-portx"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableDeviceName(c.byId), c.readable) << c.byId;
    }
}

TEST(SerialDevicesTest, DevicesOfAMadeUpDevInTheOrderOffered) {
    testing::TempDir root;
    const fs::path dev = fs::path(root.path()) / "dev";
    fs::create_directories(dev / "serial" / "by-id");
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0", "ttyS0", "ttyUSBx",
                             "ttyACM", "tty", "console"}) {
        testing::WriteBytes((dev / name).string(), {});
    }
    fs::create_symlink("../../ttyUSB2",
                       dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    fs::create_symlink("../../ttyACM0", dev / "serial" / "by-id" / "usb-Baofeng_Cable-if00");
    // Left behind by an adapter that is gone.
    fs::create_symlink("../../ttyUSB7", dev / "serial" / "by-id" / "usb-Gone_Cable-if00-port0");

    const std::vector<SerialDevice> devices = FindSerialDevices(root.path());
    std::vector<std::pair<std::string, std::string>> found;
    for (const SerialDevice& device : devices) {
        found.emplace_back(device.path, device.label);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"/dev/serial/by-id/usb-Baofeng_Cable-if00", "Baofeng Cable (ttyACM0)"},
        {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
         "FTDI FT232R USB UART A50285BI (ttyUSB2)"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/ttyUSB2", "/dev/ttyUSB2"},
        {"/dev/ttyUSB10", "/dev/ttyUSB10"},
        {"/dev/ttyACM0", "/dev/ttyACM0"},
    };
    EXPECT_EQ(found, expected);
}

TEST(SerialDevicesTest, NoDevAtAllGivesNothing) {
    testing::TempDir root;
    EXPECT_TRUE(FindSerialDevices(root.path()).empty());
    EXPECT_TRUE(FindSerialDevices(root.Path("missing")).empty());
}

} // namespace
} // namespace tevano
