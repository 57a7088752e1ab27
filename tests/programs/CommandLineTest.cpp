// The command-line conventions of the three programs: --help and --version answered on stdout
// with status 0 (the desktop program's without a display), every tevano-cli command's own help
// in both forms, and an unknown option that names itself with status 2.

#include "CommandOverview.h"

#include "support/ProcessRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace tevano {
namespace {

using testing::OverviewCommands;
using testing::ProcessRun;
using testing::Quoted;

struct Program {
    const char* name;
    const char* path;
};

const Program kPrograms[] = {
    {"tevano", TEVANO_GUI},
    {"tevano-cli", TEVANO_CLI},
    {"tevano-radio", TEVANO_RADIO},
};

class CommandLineTest : public ::testing::Test {
protected:
    // No display of any kind: a program that needed one could not start.
    ProcessRun WithoutDisplay(const std::string& path, const std::string& arguments) const {
        return testing::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                       Quoted(path) + " " + arguments,
                                   temp_);
    }

    ProcessRun Cli(const std::string& arguments) const {
        return testing::RunCommand(Quoted(TEVANO_CLI) + " " + arguments, temp_);
    }

    testing::TempDir temp_;
};

TEST_F(CommandLineTest, EveryProgramAnswersHelpAndVersionWithoutADisplay) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const ProcessRun help = WithoutDisplay(program.path, "--help");
        EXPECT_EQ(help.status, 0) << help.err;
        EXPECT_EQ(help.out.rfind(std::string("usage: ") + program.name + " ", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
        const ProcessRun shortHelp = WithoutDisplay(program.path, "-h");
        EXPECT_EQ(shortHelp.status, 0);
        EXPECT_EQ(shortHelp.out, help.out);

        const ProcessRun version = WithoutDisplay(program.path, "--version");
        EXPECT_EQ(version.status, 0) << version.err;
        EXPECT_EQ(version.out, std::string(program.name) + " " + TEVANO_PROJECT_VERSION + "\n");
        EXPECT_EQ(version.err, "");
    }
}

TEST_F(CommandLineTest, AnUnknownOptionNamesItself) {
    const std::vector<std::string> cases = {
        "env QT_QPA_PLATFORM=offscreen " + Quoted(TEVANO_GUI) + " --bogus",
        "env QT_QPA_PLATFORM=offscreen " + Quoted(TEVANO_GUI) + " file.sin --bogus",
        Quoted(TEVANO_RADIO) + " --bogus",
        Quoted(TEVANO_RADIO) + " --baud 0 --bogus",
        Quoted(TEVANO_CLI) + " --bogus",
        Quoted(TEVANO_CLI) + " show file.sin --bogus",
        Quoted(TEVANO_CLI) + " read COM1 file.sin --bogus",
        Quoted(TEVANO_CLI) + " calibrate COM1 --item tx-power --bogus",
        Quoted(TEVANO_CLI) + " import-csv - file.sin --bogus",
    };
    for (const std::string& command : cases) {
        const ProcessRun run = testing::RunCommand(command, temp_);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find("unknown option --bogus\n"), std::string::npos) << command << "\n"
                                                                               << run.err;
        EXPECT_EQ(run.err.find("needs a value"), std::string::npos) << command << "\n" << run.err;
        EXPECT_EQ(run.out, "") << command;
    }
    // A known option without its value says so, with the value's name.
    const ProcessRun missing = Cli("read COM1 file.sin --retries");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("tevano-cli: option --retries needs a value (N)\n", 0), 0u)
        << missing.err;
}

// An escape sequence on the command line reaches the terminal as text, not as a command to it.
TEST_F(CommandLineTest, ControlBytesOnTheCommandLineAreShownEscaped) {
    const std::string escape = "\"$(printf '\\033')\"";
    const struct {
        std::string command;
        std::string named;
    } cases[] = {
        {Quoted(TEVANO_CLI) + " " + escape + "[2J", "tevano-cli: unknown command \\x1B[2J\n"},
        {"env QT_QPA_PLATFORM=offscreen " + Quoted(TEVANO_GUI) + " --bo" + escape + "gus",
         "tevano: unknown option --bo\\x1Bgus\n"},
        {Quoted(TEVANO_RADIO) + " --bo" + escape + "gus",
         "tevano-radio: unknown option --bo\\x1Bgus\n"},
        {Quoted(TEVANO_RADIO) + " --baud 1" + escape,
         "tevano-radio: bad value for --baud: 1\\x1B\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun run = testing::RunCommand(c.command, temp_);
        EXPECT_EQ(run.status, 2) << c.command;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.command << "\n" << run.err;
        EXPECT_EQ(run.err.find('\033'), std::string::npos) << c.command;
    }
}

// Without a display the desktop program still answers its command line on stderr, with the
// statuses of its manual page, instead of ending in Qt's abort.
TEST_F(CommandLineTest, TheDesktopProgramWithoutADisplayAnswersOnStderr) {
    const ProcessRun noFile = WithoutDisplay(TEVANO_GUI, "--print");
    EXPECT_EQ(noFile.status, 2);
    EXPECT_NE(noFile.err.find("tevano: the print switch needs the channel data file to print"),
              std::string::npos)
        << noFile.err;
    const ProcessRun unknown = WithoutDisplay(TEVANO_GUI, "-style fusion --bogus");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("tevano: unknown option --bogus\n"), std::string::npos)
        << unknown.err;
    const ProcessRun print = WithoutDisplay(TEVANO_GUI, "--print radio.sin");
    EXPECT_EQ(print.status, 1);
    EXPECT_NE(print.err.find("tevano: no display can be reached"), std::string::npos) << print.err;

    // Under the offscreen platform a file that cannot be printed is told on stderr, not in a
    // message box that nobody sees.
    const ProcessRun missing =
        testing::RunCommand("timeout 60 env QT_QPA_PLATFORM=offscreen " + Quoted(TEVANO_GUI) +
                                " --print " + Quoted(temp_.Path("missing.sin")),
                            temp_);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.sin"), std::string::npos) << missing.err;
}

TEST_F(CommandLineTest, EveryCommandHasItsOwnHelp) {
    const ProcessRun overview = Cli("--help");
    ASSERT_EQ(overview.status, 0);
    const std::vector<std::string> commands = OverviewCommands(overview.out);
    ASSERT_NE(std::find(commands.begin(), commands.end(), "show"), commands.end()) << overview.out;
    ASSERT_NE(std::find(commands.begin(), commands.end(), "import-csv"), commands.end());
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        const ProcessRun help = Cli("help " + command);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.rfind("usage: tevano-cli " + command + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("\noptions:\n"), std::string::npos) << help.out;
        // Asked for after the command, among other arguments, it is the same text.
        EXPECT_EQ(Cli(command + " --help").out, help.out);
        EXPECT_EQ(Cli(command + " FILE -h").out, help.out);
    }
    const ProcessRun unknown = Cli("help frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("tevano-cli: unknown command frobnicate\n", 0), 0u);
    EXPECT_EQ(Cli("help").out, overview.out);
}

} // namespace
} // namespace tevano
