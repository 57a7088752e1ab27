#include "RecordingPainter.h"

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/HeadlessChannelForm.h"
#include "report/ReportLayout.h"
#include "support/LanguageName.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tevano {
namespace {

using testing::Draw;
using testing::RecordingPainter;
using testing::Text;

// An A4 printable area at 600 dpi: H = (6779 / 45) x 1440 / 600 = 360 twips and
// W = (4760 x 1440 / 600 - 900) / 80 = 131 twips. With the recorder's metrics both fonts
// measure 360 + 40 + 13 = 413 twips a line.
constexpr PageRect kA4{0, 0, 4760, 6779};
constexpr int kDpi = 600;
constexpr std::int32_t W = 131;

struct Report {
    explicit Report(Language inLanguage) : language(inLanguage), form(inLanguage) {
        MakeNewImage(image);
        ShowImage(image, form.Form());
    }

    std::vector<Draw> Page(int page, const PageRect& rect = kA4, int dpiX = kDpi, int dpiY = kDpi) {
        RecordingPainter painter;
        EXPECT_TRUE(DrawReportPage(page, rect, dpiX, dpiY, image, form.Form(), language, painter));
        return painter.draws;
    }
    std::vector<Draw> PageTexts(int page) {
        RecordingPainter painter;
        EXPECT_TRUE(DrawReportPage(page, kA4, kDpi, kDpi, image, form.Form(), language, painter));
        return painter.Texts();
    }

    Language language;
    RadioImage image{};
    HeadlessChannelForm form;
};

TEST(ReportGeometry, IntegerArithmeticOfThePage) {
    ReportGeometry geometry = ComputeReportGeometry(kA4, kDpi, kDpi);
    EXPECT_EQ(geometry.fontHeight, 360); // not 361, which one division would give
    EXPECT_EQ(geometry.unitWidth, W);
    geometry = ComputeReportGeometry({100, 50, 4860, 6829}, 300, 600);
    EXPECT_EQ(geometry.fontHeight, 360);
    EXPECT_EQ(geometry.unitWidth, 274);
}

TEST(ReportLayout, FontsAndTitle) {
    Report report(Language::English);
    const std::vector<Draw> draws = report.Page(2);
    ASSERT_GE(draws.size(), 4u);
    EXPECT_EQ(draws[0].kind, Draw::Kind::Font);
    EXPECT_EQ(draws[0].font.faceName, "Times New Roman");
    EXPECT_EQ(draws[0].font.height, -360);
    EXPECT_EQ(draws[0].font.averageWidth, W);
    EXPECT_EQ(draws[0].font.weight, 400);
    EXPECT_EQ(draws[0].font.pitchAndFamily, 48);
    // x = (4760 / 2) x 1440 / 600 - 18 W, y = -(L1 / 2) with L1 = 413.
    EXPECT_EQ(draws[1], Text(3354, -206, "The Second Page"));
    EXPECT_EQ(draws[2].kind, Draw::Kind::Restore);
    EXPECT_EQ(draws[3].kind, Draw::Kind::Font);
    EXPECT_EQ(draws[3].font.height, -360);
    EXPECT_EQ(draws[3].font.averageWidth, 104); // 0.8 W, cut
    EXPECT_EQ(draws.back().kind, Draw::Kind::Restore);
    // Pages 2 to 5 start the channel section right below the title.
    EXPECT_EQ(draws[4], Text(5 * W, -619, "Channel Setting:"));

    // The title's x comes from the rectangle's right edge, the widths from its size.
    const std::vector<Draw> shifted = report.Page(3, {100, 50, 4860, 6829}, 300, 600);
    EXPECT_EQ(shifted[1], Text(4860 / 2 * 1440 / 300 - 18 * 274, -206, "The Third Page"));
}

TEST(ReportLayout, ChannelRowsAreTheTablesTexts) {
    for (const Language language : {Language::English, Language::Chinese}) {
        Report report(language);
        ChannelRowTexts row120;
        row120[kColRxFrequency] = "145.50000";
        row120[kColRxTone] = "88.5";
        row120[kColBandwidth] = "Narrow";
        row120[kColRepeatInvert] = "Reverse";
        row120[kColName] = "R-120";
        WriteChannel(ParseChannel(row120, report.image, 120), 120, report.image);
        // The repeater invert and the name included, in the report's language.
        std::vector<std::string> cells = {"120"};
        for (const std::string& cell : DecodeChannel(report.image, 120, language)) {
            cells.push_back(cell);
        }
        cells.erase(cells.begin() + 1); // the decode's empty column 0
        const std::vector<Draw> texts = report.PageTexts(5);
        const auto row = std::find_if(texts.begin(), texts.end(),
                                      [](const Draw& draw) { return draw.text == "120"; });
        ASSERT_GE(texts.end() - row, 13) << language;
        for (std::size_t col = 0; col < cells.size(); ++col) {
            EXPECT_EQ(row[static_cast<std::ptrdiff_t>(col)].text, cells[col]) << language << col;
            EXPECT_EQ(row[static_cast<std::ptrdiff_t>(col)].y, row->y) << language << col;
        }
    }
}

TEST(ReportLayout, EachPageListsItsChannels) {
    Report report(Language::English);
    const struct {
        int page;
        const char* title;
        int first;
        int count;
    } pages[] = {
        {1, "The Radio Settings", 1, 22}, {2, "The Second Page", 23, 32},
        {3, "The Third Page", 55, 32},    {4, "The Fourth Pages", 87, 32},
        {5, "The Fifth Pages", 119, 10},
    };
    for (const auto& page : pages) {
        const std::vector<Draw> texts = report.PageTexts(page.page);
        EXPECT_EQ(texts.front().text, page.title);
        // The channel numbers stand below the heading of the first column.
        const auto heading = std::find_if(texts.begin(), texts.end(),
                                          [](const Draw& draw) { return draw.text == "CH"; });
        ASSERT_NE(heading, texts.end());
        std::vector<std::string> numbers;
        for (const Draw& draw : texts) {
            if (draw.x == heading->x &&
                draw.text.find_first_not_of("0123456789") == std::string::npos) {
                numbers.push_back(draw.text);
            }
        }
        ASSERT_EQ(numbers.size(), static_cast<std::size_t>(page.count)) << page.page;
        EXPECT_EQ(numbers.front(), std::to_string(page.first));
        EXPECT_EQ(numbers.back(), std::to_string(page.first + page.count - 1));
    }
}

TEST(ReportLayout, ListsWithoutACurrentEntryPrintNothing) {
    Report report(Language::English);
    report.form.type.SetCurSel(-1);
    report.form.field.SetCurSel(-1);
    const std::vector<Draw> texts = report.PageTexts(1);
    EXPECT_EQ(texts[2].text, "Type:   ");
    EXPECT_EQ(texts[3].text, "Frequency Field:");
}

TEST(ReportLayout, NoPageOutsideOneToFiveAndNoDeviceWithoutResolution) {
    Report report(Language::English);
    for (auto [page, dpiX, dpiY] : {std::tuple{0, kDpi, kDpi},
                                    {6, kDpi, kDpi},
                                    {1, 0, kDpi},
                                    {1, kDpi, 0},
                                    {-1, kDpi, kDpi}}) {
        RecordingPainter painter;
        EXPECT_FALSE(DrawReportPage(page, kA4, dpiX, dpiY, report.image, report.form.Form(),
                                    Language::English, painter));
        EXPECT_TRUE(painter.draws.empty());
    }
}

} // namespace
} // namespace tevano
