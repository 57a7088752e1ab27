// tevano-cli finds the desktop program's MAIN.ini (its [PORTS]) where the program keeps it: beside
// a portable copy, in the user's configuration folder for an installed one. Copies of the tool
// and a module are laid out as each kind of copy has them, and a read of COM1 names the device
// the settings it found give for COM1.

#include "shell/ProgramLayout.h"

#include "support/ProcessRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tevano {
namespace {

using testing::ProcessRun;
using testing::Quoted;

class InstalledLayoutTest : public ::testing::Test {
protected:
    // tevano-cli in <root>/bin, the English module beside it or in the installation's folder.
    std::string Lay(const std::string& root, bool installed) const {
        const std::string bin = temp_.Path(root + "/bin");
        const std::string modules = installed ? bin + "/" + RelativeModuleDirectory() : bin;
        std::filesystem::create_directories(modules);
        std::filesystem::copy_file(TEVANO_CLI, bin + "/tevano-cli");
        std::filesystem::copy_file(std::string(TEVANO_BUILT_MODULE_DIR) + "/MAIN_EN.so",
                                   modules + "/MAIN_EN.so");
        std::ofstream(bin + "/MAIN.ini") << "[PORTS]\nCOM1=/nonexistent/beside-the-tool\n";
        return bin;
    }

    ProcessRun ReadCom1(const std::string& bin) const {
        return testing::RunCommand("env XDG_CONFIG_HOME=" + Quoted(temp_.Path("config")) + " " +
                                       Quoted(bin + "/tevano-cli") + " read COM1 " +
                                       Quoted(temp_.Path("read.sin")),
                                   temp_);
    }

    testing::TempDir temp_;
};

TEST_F(InstalledLayoutTest, TheToolReadsThePortsWhereTheProgramKeepsThem) {
    std::filesystem::create_directories(temp_.Path("config/tevano"));
    std::ofstream(temp_.Path("config/tevano/MAIN.ini"))
        << "[PORTS]\nCOM1=/nonexistent/in-the-users-folder\n";

    const ProcessRun portable = ReadCom1(Lay("portable", false));
    EXPECT_EQ(portable.status, 1);
    EXPECT_NE(portable.err.find("/nonexistent/beside-the-tool does not exist"), std::string::npos)
        << portable.err;

    const ProcessRun installed = ReadCom1(Lay("usr", true));
    EXPECT_EQ(installed.status, 1);
    EXPECT_NE(installed.err.find("/nonexistent/in-the-users-folder does not exist"),
              std::string::npos)
        << installed.err;
}

} // namespace
} // namespace tevano
