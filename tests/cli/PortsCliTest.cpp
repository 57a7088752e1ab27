// tevano-cli ports over small copies of a machine's /sys, /dev and /proc: each common cable
// trouble is named with what to do, a real process holding a port is found, and odd trees give
// "unknown" rather than a crash or a wrong claim.

#include "support/CableTree.h"
#include "support/ProcessRun.h"
#include "support/PseudoTerminal.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tevano {
namespace {

using testing::CableTree;
using testing::ProcessRun;

class PortsCliTest : public ::testing::Test {
protected:
    ProcessRun Ports(const std::string& more = "") const {
        return testing::RunCommand(testing::Quoted(TEVANO_CLI) + " ports --root " +
                                       testing::Quoted(tree_.Root()) + more,
                                   temp_);
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    testing::TempDir temp_;
    CableTree tree_{temp_.Path("machine")};
};

TEST_F(PortsCliTest, NoCableAtAll) {
    std::filesystem::create_directories(tree_.Root() + "/sys/class/tty/tty0");
    const ProcessRun run = Ports();
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "No programming cable found: plug the cable into a USB socket"))
        << run.out;
    const ProcessRun chinese = Ports(" --chinese");
    EXPECT_TRUE(Has(chinese.out, "没有找到写频线")) << chinese.out;
}

TEST_F(PortsCliTest, CableChipsWithoutAPortSayWhy) {
    // brltty runs and holds the CH340's interface through usbfs.
    tree_.AddUsbDevice("1-1", "1a86", "7523", "usbfs");
    tree_.AddProcess(77, "brltty");
    // A PL2303 that no driver took.
    tree_.AddUsbDevice("1-2", "067b", "2303", "");
    // A CH341 left without a driver by brltty's udev rules, brltty not running.
    tree_.AddUsbDevice("1-3", "1a86", "5523", "");
    tree_.AddFile("usr/lib/udev/rules.d/85-brltty.rules",
                  "# CH341\nENV{PRODUCT}==\"1a86/5523/*\", ATTRS{idVendor}==\"1a86\", "
                  "ATTRS{idProduct}==\"5523\", GOTO=\"brltty_usb_run\"\n");
    const ProcessRun run = Ports();
    EXPECT_EQ(run.status, 1) << "no cable can be used";
    const std::string& out = run.out;
    const std::size_t ch340 = out.find("CH340/CH341 cable (USB 1a86:7523, bus device 1-1)");
    const std::size_t pl2303 = out.find("PL2303 cable (USB 067b:2303, bus device 1-2)");
    const std::size_t ch341 = out.find("CH340/CH341 cable (USB 1a86:5523, bus device 1-3)");
    ASSERT_NE(ch340, std::string::npos) << out;
    ASSERT_NE(pl2303, std::string::npos) << out;
    ASSERT_NE(ch341, std::string::npos) << out;
    const std::string ch340Block = out.substr(ch340, pl2303 - ch340);
    EXPECT_TRUE(Has(ch340Block, "brltty, the service for braille displays, has taken it"));
    EXPECT_TRUE(Has(ch340Block, "sudo systemctl mask brltty-udev.service")) << ch340Block;
    const std::string pl2303Block = out.substr(pl2303, ch341 - pl2303);
    EXPECT_TRUE(Has(pl2303Block, "no driver has taken it"));
    EXPECT_TRUE(Has(pl2303Block, "sudo modprobe pl2303")) << pl2303Block;
    EXPECT_FALSE(Has(pl2303Block, "brltty"));
    EXPECT_TRUE(Has(out.substr(ch341), "brltty, the service for braille displays"));
}

