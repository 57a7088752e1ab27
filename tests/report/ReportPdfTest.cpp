// tevano-cli report as a user runs it: the PDF it writes, read back with pdftotext and pdfinfo.

#include "support/ProcessRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tevano {
namespace {

using testing::ProcessRun;
using testing::ReadText;

// One word of the text layer with its box, in PDF points.
struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

class ReportPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Shell(std::string(TEVANO_CLI) + " new '" + Path("demo.sin") + "' --demo").status,
                  0);
    }

    std::string Path(const std::string& name) const { return temp_.Path(name); }

    ProcessRun Shell(const std::string& command) const {
        return testing::RunCommand(command, temp_);
    }

    ProcessRun Report(const std::string& arguments) const {
        return Shell(std::string(TEVANO_CLI) + " report " + arguments);
    }

    // The text of each page, in reading order.
    std::vector<std::string> Pages(const std::string& pdf) const {
        const ProcessRun run = Shell("pdftotext -layout '" + pdf + "' -");
        EXPECT_EQ(run.status, 0) << "pdftotext (poppler-utils) " << run.err;
        std::vector<std::string> pages;
        std::istringstream in(run.out);
        for (std::string page; std::getline(in, page, '\f');) {
            pages.push_back(page);
        }
        return pages;
    }

    std::vector<Word> Words(const std::string& pdf, int page, double& pageWidth) const {
        const std::string html = Path("words.html");
        const ProcessRun run = Shell("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                     std::to_string(page) + " '" + pdf + "' '" + html + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string text = ReadText(html);
        std::smatch match;
        pageWidth = 0;
        if (std::regex_search(text, match, std::regex(R"re(<page width="([0-9.]+)")re"))) {
            pageWidth = std::stod(match[1]);
        }
        const std::string number = "\"([0-9.]+)\"";
        const std::regex wordPattern("<word xMin=" + number + " yMin=" + number +
                                     " xMax=" + number + " yMax=" + number + ">([^<]*)</word>");
        std::vector<Word> words;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), wordPattern);
             it != std::sregex_iterator(); ++it) {
            words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                             std::stod((*it)[4]), (*it)[5]});
        }
        return words;
    }

    static void ExpectContains(const std::string& page, const std::vector<std::string>& texts,
                               int number) {
        for (const std::string& text : texts) {
            EXPECT_NE(page.find(text), std::string::npos)
                << "page " << number << " lacks \"" << text << "\"\n"
                << page;
        }
    }

    // Words on one line follow each other without overlapping, and none leaves the sheet.
    void ExpectReadableLayout(const std::string& pdf) const {
        for (int page = 1; page <= 5; ++page) {
            double pageWidth = 0;
            const std::vector<Word> words = Words(pdf, page, pageWidth);
            ASSERT_FALSE(words.empty()) << page;
            ASSERT_GT(pageWidth, 500);
            for (std::size_t i = 0; i < words.size(); ++i) {
                EXPECT_GE(words[i].xMin, 0) << words[i].text;
                EXPECT_LE(words[i].xMax, pageWidth) << words[i].text;
                for (std::size_t j = i + 1; j < words.size(); ++j) {
                    const bool sameLine = std::abs(words[i].yMin - words[j].yMin) < 1.0;
                    const bool overlap =
                        words[i].xMin < words[j].xMax - 0.5 && words[j].xMin < words[i].xMax - 0.5;
                    EXPECT_FALSE(sameLine && overlap)
                        << "page " << page << ": \"" << words[i].text << "\" and \""
                        << words[j].text << "\" overlap";
                }
            }
        }
    }

    ::tevano::testing::TempDir temp_;
};

