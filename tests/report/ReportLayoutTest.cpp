#include "RecordingPainter.h"

#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "report/ReportLayout.h"
#include "support/LanguageName.h"

#include <gtest/gtest.h>

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
        ShowImage(image, form.Form(), inLanguage);
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

TEST(ReportLayout, FirstPageOfANewDocumentInEnglish) {
    Report report(Language::English);
    const std::vector<Draw> texts = report.PageTexts(1);
    const std::vector<Draw> expected = {
        Text(3354, -206, "The Radio Settings"),
        Text(5 * W, -619, "Function Setting:"),
        Text(2 * W, -1114, "Type:   "),
        Text(25 * W, -1114, "Frequency Field:134 - 176MHz"),
        Text(2 * W, -1527, "Pf1:   None"),
        Text(25 * W, -1527, "Pf2: None"),
        Text(50 * W, -1527, "Beep Warning: Disable"),
        Text(2 * W, -1940, "Squelch Level:  5"),
        Text(50 * W, -1940, "Scrambler Activation:Enable"),
        Text(2 * W, -2353, "Vox Function:Disable"),
        Text(25 * W, -2353, "Vox Gain Level: 1"),
        Text(50 * W, -2353, "Vox Delay Time: 1.5s"),
        Text(2 * W, -2766, "PTT ID: BOT"),
        Text(25 * W, -2766, "Battery Save:Disable"),
        Text(50 * W, -2766, "Total Tx Time(s):OFF"),
        Text(2 * W, -3179, "Begin of Tx:"),
        Text(35 * W, -3179, "End of Tx:  "),
        Text(2 * W, -3592, "Vox inhibit on recieve:Enable"),
        Text(5 * W, -4005, "Channel Setting:"),
        // each heading at its column's x
        Text(W, -4500, "CH"),
        Text(5 * W, -4500, "Rx(MHz)"),
        Text(14 * W, -4500, "Tx(MHz)"),
        Text(24 * W, -4500, "Rx Tone"),
        Text(32 * W, -4500, "Tx Tone"),
        Text(40 * W, -4500, "W/N"),
        Text(46 * W, -4500, "Scan Add"),
        Text(55 * W, -4500, "Tx Power"),
        Text(64 * W, -4500, "Opt Signal"),
        Text(74 * W, -4500, "PTTID"),
        Text(82 * W, -4500, "Busy"),
    };
    ASSERT_EQ(texts.size(), expected.size() + 22u * 11u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i], expected[i]) << i;
    }
    // Channel 1's row one line below the header, channel 22's at the bottom.
    EXPECT_EQ(texts[expected.size()], Text(W, -4913, "1"));
    EXPECT_EQ(texts.back(), Text(82 * W, -4500 - 22 * 413, " "));
}

TEST(ReportLayout, FirstPageOfANewDocumentInChinese) {
    Report report(Language::Chinese);
    const std::vector<Draw> texts = report.PageTexts(1);
    ASSERT_GT(texts.size(), 20u);
    const std::vector<std::string> expected = {
        "整机设置",          "功能设置:",       "机型:   ",
        "频段:134 - 176MHz", "Pf1:   无",       "Pf2: 无",
        "报警音提示: 关闭",  "静噪等级:  5",    "扰频器激活:打开",
        "Vox 功能:关闭",     "Vox 增益电平: 1", "Vox 延迟时间(秒): 1.5s",
        "PTT ID: BOT",       "电池省电:关闭",   "发射时间(s):OFF",
        "发射开始:",         "发射结束:",       "接收时禁止VOX:使能",
        "频道设置:",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i]) << i;
    }
    EXPECT_EQ(texts[16].x, 35 * W);
    // Each heading stands at its column's x, on the header line.
    const std::vector<std::pair<int, std::string>> headings = {
        {1, "频道"},      {5, "接收频率"}, {14, "发射频率"}, {25, "接收信令"},
        {33, "发射信令"}, {40, "宽/窄"},   {46, "扫描添加"}, {54, "发射功率"},
        {62, "可选信令"}, {70, "PTTID"},   {78, "繁忙锁定"}};
    ASSERT_EQ(texts.size(), expected.size() + headings.size() + 22u * 11u);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        EXPECT_EQ(texts[expected.size() + i],
                  Text(headings[i].first * W, -4500, headings[i].second))
            << i;
    }
}

TEST(ReportLayout, ChannelRowsComeFromTheGridTexts) {
    for (const Language language : {Language::English, Language::Chinese}) {
        Report report(language);
        // Texts the decode would never write: the report prints the grid as it stands.
        const std::vector<std::string> cells = {"120", "a", "b", "c", "d", "e", "f",
                                                "g",   "h", "i", "j", "k", "l"};
        for (int col = 0; col < 13; ++col) {
            report.form.grid.SetTextMatrix(120, col, cells[static_cast<std::size_t>(col)]);
        }
        const std::vector<Draw> texts = report.PageTexts(5);
        // Title, heading, the eleven column headings, then channels 119 to 128.
        const std::size_t header = 13u;
        ASSERT_EQ(texts.size(), header + 10u * 11u) << language;
        EXPECT_EQ(texts[header].text, "119");
        const std::vector<int> englishX = {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82};
        const std::vector<int> chineseX = {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78};
        const std::vector<int>& x = language == Language::English ? englishX : chineseX;
        const std::int32_t headerY = (-619 - 495); // the heading's y less 1.2 L, cut
        for (std::size_t col = 0; col < 11; ++col) {
            const Draw& draw = texts[header + 11 + col];
            const std::string text = cells[col] + (col == 0 ? "" : " ");
            EXPECT_EQ(draw, Text(x[col] * W, headerY - 2 * 413, text)) << language << col;
        }
        for (const Draw& draw : texts) {
            EXPECT_NE(draw.text, "k ") << "the repeater invert is not printed";
            EXPECT_NE(draw.text, "l ") << "the name is not printed";
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
        std::vector<std::string> numbers;
        for (const Draw& draw : texts) {
            if (draw.x == W && draw.text.find_first_not_of("0123456789") == std::string::npos) {
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
