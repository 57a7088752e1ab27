#include "report/ReportLayout.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "report/ReportColumns.h"
#include "report/ReportFaces.h"
#include "report/ReportTexts.h"
#include "report/ReportValues.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tevano {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr int kPrintedColumns = kGridColumns;

// Wanted x of grid columns 0 to 10, in multiples of W, by language (English, Chinese): the
// Chinese headings are shorter. The repeater invert and the name have no x of their own; they
// follow the busy lock.
constexpr std::array<std::array<int, kPrintedColumns>, 2> kColumnX = {{
    {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82, 0, 0},
    {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78, 0, 0},
}};

// What the table shows: row 0 its headers, row n channel n's texts with its number in column 0.
using ChannelRows = std::vector<ChannelRowTexts>;

ChannelRows ShownChannelRows(const RadioImage& image, const ChannelForm& form, Language language) {
    ChannelRows rows(kChannelCount + 1);
    for (int col = 0; col < kGridColumns; ++col) {
        rows[0][static_cast<std::size_t>(col)] = ChannelHeader(col, language, form.switchedHeaders);
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        ChannelRowTexts& row = rows[static_cast<std::size_t>(channel)];
        row = DecodeChannel(image, channel, language);
        row[kColChannel] = std::to_string(channel);
    }
    return rows;
}

// The least room between two neighbouring texts of a line: two blanks of the face in use.
constexpr const char* kGap = "  ";

// The table's face is made smaller by this much a step, until its lines fit the page.
constexpr double kShrinkStep = 0.95;
constexpr double kSmallestScale = 0.3;

// y - 1.2 x L, cut to an integer, as the heading lines step down.
std::int32_t StepDownOneAndAFifth(std::int32_t y, std::int32_t lineHeight) {
    return static_cast<std::int32_t>(y - 1.2 * lineHeight);
}

std::int32_t LineHeight(const FontMetrics& metrics) {
    return metrics.height + metrics.externalLeading;
}

// Draws texts wanted at these x on one line, moved right where they would crowd each other.
void DrawLine(std::int32_t y, const std::vector<std::int32_t>& wantedX,
              const std::vector<std::string>& texts, ReportPainter& painter) {
    std::vector<std::int32_t> widths;
    for (const std::string& text : texts) {
        widths.push_back(painter.TextWidth(text));
    }
    const std::vector<std::int32_t> x = PlaceInLine(wantedX, widths, painter.TextWidth(kGap));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        painter.DrawText(x[i], y, texts[i]);
    }
}

// Returns the y below the block.
std::int32_t DrawSettingsBlock(std::int32_t y, std::int32_t w, std::int32_t lineHeight,
                               const RadioImage& image, const ChannelForm& form, Language language,
                               ReportPainter& painter) {
    const std::vector<SettingsField> fields = SettingsFields(image, form, language);
    std::size_t next = 0;
    for (int line = 1; line <= kSettingsLines; ++line) {
        std::vector<std::int32_t> wantedX;
        std::vector<std::string> texts;
        for (; next < fields.size() && fields[next].line == line; ++next) {
            wantedX.push_back(fields[next].x * w);
            texts.push_back(fields[next].text);
        }
        DrawLine(y, wantedX, texts, painter);
        y = line == 1 ? StepDownOneAndAFifth(y, lineHeight) : y - lineHeight;
    }
    return y;
}

// The headings of the printed columns: the grid's own headers of columns 0, 3, 4, 11 and 12 and
// the report's words for the others.
std::vector<std::string> ChannelHeadings(const ChannelRows& rows, Language language) {
    const auto word = [language](ReportTextId id) { return ReportText(id, language); };
    return {rows[0].at(0),
            word(ReportTextId::RxHeading),
            word(ReportTextId::TxHeading),
            rows[0].at(3),
            rows[0].at(4),
            word(ReportTextId::BandwidthHeading),
            word(ReportTextId::ScanHeading),
            word(ReportTextId::TxPowerHeading),
            word(ReportTextId::OptSignalHeading),
            word(ReportTextId::PttIdHeading),
            word(ReportTextId::BusyLockHeading),
            rows[0].at(11),
            rows[0].at(12)};
}

// The channel table's face and where its columns start, the same on every page: the widest text
// of each column over all channels decides how far the next one moves right, and the face is
// made smaller, with the columns' wanted x, until the widest line fits the page.
struct ChannelTable {
    std::vector<std::int32_t> x;
    std::int32_t lineHeight = 0;
};

std::vector<std::int32_t> ColumnWidths(const std::vector<std::string>& headings,
                                       const ChannelRows& rows, ReportPainter& painter) {
    std::vector<std::int32_t> widths;
    for (int col = 0; col < kPrintedColumns; ++col) {
        std::int32_t widest = painter.TextWidth(headings[static_cast<std::size_t>(col)]);
        for (int row = 1; row <= kChannelCount; ++row) {
            widest = std::max(widest, painter.TextWidth(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]));
        }
        widths.push_back(widest);
    }
    return widths;
}