TEST_F(PortsCliTest, FtdiCableWithItsLatencyTimer) {
    tree_.AddUsbDevice("3-1", "0403", "6001", "ftdi_sio", "ttyUSB1", 16);
    tree_.AddById("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB1");
    const ProcessRun run = Ports();
    EXPECT_EQ(run.status, 0) << "the test's own files are its own to open: " << run.out;
    EXPECT_TRUE(Has(run.out, "/dev/ttyUSB1\n  by-id name: "
                             "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "chip: FTDI (USB 0403:6001)"));
    EXPECT_TRUE(Has(run.out, "driver: ftdi_sio"));
    EXPECT_TRUE(Has(run.out, "latency timer: 16 ms"));
    EXPECT_TRUE(
        Has(run.out, "echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB1/latency_timer"));
}

TEST_F(PortsCliTest, PortHeldOpenByAnotherProgram) {
    std::string slave;
    const int master = testing::OpenPseudoTerminal(slave);
    ASSERT_GE(master, 0);
    // Another program with the port open: "sleep" with the pseudo-terminal as its input.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, slave.c_str(), O_RDWR | O_NOCTTY, 0);
    pid_t holder = 0;
    const char* argv[] = {"sleep", "60", nullptr};
    ASSERT_EQ(posix_spawnp(&holder, "sleep", &actions, nullptr, const_cast<char**>(argv), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);

    tree_.AddUsbDevice("1-4", "1a86", "7523", "ch341", "ttyUSB0");
    std::filesystem::remove(tree_.Root() + "/dev/ttyUSB0");
    CableTree::Link(slave, tree_.Root() + "/dev/ttyUSB0");
    CableTree::Link("/proc", tree_.Root() + "/proc");
    const std::string heldBy = "in use by: sleep (process " + std::to_string(holder) + ")";
    ProcessRun run;
    // The child opens the port once it runs.
    const bool seen = testing::WaitUntil(
        [&] {
            run = Ports();
            return Has(run.out, heldBy);
        },
        std::chrono::seconds(10));
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    close(master);
    EXPECT_TRUE(seen) << run.out;
    EXPECT_TRUE(Has(run.out, heldBy + "\n  what to do: close that program, then try again"));
    EXPECT_EQ(run.status, 0);
}

TEST_F(PortsCliTest, OddTreesGiveUnknownNotACrashOrAWrongClaim) {
    // A tty whose device link leads nowhere, a USB device link to nothing, a by-id name with
    // control bytes, a proc entry that cannot be read, and a cable chip whose interface has a
    // serial driver but no port.
    tree_.AddFile("dev/ttyUSB7", "");
    CableTree::Link("../../../devices/gone", tree_.Root() + "/sys/class/tty/ttyUSB7/device");
    CableTree::Link("../../../devices/gone-too", tree_.Root() + "/sys/bus/usb/devices/5-5");
    tree_.AddById("usb-\x1b[31mRed\x07-if00-port0", "ttyUSB7");
    tree_.AddProcess(99, "minicom");
    std::filesystem::permissions(tree_.Root() + "/proc/99/fd", std::filesystem::perms::none);
    tree_.AddUsbDevice("1-6", "10c4", "ea60", "cp210x");
    const ProcessRun run = Ports();
    std::filesystem::permissions(tree_.Root() + "/proc/99/fd", std::filesystem::perms::owner_all);
    EXPECT_LT(run.status, 2) << run.err;
    EXPECT_TRUE(Has(run.out, "/dev/ttyUSB7\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "\\x1B[31mRed\\x07")) << "control bytes are shown escaped";
    EXPECT_FALSE(Has(run.out, "\x1b"));
    EXPECT_TRUE(Has(run.out, "chip: unknown\n"));
    EXPECT_TRUE(Has(run.out, "driver: unknown"));
    EXPECT_FALSE(Has(run.out, "in use by"));
    const std::size_t cp210x = run.out.find("CP210x cable (USB 10c4:ea60, bus device 1-6)");
    ASSERT_NE(cp210x, std::string::npos);
    EXPECT_TRUE(Has(run.out.substr(cp210x), "cause: unknown"));
    EXPECT_FALSE(Has(run.out, "5-5"));
}

} // namespace
} // namespace tevano
