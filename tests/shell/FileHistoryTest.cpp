#include "shell/FileHistory.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::EnvironmentGuard;
using testing::TempDir;

// Any name a file can have comes back from the settings file as it went in, though the file
// cuts values at "//", "/*" and TAB ";" and trims blanks and line ends.
TEST(FileHistory, EveryPathComesBackInTheNextRun) {
    TempDir dir;
    EnvironmentGuard environment;
    environment.Set("XDG_CONFIG_HOME", dir.Path("config").c_str());
    const std::vector<std::string> odd = {"/radios/a//b.sin",    "/radios/*old*/c.sin",
                                          "/radios/tab\t;x.sin", "/radios/100%25 d.sin",
                                          " /radios/blank.sin ", "/radios/line\nbreak.sin",
                                          "/radios/中文.sin"};
    {
        FileHistory history;
        ASSERT_TRUE(history.Open());
        for (const std::string& path : odd) {
            history.Add(path);
        }
        history.SetFolder(FileKind::ChannelList, "/lists//*x*/");
    }
    FileHistory next;
    ASSERT_TRUE(next.Open());
    // The newest four, newest first.
    EXPECT_EQ(next.Files(), (std::vector<std::string>{odd[6], odd[5], odd[4], odd[3]}));
    EXPECT_EQ(next.Folder(FileKind::ChannelList), "/lists//*x*/");
    EXPECT_EQ(next.Folder(FileKind::ChannelData), "");
}

} // namespace
} // namespace tevano