// Selects the table's face (the caller restores it) and places the columns.
ChannelTable SelectChannelTable(const ReportFont& bodyFont, std::int32_t w, std::int32_t pageWidth,
                                const std::vector<std::string>& headings, const ChannelRows& rows,
                                Language language, ReportPainter& painter) {
    const std::array<int, kPrintedColumns>& columnX = kColumnX[static_cast<std::size_t>(language)];
    ChannelTable table;
    for (double scale = 1.0;; scale *= kShrinkStep) {
        ReportFont font = bodyFont;
        font.height = static_cast<std::int32_t>(bodyFont.height * scale);
        font.averageWidth = static_cast<std::int32_t>(bodyFont.averageWidth * scale);
        table.lineHeight = LineHeight(painter.SelectFont(font));
        std::vector<std::int32_t> wantedX;
        for (const int x : columnX) {
            wantedX.push_back(static_cast<std::int32_t>(x * w * scale));
        }
        const std::vector<std::int32_t> widths = ColumnWidths(headings, rows, painter);
        table.x = PlaceInLine(wantedX, widths, painter.TextWidth(kGap));
        if (table.x.back() + widths.back() <= pageWidth || scale * kShrinkStep < kSmallestScale) {
            return table;
        }
        painter.RestoreFont();
    }
}

void DrawChannelSection(int page, std::int32_t y, std::int32_t w, std::int32_t lineHeight,
                        std::int32_t pageWidth, const ReportFont& bodyFont, const ChannelRows& rows,
                        Language language, ReportPainter& painter) {
    painter.DrawText(5 * w, y, ReportText(ReportTextId::ChannelSetting, language));
    y = StepDownOneAndAFifth(y, lineHeight);
    // Each heading stands at its column's x, as every cell does.
    const std::vector<std::string> headings = ChannelHeadings(rows, language);
    const ChannelTable table =
        SelectChannelTable(bodyFont, w, pageWidth, headings, rows, language, painter);
    for (std::size_t col = 0; col < headings.size(); ++col) {
        painter.DrawText(table.x[col], y, headings[col]);
    }
    const ChannelSpan span = ReportPageChannels(page);
    for (int row = span.first; row <= span.last; ++row) {
        y -= table.lineHeight;
        for (int col = 0; col < kPrintedColumns; ++col) {
            painter.DrawText(table.x[static_cast<std::size_t>(col)], y, rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]);
        }
    }
    painter.RestoreFont();
}

} // namespace

ReportGeometry ComputeReportGeometry(const PageRect& rect, int dpiX, int dpiY) {
    // 32-bit integer arithmetic with truncating division, done in 64 bits so that no page
    // size can overflow it.
    const std::int64_t height = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const std::int64_t width = static_cast<std::int64_t>(rect.right) - rect.left;
    ReportGeometry geometry;
    geometry.fontHeight = static_cast<std::int32_t>((height / 45) * kTwipsPerInch / dpiY);
    geometry.unitWidth = static_cast<std::int32_t>((width * kTwipsPerInch / dpiX - 900) / 80);
    return geometry;
}

std::string ReportPageTitle(int page, Language language) {
    static constexpr std::array<ReportTextId, kReportPageCount> kTitles = {
        ReportTextId::FirstPageTitle, ReportTextId::SecondPageTitle, ReportTextId::ThirdPageTitle,
        ReportTextId::FourthPageTitle, ReportTextId::FifthPageTitle};
    if (page < 1 || page > kReportPageCount) {
        return std::string();
    }
    return ReportText(kTitles[static_cast<std::size_t>(page - 1)], language);
}

ChannelSpan ReportPageChannels(int page) {
    static constexpr std::array<ChannelSpan, kReportPageCount> kSpans = {
        {{1, 22}, {23, 54}, {55, 86}, {87, 118}, {119, 128}}};
    if (page < 1 || page > kReportPageCount) {
        return {1, 0};
    }
    return kSpans[static_cast<std::size_t>(page - 1)];
}

bool DrawReportPage(int page, const PageRect& rect, int dpiX, int dpiY, const RadioImage& image,
                    const ChannelForm& form, Language language, ReportPainter& painter) {
    if (page < 1 || page > kReportPageCount || dpiX <= 0 || dpiY <= 0) {
        return false;
    }
    const ReportGeometry geometry = ComputeReportGeometry(rect, dpiX, dpiY);
    const std::int32_t w = geometry.unitWidth;

    ReportFont titleFont;
    titleFont.fallbackFaces = ChineseReportFaces();
    titleFont.height = -geometry.fontHeight;
    titleFont.averageWidth = w;
    const std::int32_t titleLine = LineHeight(painter.SelectFont(titleFont));
    const auto titleX = static_cast<std::int32_t>((rect.right / 2) * kTwipsPerInch / dpiX - 18 * w);
    painter.DrawText(titleX, -(titleLine / 2), ReportPageTitle(page, language));
    painter.RestoreFont();
    std::int32_t y = -(titleLine / 2) - titleLine;

    ReportFont bodyFont = titleFont;
    bodyFont.averageWidth = static_cast<std::int32_t>(w * 0.8);
    const std::int32_t lineHeight = LineHeight(painter.SelectFont(bodyFont));
    if (page == 1) {
        y = DrawSettingsBlock(y, w, lineHeight, image, form, language, painter);
    }
    const auto pageWidth = static_cast<std::int32_t>(
        (static_cast<std::int64_t>(rect.right) - rect.left) * kTwipsPerInch / dpiX);
    DrawChannelSection(page, y, w, lineHeight, pageWidth, bodyFont,
                       ShownChannelRows(image, form, language), language, painter);
    painter.RestoreFont();
    return true;
}

} // namespace tevano
