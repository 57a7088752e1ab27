// The manual pages and the bash completion cannot drift from the programs: every command and
// option that a program's --help prints is in its manual page, and the completion offers them.

#include "CommandOverview.h"

#include "support/ProcessRun.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace tevano {
namespace {

using testing::OverviewCommands;
using testing::ProcessRun;
using testing::Quoted;

// The page's text as a reader sees it: font changes gone, "\-" a plain "-".
std::string PageText(const std::string& program) {
    std::string page = testing::ReadText(std::string(TEVANO_MANUAL_DIR) + "/" + program + ".1");
    page = std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    return page;
}

// Every "-x" and "--name" in a help text.
std::set<std::string> Options(const std::string& help) {
    std::set<std::string> options;
    const std::regex option(R"((^|[\s\[(|,])(--?[A-Za-z][A-Za-z0-9-]*))");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert((*it)[2]);
    }
    return options;
}

// Whether the word stands in the text on its own, not as part of a longer option or word.
bool HasWord(const std::string& text, const std::string& word) {
    const auto isWordChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
    };
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsAlone = at == 0 || !isWordChar(text[at - 1]);
        const std::size_t end = at + word.size();
        if (startsAlone && (end == text.size() || !isWordChar(text[end]))) {
            return true;
        }
    }
    return false;
}

class ManualPagesTest : public ::testing::Test {
protected:
    std::string Help(const std::string& path, const std::string& arguments) const {
        const ProcessRun run = testing::RunCommand(
            "env QT_QPA_PLATFORM=offscreen " + Quoted(path) + " " + arguments, temp_);
        EXPECT_EQ(run.status, 0) << path << " " << arguments << "\n" << run.err;
        return run.out;
    }

    // What the completion offers after the words typed so far, the last one being completed.
    std::set<std::string> Completions(const std::string& words) const {
        const std::string script = "source " + Quoted(TEVANO_COMPLETION) + "\nCOMP_WORDS=(" +
                                   Quoted(TEVANO_CLI) + " " + words +
                                   ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_tevano_cli\n"
                                   "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
        testing::WriteBytes(temp_.Path("complete.bash"),
                            std::vector<std::uint8_t>(script.begin(), script.end()));
        const ProcessRun run =
            testing::RunCommand("bash " + Quoted(temp_.Path("complete.bash")), temp_);
        std::set<std::string> offered;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) {
            offered.insert(line);
        }
        return offered;
    }

    testing::TempDir temp_;
};

TEST_F(ManualPagesTest, EveryOptionOfTheHelpIsInTheManualPage) {
    const struct {
        const char* name;
        const char* path;
    } programs[] = {
        {"tevano", TEVANO_GUI}, {"tevano-cli", TEVANO_CLI}, {"tevano-radio", TEVANO_RADIO}};
    for (const auto& program : programs) {
        const std::string page = PageText(program.name);
        ASSERT_NE(page.find(".SH OPTIONS"), std::string::npos) << program.name;
        std::string help = Help(program.path, "--help");
        if (std::string(program.name) == "tevano-cli") {
            for (const std::string& command : OverviewCommands(help)) {
                EXPECT_TRUE(HasWord(page, command)) << "tevano-cli.1 lacks the command " << command;
                help += Help(program.path, "help " + command);
            }
        }
        const std::set<std::string> options = Options(help);
        EXPECT_GE(options.size(), 3u) << help;
        for (const std::string& option : options) {
            EXPECT_TRUE(HasWord(page, option)) << program.name << ".1 lacks " << option;
        }
    }
}

TEST_F(ManualPagesTest, TheCompletionOffersEveryCommandAndItsOptions) {
    const std::string overview = Help(TEVANO_CLI, "--help");
    const std::set<std::string> offered = Completions("''");
    for (const std::string& command : OverviewCommands(overview)) {
        EXPECT_EQ(offered.count(command), 1u) << command;
        const std::set<std::string> options = Completions(command + " x -");
        for (const std::string& option : Options(Help(TEVANO_CLI, "help " + command))) {
            EXPECT_EQ(options.count(option), 1u) << command << " " << option;
        }
    }
    EXPECT_EQ(Completions("calibrate COM1 --item tx-p"), std::set<std::string>{"tx-power"});
    EXPECT_EQ(Completions("help imp"), std::set<std::string>{"import-csv"});
}

} // namespace
} // namespace tevano
