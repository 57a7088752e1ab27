// Where the program keeps MAIN.ini follows from where its modules lie: beside a portable program
// (the build tree, a copy on a USB stick), in the user's configuration folder for an installed
// one, whoever runs it and whether or not it could write beside itself.

#include "shell/ProgramLayout.h"
#include "shell/IniFile.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tevano {
namespace {

using testing::EnvironmentGuard;
using testing::ReadText;
using testing::TempDir;

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class ProgramLayoutTest : public ::testing::Test {
protected:
    ProgramLayoutTest() {
        std::filesystem::create_directories(moduleFolder_);
        environment_.Set("XDG_CONFIG_HOME", dir_.Path("config").c_str());
    }

    // A module is looked for, never loaded: any file of its name will do.
    void PutModule(const std::string& folder, const std::string& name) const {
        testing::WriteBytes(folder + "/" + name, {'m'});
    }

    // The program's settings as it opens them at start, a language choice saved at its end.
    std::string OpenAndSave() const {
        CIniFile ini;
        const ProgramLayout layout = FindProgramLayout(bin_, "MAIN");
        if (!OpenProgramIni(ini, "MAIN.ini", layout)) {
            return "";
        }
        ini.SetValue("MAIN", "LANGUAGE_FORCE", "1");
        return ini.Path();
    }

    TempDir dir_;
    EnvironmentGuard environment_;
    const std::string bin_ = dir_.Path("usr/bin");
    const std::string moduleFolder_ = bin_ + "/" + RelativeModuleDirectory();
    const std::string userIni_ = dir_.Path("config/tevano/MAIN.ini");
};

TEST_F(ProgramLayoutTest, ModulesBesideTheProgramMakeItPortable) {
    PutModule(moduleFolder_, "MAIN_EN.so");
    PutModule(bin_, "MAIN_CH.so"); // either language's module decides; beside comes first
    EXPECT_EQ(FindProgramLayout(bin_, "MAIN").kind, ProgramInstall::Portable);
    EXPECT_EQ(OpenAndSave(), bin_ + "/MAIN.ini");
    EXPECT_EQ(ReadText(bin_ + "/MAIN.ini"), "[MAIN]\nLANGUAGE_FORCE=1\n");
    EXPECT_FALSE(Exists(userIni_));
}

TEST_F(ProgramLayoutTest, ModulesOfAnInstallationKeepTheSettingsInTheUsersFolder) {
    PutModule(moduleFolder_, "MAIN_EN.so");
    EXPECT_EQ(FindProgramLayout(bin_, "MAIN").kind, ProgramInstall::Installed);
    // The program's folder is writable, as /usr/bin is for root: the settings still go to the
    // user's folder, and nothing is made beside the program.
    ASSERT_EQ(access(bin_.c_str(), W_OK), 0);
    EXPECT_EQ(OpenAndSave(), userIni_);
    EXPECT_EQ(ReadText(userIni_), "[MAIN]\nLANGUAGE_FORCE=1\n");
    EXPECT_FALSE(Exists(bin_ + "/MAIN.ini"));

    // A configuration folder that cannot be made: no settings, rather than a file beside it.
    testing::WriteBytes(dir_.Path("regular"), {});
    environment_.Set("XDG_CONFIG_HOME", dir_.Path("regular/config").c_str());
    EXPECT_EQ(OpenAndSave(), "");
    EXPECT_FALSE(Exists(bin_ + "/MAIN.ini"));
}

// A lone copy of a tool, or an installation whose modules are gone: it reads a settings file
// beside itself, but makes none there.
TEST_F(ProgramLayoutTest, WithoutModulesAFileBesideIsUsedButNoneIsMade) {
    PutModule(moduleFolder_, "prog_EN.so"); // another program's name
    EXPECT_EQ(FindProgramLayout(bin_, "MAIN").kind, ProgramInstall::NoModules);
    EXPECT_EQ(FindProgramLayout(bin_, "prog").kind, ProgramInstall::Installed);
    EXPECT_EQ(OpenAndSave(), userIni_);
    EXPECT_FALSE(Exists(bin_ + "/MAIN.ini"));

    testing::WriteBytes(bin_ + "/MAIN.ini", {});
    EXPECT_EQ(OpenAndSave(), bin_ + "/MAIN.ini");
    EXPECT_EQ(ReadText(bin_ + "/MAIN.ini"), "[MAIN]\nLANGUAGE_FORCE=1\n");
}

} // namespace
} // namespace tevano