TEST_F(ReportPdfTest, FivePagesInEnglish) {
    const std::string pdf = Path("report.pdf");
    const ProcessRun run = Report("'" + Path("demo.sin") + "' -o '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadText(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(std::regex_search(Shell("pdfinfo '" + pdf + "'").out, std::regex("\nPages: +5\n")));

    const std::vector<std::string> pages = Pages(pdf);
    ASSERT_GE(pages.size(), 5u);
    ExpectContains(pages[0],
                   {"The Radio Settings", "Function Setting:", "Frequency Field:134 - 176MHz",
                    "Pf1:", "None", "Squelch Level:", "Vox Delay Time: 1.5s", "PTT ID: BOT",
                    "Total Tx Time(s):OFF", "Vox inhibit on recieve:Enable", "Channel Setting:",
                    "Rx(MHz)", "Opt Signal", "145.50000", "D754I", "QT/DQT", "22"},
                   1);
    ExpectContains(pages[1], {"The Second Page", "Channel Setting:", "23", "54"}, 2);
    ExpectContains(pages[2], {"The Third Page", "55", "86"}, 3);
    ExpectContains(pages[3], {"The Fourth Pages", "87", "118"}, 4);
    ExpectContains(pages[4], {"The Fifth Pages", "119", "128"}, 5);
    EXPECT_EQ(pages[4].find("118"), std::string::npos);
    ExpectReadableLayout(pdf);
}

TEST_F(ReportPdfTest, FivePagesInChinese) {
    const std::string pdf = Path("report.pdf");
    const ProcessRun run = Report("--chinese '" + Path("demo.sin") + "' -o '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> pages = Pages(pdf);
    ASSERT_GE(pages.size(), 5u);
    ExpectContains(pages[0],
                   {"整机设置", "功能设置:", "频段:134 - 176MHz", "静噪等级:", "报警音提示: 关闭",
                    "扰频器激活:打开", "接收时禁止VOX:使能", "频道设置:", "接收频率", "繁忙锁定",
                    "宽", "载波", "145.50000"},
                   1);
    ExpectContains(pages[1], {"第二页", "频道设置:"}, 2);
    ExpectContains(pages[4], {"第五页", "128"}, 5);
    ExpectReadableLayout(pdf);
}

// Every heading of the channel table starts within 6 pt of the left edge of its column's data,
// on every page and in both languages.
TEST_F(ReportPdfTest, HeadingsStandOverTheirColumns) {
    // Every channel in use and every column filled: the demo's channels 2 to 5, over and over.
    std::vector<std::uint8_t> image = testing::ReadBytes(Path("demo.sin"));
    ASSERT_EQ(image.size(), 3168u);
    for (std::size_t channel = 0; channel < 128; ++channel) {
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(16 * (1 + channel % 4)), 16,
                    image.begin() + static_cast<std::ptrdiff_t>(16 * channel));
    }
    testing::WriteBytes(Path("full.sin"), image);
    const struct {
        const char* option;
        std::vector<std::string> headings; // without their blanks, as the words join up
    } languages[] = {
        {"",
         {"CH", "Rx(MHz)", "Tx(MHz)", "RxTone", "TxTone", "W/N", "ScanAdd", "TxPower", "OptSignal",
          "PTTID", "Busy"}},
        {"--chinese ",
         {"频道", "接收频率", "发射频率", "接收信令", "发射信令", "宽/窄", "扫描添加", "发射功率",
          "可选信令", "PTTID", "繁忙锁定"}},
    };
    for (const auto& language : languages) {
        const std::string pdf = Path("full.pdf");
        ASSERT_EQ(Report(language.option + ("'" + Path("full.sin") + "' -o '" + pdf + "'")).status,
                  0);
        for (int page = 1; page <= 5; ++page) {
            double pageWidth = 0;
            std::vector<Word> words = Words(pdf, page, pageWidth);
            std::sort(words.begin(), words.end(),
                      [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
            const auto second = std::find_if(words.begin(), words.end(), [&](const Word& word) {
                return word.text == language.headings[1];
            });
            ASSERT_NE(second, words.end()) << language.option << page;
            const double headerY = second->yMin;
            // The header line's words, joined up into the headings in order.
            std::vector<double> starts;
            std::string joined;
            for (const Word& word : words) {
                if (std::abs(word.yMin - headerY) < 1.0) {
                    if (joined.empty()) {
                        starts.push_back(word.xMin);
                    }
                    joined += word.text;
                    if (starts.size() <= language.headings.size() &&
                        joined == language.headings[starts.size() - 1]) {
                        joined.clear();
                    }
                }
            }
            EXPECT_EQ(joined, "") << "headings run into each other: " << language.option << page;
            // The left edges of the columns: where the data below the headings starts.
            std::vector<double> edges;
            for (const Word& word : words) {
                if (word.yMin > headerY + 1.0 && (edges.empty() || word.xMin > edges.back() + 2)) {
                    edges.push_back(word.xMin);
                }
            }
            ASSERT_EQ(starts.size(), language.headings.size()) << language.option << page;
            ASSERT_EQ(edges.size(), language.headings.size()) << language.option << page;
            for (std::size_t i = 0; i < starts.size(); ++i) {
                EXPECT_NEAR(starts[i], edges[i], 6.0)
                    << language.option << "page " << page << " " << language.headings[i];
            }
        }
    }
}

// The body face is squeezed to 0.8 W as an average over English text, the figure the page was laid
// out with; the average a font file declares (far wider for Liberation Serif) would squeeze a
// line a quarter narrower.
TEST_F(ReportPdfTest, EnglishTextHasTheAverageWidthThePageWasLaidOutWith) {
    const std::string pdf = Path("report.pdf");
    ASSERT_EQ(Report("'" + Path("demo.sin") + "' -o '" + pdf + "'").status, 0);
    double pageWidth = 0;
    const std::vector<Word> words = Words(pdf, 1, pageWidth);
    // A word the page lacks stands at 0, which fails the checks below.
    const auto first = [&](const std::string& text) {
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&](const Word& word) { return word.text == text; });
        EXPECT_NE(found, words.end()) << text;
        return found != words.end() ? *found : Word{};
    };
    // "Function Setting:" stands at 5 W, "Type:" at 2 W.
    const double w = (first("Function").xMin - first("Type:").xMin) / 3;
    ASSERT_GT(w, 5.0);
    // The last line of the settings, "Vox inhibit on recieve:Enable", from 2 W.
    const std::string line = "Vox inhibit on recieve:Enable";
    const double width = first("recieve:Enable").xMax - first("Type:").xMin;
    EXPECT_NEAR(width / (static_cast<double>(line.size()) * 0.8 * w), 1.0, 0.1)
        << width << " pt, W " << w << " pt";
}

TEST_F(ReportPdfTest, BadInputLeavesTheTargetAlone) {
    const std::string pdf = Path("old.pdf");
    testing::WriteBytes(pdf, {'o', 'l', 'd'});
    testing::WriteBytes(Path("short.sin"), std::vector<std::uint8_t>(100, 0xFF));

    ProcessRun run = Report("'" + Path("short.sin") + "' -o '" + pdf + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("short.sin"), std::string::npos) << run.err;
    run = Report("'" + Path("missing.sin") + "' -o '" + pdf + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadText(pdf), "old");

    run = Report("'" + Path("demo.sin") + "' -o '" + Path("no/such/dir/out.pdf") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("out.pdf"), std::string::npos) << run.err;

    EXPECT_EQ(Report("'" + Path("demo.sin") + "'").status, 2);
    EXPECT_EQ(Report("-o '" + pdf + "'").status, 2);
    EXPECT_EQ(Report("'" + Path("demo.sin") + "' -o '" + pdf + "' --bogus").status, 2);
    EXPECT_EQ(ReadText(pdf), "old");
}

} // namespace
} // namespace tevano
