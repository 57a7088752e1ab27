// tevano-cli as scripts use it: run as a process, judged by its output files, text and status.

#include "grid/ChannelFileOps.h"
#include "grid/HeadlessChannelForm.h"
#include "image/ChannelFile.h"
#include "support/OtherUser.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tevano {
namespace {

using testing::Lines;
using testing::ProcessRun;
using testing::ReadText;
using testing::WriteBytes;

class CliTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    ProcessRun Cli(const std::string& arguments) const {
        return testing::RunCommand(testing::Quoted(TEVANO_CLI) + " " + arguments, temp_);
    }

    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) {
                return fields;
            }
            start = tab + 1;
        }
    }

    testing::TempDir temp_;
    const std::string& dir_ = temp_.path();
};

TEST_F(CliTest, ShowPrintsTheListsAndAllRows) {
    ASSERT_EQ(Cli("new '" + Path("demo.sin") + "' --demo").status, 0);
    const ProcessRun run = Cli("show '" + Path("demo.sin") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u + 1u + 129u);
    EXPECT_NE(lines[1].find("134 - 176MHz"), std::string::npos);
    EXPECT_NE(lines[2].find("Open"), std::string::npos);
    EXPECT_EQ(lines[4].rfind("CH ", 0), 0u);
    EXPECT_NE(lines[5].find("145.00000"), std::string::npos);
    EXPECT_NE(lines[5].find("CALL"), std::string::npos);
    EXPECT_EQ(lines.back(), "128");
}

TEST_F(CliTest, ShowTsvInBothLanguages) {
    ASSERT_EQ(Cli("new '" + Path("demo.sin") + "' --demo").status, 0);
    for (const bool chinese : {false, true}) {
        const ProcessRun run =
            Cli("show '" + Path("demo.sin") + "' --tsv" + (chinese ? " --chinese" : ""));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 129u);
        for (const std::string& line : lines) {
            ASSERT_EQ(Fields(line).size(), 13u) << line;
        }
        const std::vector<std::string> header = Fields(lines[0]);
        const std::vector<std::string> first = Fields(lines[1]);
        EXPECT_EQ(header[1], chinese ? "接收频率" : "Rx Frequency");
        EXPECT_EQ(header[5], chinese ? " 宽/窄" : " W/N ");
        EXPECT_EQ(first[0], "1");
        EXPECT_EQ(first[5], chinese ? "宽" : "Wide");
        EXPECT_EQ(first[12], "CALL");
        EXPECT_EQ(Fields(lines[128])[0], "128");
    }
}

// resave gives exactly what opening the file and saving it through the document gives.
TEST_F(CliTest, ResaveEqualsOpenThenSave) {
    std::mt19937 rng(42);
    std::vector<std::uint8_t> bytes(kImageSize);
    for (std::uint8_t& b : bytes) {
        b = static_cast<std::uint8_t>(rng());
    }
    WriteBytes(Path("in.sin"), bytes);
    for (const bool chinese : {false, true}) {
        const ProcessRun run = Cli("resave '" + Path("in.sin") + "' '" + Path("out.sin") + "'" +
                                   (chinese ? " --chinese" : ""));
        ASSERT_EQ(run.status, 0) << run.err;
        RadioImage image{};
        HeadlessChannelForm form(chinese ? Language::Chinese : Language::English);
        ASSERT_TRUE(OpenChannelFile(Path("in.sin"), image, form.Form()).Ok());
        ASSERT_TRUE(SaveChannelFile(Path("expected.sin"), form.Form(), image).Ok());
        EXPECT_EQ(ReadText(Path("out.sin")), ReadText(Path("expected.sin")));
    }
}

TEST_F(CliTest, FailuresExitWithOneLineOnStderr) {
    WriteBytes(Path("short.sin"), std::vector<std::uint8_t>(3167, 0xFF));
    ASSERT_EQ(Cli("new '" + Path("good.sin") + "'").status, 0);
    const std::string cases[] = {
        "show '" + Path("missing.sin") + "'",
        "show '" + Path("short.sin") + "'",
        "resave '" + Path("short.sin") + "' '" + Path("never.sin") + "'",
        "resave '" + Path("good.sin") + "' '" + Path("no/dir/out.sin") + "'",
        "show '" + dir_ + "'",
    };
    for (const std::string& arguments : cases) {
        const ProcessRun run = Cli(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        ASSERT_FALSE(run.err.empty()) << arguments;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.err.rfind("tevano-cli: ", 0), 0u) << run.err;
    }
    struct stat info {};
    EXPECT_NE(stat(Path("never.sin").c_str(), &info), 0);
    EXPECT_NE(Cli("show '" + Path("short.sin") + "' --chinese").err.find("3168"),
              std::string::npos);
}

