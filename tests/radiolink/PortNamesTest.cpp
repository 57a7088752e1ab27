// Which device each port name stands for: the INI file's [PORTS] entries, the USB defaults, and
// device paths given as they are.

#include "radiolink/PortNames.h"

#include <gtest/gtest.h>

#include <map>

namespace tevano {
namespace {

TEST(PortNamesTest, PortNameToDevice) {
    const std::map<std::string, std::string> ports = {
        {"COM2", "/tmp/tevano-radio"},
        {"COM3", "  /dev/ttyACM0\t"},
        {"COM4", ""},
    };
    const auto lookup = [&](const std::string& key) {
        const auto entry = ports.find(key);
        return entry == ports.end() ? std::string() : entry->second;
    };
    const struct {
        const char* name;
        const char* device;
    } cases[] = {
        {"COM1", "/dev/ttyUSB0"},        // no entry: the first USB serial adapter
        {"COM2", "/tmp/tevano-radio"},   // a virtual radio's link
        {"com2", "/tmp/tevano-radio"},   // typed in small letters
        {"COM3", "/dev/ttyACM0"},        // blanks around the value do not count
        {"COM4", "/dev/ttyUSB3"},        // an empty entry is no entry
        {"COM5", "COM5"},                // not one of the four: a device path as it stands
        {"COM", "COM"},                  //
        {"COM22", "COM22"},              //
        {"/dev/pts/7", "/dev/pts/7"},    //
        {"./radio-link", "./radio-link"} //
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortDevicePath(c.name, lookup), c.device) << c.name;
    }
}

TEST(PortNamesTest, DevicePathsAreNotLookedUp) {
    int lookups = 0;
    const auto counting = [&](const std::string& key) {
        ++lookups;
        EXPECT_EQ(key, "COM1");
        return std::string();
    };
    EXPECT_EQ(PortDevicePath("/dev/ttyS0", counting), "/dev/ttyS0");
    EXPECT_EQ(lookups, 0);
    EXPECT_EQ(PortDevicePath("Com1", counting), "/dev/ttyUSB0");
    EXPECT_EQ(lookups, 1);
}

} // namespace
} // namespace tevano
