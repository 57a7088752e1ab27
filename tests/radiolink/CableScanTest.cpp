// The cable check as another user would see it: a CH340 whose port belongs to a group the user
// is not in gets the command that fixes it, a member of the group gets the port, and a port
// name's device that is not there names what became of the cables that are.

#include "radiolink/CableScan.h"
#include "radiolink/CableReport.h"
#include "support/CableTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tevano {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CableScanTest, PortOfAGroupTheUserIsNotIn) {
    testing::TempDir temp;
    const testing::CableTree tree(temp.Path("machine"));
    tree.AddUsbDevice("1-2", "1a86", "7523", "ch341", "ttyUSB0");
    tree.AddById("usb-1a86_USB_Serial-if00-port0", "ttyUSB0");
    const std::string device = tree.Root() + "/dev/ttyUSB0";
    ASSERT_EQ(chmod(device.c_str(), 0660), 0);
    struct stat info {};
    ASSERT_EQ(stat(device.c_str(), &info), 0);
    tree.AddFile("etc/group", "dialout:x:" + std::to_string(info.st_gid) + ":\n");

    ScanPlace place;
    place.root = tree.Root();
    place.uid = info.st_uid + 4242; // neither the owner nor root
    place.portDevice = [](const std::string& name) {
        return name == "COM2" ? "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0" : "";
    };
    const CableScan outside = ScanCables(place);
    ASSERT_EQ(outside.ports.size(), 1u);
    EXPECT_TRUE(outside.portless.empty()) << "the chip has its port";
    EXPECT_FALSE(HasUsablePort(outside));
    const std::string report = Joined(CableReportLines(outside, Language::English));
    EXPECT_TRUE(Has(report, "chip: CH340/CH341 (USB 1a86:7523)")) << report;
    EXPECT_TRUE(Has(report, "driver: ch341"));
    EXPECT_TRUE(Has(report, "port name: COM2"));
    EXPECT_TRUE(Has(report, "access: no: the device belongs to group dialout, and you are not in "
                            "it\n  what to do: sudo usermod -aG dialout $USER, then log out and "
                            "in again"))
        << report;
    EXPECT_TRUE(Has(Joined(CableReportLines(outside, Language::Chinese)),
                    "sudo usermod -aG dialout $USER"));
    EXPECT_TRUE(Has(FirstDeviceProblem(outside, place, "/dev/ttyUSB0", Language::English),
                    "sudo usermod -aG dialout $USER"));

    place.groups = {info.st_gid};
    const CableScan member = ScanCables(place);
    EXPECT_TRUE(HasUsablePort(member));
    EXPECT_TRUE(Has(Joined(CableReportLines(member, Language::English)),
                    "access: yes (you are in group dialout)"));
    EXPECT_EQ(FirstDeviceProblem(member, place, "/dev/ttyUSB0", Language::English), "");
}

TEST(CableScanTest, MissingDeviceNamesTheCablesThatHaveNoPort) {
    testing::TempDir temp;
    const testing::CableTree tree(temp.Path("machine"));
    tree.AddUsbDevice("2-1", "067b", "23a3", "");
    ScanPlace place;
    place.root = tree.Root();
    place.uid = 1000;
    const CableScan scan = ScanCables(place);
    const std::string lines =
        Joined(DeviceReportLines(scan, place, "/dev/ttyUSB3", Language::English));
    EXPECT_TRUE(Has(lines, "/dev/ttyUSB3 is not plugged in.\nPL2303 cable (USB 067b:23a3"))
        << lines;
    EXPECT_TRUE(Has(FirstDeviceProblem(scan, place, "/dev/ttyUSB3", Language::English),
                    "sudo modprobe pl2303"));
}

} // namespace
} // namespace tevano
