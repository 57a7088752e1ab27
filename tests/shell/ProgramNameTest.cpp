#include "shell/ProgramName.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tevano {
namespace {

TEST(ProgramName, BaseNameAndDirectory) {
    struct Case {
        std::string path;
        const char* baseName;
        const char* directory;
    };
    const Case cases[] = {
        {"/usr/bin/tevano.exe", "tevano", "/usr/bin"},
        {"/opt/tevano/prog.v2.bin", "prog.v2", "/opt/tevano"},
        {"/usr/bin/tevano", "MAIN", "/usr/bin"},
        {"/opt/my.tools/tevano", "MAIN", "/opt/my.tools"}, // a dot in a directory does not count
        {"/opt/prog.exe \t\n", "prog", "/opt"},
        {"prog.exe", "prog", ""},
        {"/tevano.bin", "tevano", "/"},
        {"/opt/.hidden", "", "/opt"},
        {"/opt/dir/", "MAIN", "/opt/dir"},
        {"", "MAIN", ""},
        // Far longer than the 200 characters a fixed buffer would hold.
        {"/" + std::string(300, 'd') + "/tevano.exe", "tevano", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramBaseName(c.path), c.baseName) << c.path;
        if (c.directory) {
            EXPECT_EQ(ProgramDirectory(c.path), c.directory) << c.path;
        }
    }
}

TEST(ProgramName, RunningProgramIsThisTest) {
    const std::string path = RunningProgramPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "shell_tests");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
}

} // namespace
} // namespace tevano
