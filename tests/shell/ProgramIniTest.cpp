#include "shell/IniFile.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tevano {
namespace {

using testing::EnvironmentGuard;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

TEST(ProgramIni, BesideAWritableProgram) {
    TempDir dir;
    EnvironmentGuard environment;
    environment.Set("XDG_CONFIG_HOME", dir.Path("config").c_str());
    WriteText(dir.Path("tevano.ini"), "[PORTS]\nCOM1=/dev/ttyS7\n");
    {
        CIniFile ini;
        ASSERT_TRUE(OpenProgramIni(ini, "tevano.ini", dir.path()));
        EXPECT_EQ(ini.Path(), dir.Path("tevano.ini"));
        EXPECT_EQ(ini.GetValue("PORTS", "COM1", ""), "/dev/ttyS7");
        ini.SetValue("MAIN", "LANGUAGE", "tevano_CH");
    }
    // Saved at destruction, into the program's directory.
    EXPECT_EQ(ReadText(dir.Path("tevano.ini")),
              "[PORTS]\nCOM1=/dev/ttyS7\n[MAIN]\nLANGUAGE=tevano_CH\n");
    EXPECT_EQ(ReadText(dir.Path("config/tevano/tevano.ini")), "");
}

TEST(ProgramIni, UserConfigDirectoryWhenTheProgramDirectoryCannotHoldTheFile) {
    TempDir dir;
    WriteText(dir.Path("regular"), "not a directory");
    EnvironmentGuard environment;
    environment.Set("XDG_CONFIG_HOME", dir.Path("config").c_str());
    for (const std::string& programDirectory : {dir.Path("missing"), dir.Path("regular")}) {
        {
            CIniFile ini;
            ASSERT_TRUE(OpenProgramIni(ini, "tevano.ini", programDirectory)) << programDirectory;
            EXPECT_EQ(ini.Path(), dir.Path("config/tevano/tevano.ini"));
            // A language choice made now is there at the next start.
            ini.SetValue("MAIN", "LANGUAGE_FORCE", "1");
        }
        CIniFile next;
        ASSERT_TRUE(OpenProgramIni(next, "tevano.ini", programDirectory));
        EXPECT_EQ(next.GetValue("MAIN", "LANGUAGE_FORCE", ""), "1");
    }
}

TEST(ProgramIni, ConfigDirectoryFollowsXdgThenHome) {
    TempDir dir;
    EnvironmentGuard environment;
    environment.Set("HOME", dir.Path("home").c_str());
    environment.Set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(UserConfigDirectory(), dir.Path("home/.config/tevano"));
    // A relative XDG_CONFIG_HOME is not a valid one.
    environment.Set("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(UserConfigDirectory(), dir.Path("home/.config/tevano"));
    environment.Set("XDG_CONFIG_HOME", "");
    EXPECT_EQ(UserConfigDirectory(), dir.Path("home/.config/tevano"));

    CIniFile ini;
    ASSERT_TRUE(OpenProgramIni(ini, "tevano.ini", dir.Path("missing")));
    EXPECT_EQ(ini.Path(), dir.Path("home/.config/tevano/tevano.ini"));
}

TEST(ProgramIni, NowhereToReadOrWrite) {
    TempDir dir;
    WriteText(dir.Path("regular"), "");
    EnvironmentGuard environment;
    environment.Set("XDG_CONFIG_HOME", dir.Path("regular/config").c_str());
    CIniFile ini;
    EXPECT_FALSE(OpenProgramIni(ini, "tevano.ini", dir.Path("missing")));
    EXPECT_EQ(ini.Path(), "");
    EXPECT_EQ(ini.GetValue("PORTS", "COM1", "/dev/ttyUSB0"), "/dev/ttyUSB0");
    // A save names the user's folder, where the settings belong, and why it could not be made.
    EXPECT_EQ(ini.PathTried(), dir.Path("regular/config/tevano/tevano.ini"));
    EXPECT_EQ(ini.LoadFailure().systemError, ENOTDIR);
}

} // namespace
} // namespace tevano
