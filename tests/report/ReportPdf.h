// tevano-cli report as a user runs it, for the PDF tests: the command run under a chosen font
// set-up, and the PDF read back with poppler's tools, page by page and word by word.
#pragma once

#include "support/ProcessRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tevano::testing {

// One word of the text layer with its box, in PDF points.
struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<Word> words;
};

// The fonts a machine may have for the report's Chinese: as installed here (CI installs Droid
// Sans Fallback, which Ghostscript brings, beside the program's WenQuanYi), Droid hidden, and
// WenQuanYi hidden so that the report must take the next face of its list.
struct FontSetUp {
    const char* name;
    const char* rejected; // a fontconfig <rejectfont> body; empty: nothing hidden
};
inline constexpr FontSetUp kFontSetUps[] = {
    {"as installed", ""},
    {"without Droid", "<glob>*DroidSansFallback*</glob>"},
    {"without WenQuanYi", "<glob>*wqy*</glob>"},
};

// The words of a page line by line, top to bottom, each line left to right. Words of one line
// share their middle height; faces of their own (Chinese among Latin) give them other tops.
inline std::vector<std::vector<Word>> TextLines(std::vector<Word> words) {
    std::sort(words.begin(), words.end(),
              [](const Word& a, const Word& b) { return a.yMin + a.yMax < b.yMin + b.yMax; });
    std::vector<std::vector<Word>> lines;
    for (const Word& word : words) {
        const double middle = (word.yMin + word.yMax) / 2;
        if (lines.empty() || middle > lines.back().front().yMax) {
            lines.emplace_back();
        }
        lines.back().push_back(word);
    }
    for (std::vector<Word>& line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    }
    return lines;
}

class ReportPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Shell(std::string(TEVANO_CLI) + " new '" + Path("demo.sin") + "' --demo").status,
                  0);
    }

    std::string Path(const std::string& name) const { return temp_.Path(name); }

    ProcessRun Shell(const std::string& command) const { return RunCommand(command, temp_); }

    // The environment that gives the command a fontconfig set-up hiding these fonts.
    std::string FontEnvironment(const std::string& name, const std::string& rejected) const {
        if (rejected.empty()) {
            return std::string();
        }
        const std::string file = Path(name + ".conf");
        WriteText(file, "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                        "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                        "<selectfont><rejectfont>" +
                            rejected + "</rejectfont></selectfont>\n</fontconfig>\n");
        return "FONTCONFIG_FILE=" + Quoted(file) + " ";
    }

    ProcessRun Report(const std::string& arguments, const std::string& environment = "") const {
        return Shell(environment + std::string(TEVANO_CLI) + " report " + arguments);
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

    PdfPage Words(const std::string& pdf, int page) const {
        const std::string html = Path("words.html");
        const ProcessRun run = Shell("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                     std::to_string(page) + " '" + pdf + "' '" + html + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string text = ReadText(html);
        PdfPage result;
        std::smatch match;
        if (std::regex_search(text, match,
                              std::regex(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re"))) {
            result.width = std::stod(match[1]);
            result.height = std::stod(match[2]);
        }
        const std::string number = "\"([0-9.]+)\"";
        const std::regex wordPattern("<word xMin=" + number + " yMin=" + number +
                                     " xMax=" + number + " yMax=" + number + ">([^<]*)</word>");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), wordPattern);
             it != std::sregex_iterator(); ++it) {
            result.words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                                    std::stod((*it)[4]), (*it)[5]});
        }
        return result;
    }

    TempDir temp_;
};

} // namespace tevano::testing