// A file whose mode forbids writing is not replaced, and what is not a regular file (a FIFO,
// a pipe) is refused at once instead of waited on. `timeout` ends a tool that would hang.
TEST_F(CliTest, ReadOnlyTargetsAndInputsThatAreNoFiles) {
    ASSERT_EQ(Cli("new '" + Path("good.sin") + "' --demo").status, 0);
    ASSERT_EQ(Cli("new '" + Path("locked.sin") + "'").status, 0);
    ASSERT_EQ(chmod(Path("locked.sin").c_str(), 0444), 0);
    const std::string locked = ReadText(Path("locked.sin"));
    ProcessRun run = Cli("resave '" + Path("good.sin") + "' '" + Path("locked.sin") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("tevano-cli: \"" + Path("locked.sin") + "\" is read-only: ", 0), 0u)
        << run.err;
    EXPECT_EQ(ReadText(Path("locked.sin")), locked);

    ASSERT_EQ(mkfifo(Path("pipe.sin").c_str(), 0644), 0);
    const std::string notRegular = "\"" + Path("pipe.sin") + "\" is not a regular file.\n";
    run = Cli("show '" + Path("pipe.sin") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tevano-cli: " + notRegular);
    run = Cli("resave '" + Path("good.sin") + "' '" + Path("pipe.sin") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tevano-cli: " + notRegular);
    // A pipe given as the file, as a script's process substitution gives one.
    run = testing::RunCommand(
        "cat '" + Path("good.sin") + "' | timeout 10 " + TEVANO_CLI + " show /dev/stdin", temp_);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tevano-cli: \"/dev/stdin\" is not a regular file.\n");
}

TEST_F(CliTest, MisuseExitsWithUsage) {
    EXPECT_EQ(Cli("").status, 2);
    EXPECT_EQ(Cli("show").status, 2);
    EXPECT_EQ(Cli("show a b").status, 2);
    EXPECT_EQ(Cli("frobnicate").status, 2);
    EXPECT_EQ(Cli("show x --bogus").status, 2);
    EXPECT_EQ(Cli("--help").status, 0);
}

// Files of any length and content open or are refused; none crashes the tool.
TEST_F(CliTest, AnyBytesOpenOrAreRefused) {
    std::mt19937 rng(99);
    const std::size_t sizes[] = {0, 1, 3167, 3168, 3169, 10000};
    for (std::size_t size : sizes) {
        std::vector<std::uint8_t> bytes(size);
        for (std::uint8_t& b : bytes) {
            b = static_cast<std::uint8_t>(rng());
        }
        WriteBytes(Path("any.sin"), bytes);
        const ProcessRun run = Cli("show '" + Path("any.sin") + "' --tsv");
        EXPECT_EQ(run.status, size >= kImageSize ? 0 : 1) << size;
    }
}

// An output that is an input is refused before anything is written, also by another name; an
// output named as standard output goes through the descriptor, so the log it appends to stays;
// an output that cannot be written fails the command.
TEST_F(CliTest, AnOutputNeverDestroysAnInputOrALog) {
    ASSERT_EQ(Cli("new '" + Path("radio.sin") + "' --demo").status, 0);
    const std::string radio = ReadText(Path("radio.sin"));
    ASSERT_EQ(symlink(Path("radio.sin").c_str(), Path("same.csv").c_str()), 0);
    const std::string list = "Location,Name,Frequency\n1,A,146.000000\n";
    testing::WriteText(Path("list.csv"), list);
    const std::string cases[] = {
        "export-csv '" + Path("radio.sin") + "' '" + Path("radio.sin") + "'",
        "export-csv '" + Path("radio.sin") + "' '" + Path("same.csv") + "'",
        "report '" + Path("radio.sin") + "' -o '" + Path("same.csv") + "'",
        "import-csv '" + Path("list.csv") + "' '" + Path("list.csv") + "'",
    };
    for (const std::string& arguments : cases) {
        const ProcessRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("itself, which writing would destroy"), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(ReadText(Path("radio.sin")), radio);
    EXPECT_EQ(ReadText(Path("list.csv")), list);

    const std::string exported = Cli("export-csv '" + Path("radio.sin") + "'").out;
    ASSERT_NE(exported, "");
    testing::WriteText(Path("log.txt"), "earlier\n");
    for (const char* out : {"/dev/stdout", "-"}) {
        const ProcessRun run = testing::RunCommand("(" + testing::Quoted(TEVANO_CLI) +
                                                       " export-csv '" + Path("radio.sin") + "' " +
                                                       out + " >>'" + Path("log.txt") + "')",
                                                   temp_);
        EXPECT_EQ(run.status, 0) << run.err;
    }
    EXPECT_EQ(ReadText(Path("log.txt")), "earlier\n" + exported + exported);

    const ProcessRun full = testing::RunCommand(
        "(" + testing::Quoted(TEVANO_CLI) + " export-csv '" + Path("radio.sin") + "' >/dev/full)",
        temp_);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "tevano-cli: Cannot write to standard output: No space left on device.\n");
}

// Another user's link in a shared folder (sticky, writable by all, as /tmp) is not followed by
// a save: the message, exit 1, and the file it names stays as it was.
TEST_F(CliTest, AnotherUsersLinkInASharedFolderIsRefused) {
    testing::WriteText(Path("victim"), "precious\n");
    ASSERT_EQ(mkdir(Path("shared").c_str(), 01777), 0);
    ASSERT_EQ(chmod(Path("shared").c_str(), 01777), 0);
    ASSERT_EQ(symlink(Path("victim").c_str(), Path("shared/x.sin").c_str()), 0);
    if (!testing::GiveLinkToAnotherUser(Path("shared/x.sin"))) {
        GTEST_SKIP() << testing::kNeedsAnotherUser;
    }
    for (const bool chinese : {false, true}) {
        const ProcessRun run =
            Cli("new '" + Path("shared/x.sin") + "'" + (chinese ? " --chinese" : ""));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, chinese ? "tevano-cli: \"" + Path("shared/x.sin") +
                                         "\" 是共享文件夹中属于其他用户的链接。该链接未被跟随，请另"
                                         "存到其他位置。\n"
                                   : "tevano-cli: \"" + Path("shared/x.sin") +
                                         "\" is a link owned by another user in a shared folder. "
                                         "It was not followed; save to another place.\n");
    }
    EXPECT_EQ(ReadText(Path("victim")), "precious\n");
}

} // namespace
} // namespace tevano
