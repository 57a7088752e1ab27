// tevano-cli report as a user runs it: the PDF it writes, read back with pdftotext and pdfinfo,
// laid out alike with every font set-up a machine may have.

#include "ReportPdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace tevano {
namespace {

using testing::FontSetUp;
using testing::kFontSetUps;
using testing::PdfPage;
using testing::ProcessRun;
using testing::ReadText;
using testing::Word;

// What a printer leaves unprinted at least, on every side of the sheet.
constexpr double kMarginPoints = 5.0 / 25.4 * 72.0;

// The least room between two cells of the channel table, as a share of the line's height: two
// blanks of the face, where one blank inside a cell's text stays below it.
constexpr double kLeastCellGap = 0.25;

class ReportLayoutPdfTest : public testing::ReportPdfTest {
protected:
    static void ExpectContains(const std::string& page, const std::vector<std::string>& texts,
                               int number) {
        for (const std::string& text : texts) {
            EXPECT_NE(page.find(text), std::string::npos)
                << "page " << number << " lacks \"" << text << "\"\n"
                << page;
        }
    }

    // The report of a file whose 128 channels are all in use with every column filled: the
    // demo's channels 2 to 5, over and over.
    std::string FullFile() const {
        std::vector<std::uint8_t> image = testing::ReadBytes(Path("demo.sin"));
        EXPECT_EQ(image.size(), 3168u);
        for (std::size_t channel = 0; channel < 128 && image.size() == 3168u; ++channel) {
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(16 * (1 + channel % 4)), 16,
                        image.begin() + static_cast<std::ptrdiff_t>(16 * channel));
            // The names too, 8 bytes a channel from 0x850.
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(0x850 + 8 * (1 + channel % 4)),
                        8, image.begin() + static_cast<std::ptrdiff_t>(0x850 + 8 * channel));
        }
        testing::WriteBytes(Path("full.sin"), image);
        return Path("full.sin");
    }

    // Every word lies inside the printable area and no two words of a line overlap; in the
    // channel table's rows neighbouring cells keep the least gap (a name's own blanks aside).
    void ExpectReadableLayout(const std::string& pdf, const std::string& rxHeading,
                              const std::string& nameHeading, const std::string& what) const {
        for (int number = 1; number <= 5; ++number) {
            const PdfPage page = Words(pdf, number);
            ASSERT_FALSE(page.words.empty()) << what << number;
            ASSERT_GT(page.width, 500);
            for (const Word& word : page.words) {
                EXPECT_GE(word.xMin, kMarginPoints) << what << number << " " << word.text;
                EXPECT_LE(word.xMax, page.width - kMarginPoints) << what << number << word.text;
                EXPECT_GE(word.yMin, kMarginPoints) << what << number << " " << word.text;
                EXPECT_LE(word.yMax, page.height - kMarginPoints) << what << number << word.text;
            }
            const std::vector<std::vector<Word>> lines = testing::TextLines(page.words);
            double headerTop = -1;
            double nameLeft = page.width;
            for (const std::vector<Word>& words : lines) {
                for (const Word& word : words) {
                    if (word.text == rxHeading) {
                        headerTop = word.yMin;
                    }
                    if (word.text == nameHeading) {
                        nameLeft = word.xMin;
                    }
                }
            }
            ASSERT_GT(headerTop, 0) << what << number;
            for (const std::vector<Word>& words : lines) {
                const bool row = words.front().yMin > headerTop + 1;
                for (std::size_t i = 1; i < words.size(); ++i) {
                    const Word& left = words[i - 1];
                    const Word& right = words[i];
                    EXPECT_GE(right.xMin, left.xMax - 0.01)
                        << what << "page " << number << ": \"" << left.text << "\" and \""
                        << right.text << "\" overlap";
                    if (row && right.xMin < nameLeft - 0.5) {
                        EXPECT_GE(right.xMin - left.xMax, kLeastCellGap * (left.yMax - left.yMin))
                            << what << "page " << number << ": \"" << left.text << "\" and \""
                            << right.text << "\" crowd each other";
                    }
                }
            }
        }
    }
};

TEST_F(ReportLayoutPdfTest, FivePagesInEnglish) {
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
                    "Squelch Level: 5", "Total Tx Time(s):OFF", "Channel Setting:", "Rx(MHz)",
                    "Opt Signal", "Repeat Invert", "Name", "145.50000", "D754I", "QT/DQT", "SIMPLX",
                    "Reverse", "22"},
                   1);
    ExpectContains(pages[1], {"The Second Page", "Channel Setting:", "23", "54"}, 2);
    ExpectContains(pages[2], {"The Third Page", "55", "86"}, 3);
    ExpectContains(pages[3], {"The Fourth Pages", "87", "118"}, 4);
    ExpectContains(pages[4], {"The Fifth Pages", "119", "128"}, 5);
    EXPECT_EQ(pages[4].find("118"), std::string::npos);
}

