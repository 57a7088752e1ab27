// Why a port could not be opened: the errno the Linux port keeps from a failed open, for the
// causes a user meets (no such device, a file that is no serial line, a line another program
// holds), and the line that names the device and says what to do, in both languages.

#include "radiolink/PortOpenFailure.h"
#include "radiolink/PosixSerialPort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PortOpenFailureTest, EachCauseNamesTheDeviceAndWhatToDo) {
    const struct {
        int systemError;
        PortProblem problem;
        const char* english;
        const char* chinese;
    } cases[] = {
        {EACCES, PortProblem::NoPermission, "dialout group", "dialout 组"},
        {EPERM, PortProblem::NoPermission, "log out and in again", "重新登录"},
        {ENOENT, PortProblem::NotPluggedIn, "the programming cable is not plugged in", "没有插好"},
        {ENXIO, PortProblem::NotPluggedIn, "not plugged in", "没有插好"},
        {ENODEV, PortProblem::NotPluggedIn, "not plugged in", "没有插好"},
        {EBUSY, PortProblem::HeldElsewhere, "in use by another program", "正被其他程序占用"},
        {ENOTTY, PortProblem::NotSerialLine, "is not a serial device", "不是串口设备"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.systemError);
        EXPECT_EQ(ProblemOf(c.systemError), c.problem);
        const std::string english =
            PortOpenFailureText("/dev/ttyUSB3", c.systemError, Language::English);
        const std::string chinese =
            PortOpenFailureText("/dev/ttyUSB3", c.systemError, Language::Chinese);
        EXPECT_EQ(english.rfind("/dev/ttyUSB3", 0), 0u) << english;
        EXPECT_EQ(chinese.rfind("/dev/ttyUSB3", 0), 0u) << chinese;
        EXPECT_TRUE(Contains(english, c.english)) << english;
        EXPECT_TRUE(Contains(chinese, c.chinese)) << chinese;
    }
}

// Two causes that look like an unplugged cable but are not: a port named by nothing, and the
// program's own terminal when it has none (a desktop start, a service).
TEST(PortOpenFailureTest, EmptyNameAndTerminalWithoutOneAreNamedAsSuch) {
    EXPECT_TRUE(Contains(PortOpenFailureText("", ENOENT, Language::English),
                         "No serial device is named for this port"));
    EXPECT_TRUE(Contains(PortOpenFailureText("", ENOENT, Language::Chinese), "没有指定串口设备"));
    const std::string terminal = PortOpenFailureText("/dev/tty", ENXIO, Language::English);
    EXPECT_TRUE(
        Contains(terminal, "/dev/tty stands for the terminal this program was started from"))
        << terminal;
    EXPECT_FALSE(Contains(terminal, "not plugged in"));
    EXPECT_TRUE(Contains(PortOpenFailureText("/dev/tty", ENXIO, Language::Chinese), "没有终端"));
}

// The group to join is the device's own: dialout on Debian, uucp on other systems.
TEST(PortOpenFailureTest, PermissionHintNamesTheDevicesGroup) {
    testing::TempDir temp;
    const std::string device = temp.Path("ttyUSB0");
    testing::WriteBytes(device, {});
    // As root the device can be given another system's group; otherwise it keeps the user's.
    const group* uucp = getgrnam("uucp");
    if (getuid() == 0 && uucp != nullptr) {
        ASSERT_EQ(chown(device.c_str(), 0, uucp->gr_gid), 0);
    }
    struct stat info {};
    ASSERT_EQ(stat(device.c_str(), &info), 0);
    const group* owner = getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    const std::string name = info.st_gid == 0 ? "dialout" : owner->gr_name;
    EXPECT_EQ(DeviceGroupName(device), name);
    EXPECT_EQ(PortOpenFailureText(device, EACCES, Language::English),
              device + ": permission denied. Add your user to the " + name +
                  " group (sudo usermod -aG " + name + " $USER), then log out and in again.");
    EXPECT_TRUE(Contains(PortOpenFailureText(device, EACCES, Language::Chinese),
                         "加入 " + name + " 组（sudo usermod -aG " + name + " $USER）"));
    // Root's group is no group to join, and a device that is not there has none.
    if (getuid() == 0) {
        ASSERT_EQ(chown(device.c_str(), 0, 0), 0);
        EXPECT_EQ(DeviceGroupName(device), "dialout");
    }
    EXPECT_EQ(DeviceGroupName(temp.Path("ttyUSB9")), "dialout");
}

TEST(PortOpenFailureTest, OtherErrorsGiveTheSystemsWords) {
    EXPECT_EQ(ProblemOf(EIO), PortProblem::Other);
    const std::string text = PortOpenFailureText("/dev/ttyACM0", EIO, Language::English);
    EXPECT_EQ(text.rfind("/dev/ttyACM0: ", 0), 0u) << text;
    EXPECT_GT(text.size(), std::string("/dev/ttyACM0: ").size());
    EXPECT_FALSE(Contains(text, "dialout"));
    // Without an errno there is nothing to explain but the device.
    EXPECT_EQ(PortOpenFailureText("/dev/ttyACM0", 0, Language::English),
              "/dev/ttyACM0 could not be opened.");
}

TEST(PortOpenFailureTest, TheLinuxPortKeepsWhyItsOpenFailed) {
    testing::TempDir temp;
    PosixSerialPort port;

    EXPECT_FALSE(port.Open(temp.Path("ttyUSB9"), kCloneTimeouts));
    EXPECT_EQ(port.OpenError(), ENOENT);

    testing::WriteBytes(temp.Path("notes.txt"), {'h', 'i'});
    EXPECT_FALSE(port.Open(temp.Path("notes.txt"), kCloneTimeouts));
    EXPECT_EQ(port.OpenError(), ENOTTY);

    EXPECT_FALSE(port.Open(temp.path(), kCloneTimeouts));
    EXPECT_EQ(port.OpenError(), EISDIR);
    EXPECT_EQ(ProblemOf(port.OpenError()), PortProblem::Other);

    // A pseudo-terminal: free, then held by another exchange, then free again.
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    char name[128];
    ASSERT_EQ(ptsname_r(master, name, sizeof name), 0);
    {
        PosixSerialPort holder;
        ASSERT_TRUE(holder.Open(name, kCloneTimeouts));
        EXPECT_FALSE(port.Open(name, kCloneTimeouts));
        EXPECT_EQ(port.OpenError(), EBUSY);
        EXPECT_FALSE(port.IsOpen());
    }
    EXPECT_TRUE(port.Open(name, kCloneTimeouts));
    EXPECT_EQ(port.OpenError(), 0);
    port.Close();
    close(master);
}

} // namespace
} // namespace tevano