TEST_F(ReportLayoutPdfTest, FivePagesInChinese) {
    const std::string pdf = Path("report.pdf");
    const ProcessRun run = Report("--chinese '" + Path("demo.sin") + "' -o '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> pages = Pages(pdf);
    ASSERT_GE(pages.size(), 5u);
    ExpectContains(pages[0],
                   {"整机设置", "功能设置:", "频段:134 - 176MHz", "静噪等级: 5",
                    "频道设置:", "接收频率", "繁忙锁定", "中继信令反相", "名称", "宽", "载波",
                    "145.50000", "SIMPLX"},
                   1);
    ExpectContains(pages[1], {"第二页", "频道设置:"}, 2);
    ExpectContains(pages[4], {"第五页", "128"}, 5);
}

// With every font set-up, in both languages: nothing outside the printable area, cells apart by
// the gap, and every heading of the channel table starting where its column's cells start.
TEST_F(ReportLayoutPdfTest, ReadableWithEveryFontSetUp) {
    const std::string full = FullFile();
    const struct {
        const char* option;
        std::vector<std::string> headings; // without their blanks, as the words join up
    } languages[] = {
        {"",
         {"CH", "Rx(MHz)", "Tx(MHz)", "RxTone", "TxTone", "W/N", "ScanAdd", "TxPower", "OptSignal",
          "PTTID", "Busy", "RepeatInvert", "Name"}},
        {"--chinese ",
         {"频道", "接收频率", "发射频率", "接收信令", "发射信令", "宽/窄", "扫描添加", "发射功率",
          "可选信令", "PTTID", "繁忙锁定", "中继信令反相", "名称"}},
    };
    for (const FontSetUp& fonts : kFontSetUps) {
        const std::string environment = FontEnvironment("fonts", fonts.rejected);
        for (const auto& language : languages) {
            const std::string what = std::string(fonts.name) + " " + language.option + ": ";
            const std::string pdf = Path("full.pdf");
            const ProcessRun run =
                Report(language.option + ("'" + full + "' -o '" + pdf + "'"), environment);
            ASSERT_EQ(run.status, 0) << what << run.err;
            ExpectReadableLayout(pdf, language.headings[1], language.headings.back(), what);
            for (int number = 1; number <= 5; ++number) {
                const std::vector<Word> words = Words(pdf, number).words;
                const std::vector<std::vector<Word>> lines = testing::TextLines(words);
                const auto header = std::find_if(lines.begin(), lines.end(), [&](const auto& line) {
                    return std::any_of(line.begin(), line.end(), [&](const Word& word) {
                        return word.text == language.headings[1];
                    });
                });
                ASSERT_NE(header, lines.end()) << what << number;
                const double headerY = header->front().yMax;
                // The header line's words, joined up into the headings in order.
                std::vector<double> starts;
                std::string joined;
                for (const Word& word : *header) {
                    if (joined.empty()) {
                        starts.push_back(word.xMin);
                    }
                    joined += word.text;
                    if (starts.size() <= language.headings.size() &&
                        joined == language.headings[starts.size() - 1]) {
                        joined.clear();
                    }
                }
                EXPECT_EQ(joined, "") << "headings run into each other: " << what << number;
                ASSERT_EQ(starts.size(), language.headings.size()) << what << number;
                // Each heading starts where cells of its column start.
                for (std::size_t i = 0; i < starts.size(); ++i) {
                    const bool aligned =
                        std::any_of(words.begin(), words.end(), [&](const Word& word) {
                            return word.yMin > headerY && std::abs(word.xMin - starts[i]) < 1.0;
                        });
                    EXPECT_TRUE(aligned)
                        << what << "page " << number << " " << language.headings[i];
                }
            }
        }
    }
}

// The body face is squeezed to 0.8 W as an average over English text, the figure the page was laid
// out with; the average a font file declares (far wider for Liberation Serif) would squeeze a
// line a quarter narrower.
TEST_F(ReportLayoutPdfTest, EnglishTextHasTheAverageWidthThePageWasLaidOutWith) {
    const std::string pdf = Path("report.pdf");
    ASSERT_EQ(Report("'" + Path("demo.sin") + "' -o '" + pdf + "'").status, 0);
    const std::vector<Word> words = Words(pdf, 1).words;
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
    // A line of the settings, from 50 W.
    const std::string line = "Scrambler Activation:Disable";
    const double width = first("Activation:Disable").xMax - first("Scrambler").xMin;
    EXPECT_NEAR(width / (static_cast<double>(line.size()) * 0.8 * w), 1.0, 0.1)
        << width << " pt, W " << w << " pt";
}

// Without a face for the Chinese characters, the report would be empty boxes: the command says
// which package to install and writes nothing; English still prints.
TEST_F(ReportLayoutPdfTest, ChineseWithoutAChineseFontSaysWhatToInstall) {
    std::string noChinese;
    for (const char* language : {"zh-cn", "zh-tw", "zh-hk", "zh-sg", "zh-mo", "ja", "ko"}) {
        noChinese += std::string("<pattern><patelt name=\"lang\"><string>") + language +
                     "</string></patelt></pattern>";
    }
    const std::string environment = FontEnvironment("nochinese", noChinese);
    const std::string pdf = Path("report.pdf");
    ProcessRun run = Report("--chinese '" + Path("demo.sin") + "' -o '" + pdf + "'", environment);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("fonts-wqy-microhei"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
    run = Report("'" + Path("demo.sin") + "' -o '" + pdf + "'", environment);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(ReportLayoutPdfTest, BadInputLeavesTheTargetAlone) {
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
