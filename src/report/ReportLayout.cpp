#include "report/ReportLayout.h"

#include "report/ReportTexts.h"
#include "report/ReportValues.h"

#include <array>

namespace tevano {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr int kPrintedColumns = 11; // the repeater invert and the name are not printed

// x of grid columns 0 to 10, in multiples of W, by language (English, Chinese): the Chinese
// headings are shorter.
constexpr std::array<std::array<int, kPrintedColumns>, 2> kColumnX = {{
    {1, 5, 14, 24, 32, 40, 46, 55, 64, 74, 82},
    {1, 5, 14, 25, 33, 40, 46, 54, 62, 70, 78},
}};

// y - 1.2 x L, cut to an integer, as the heading lines step down.
std::int32_t StepDownOneAndAFifth(std::int32_t y, std::int32_t lineHeight) {
    return static_cast<std::int32_t>(y - 1.2 * lineHeight);
}

std::int32_t LineHeight(const FontMetrics& metrics) {
    return metrics.height + metrics.externalLeading;
}

// Returns the y below the block.
std::int32_t DrawSettingsBlock(std::int32_t y, std::int32_t w, std::int32_t lineHeight,
                               const RadioImage& image, const ChannelForm& form, Language language,
                               ReportPainter& painter) {
    const std::vector<SettingsField> fields = SettingsFields(image, form, language);
    std::size_t next = 0;
    for (int line = 1; line <= 8; ++line) {
        for (; next < fields.size() && fields[next].line == line; ++next) {
            painter.DrawText(fields[next].x * w, y, fields[next].text);
        }
        y = line == 1 ? StepDownOneAndAFifth(y, lineHeight) : y - lineHeight;
    }
    return y;
}

// The headings of the printed columns: the grid's own headers of columns 0, 3 and 4 and the
// report's words for the others.
std::array<std::string, kPrintedColumns> ChannelHeadings(const GridControl& grid,
                                                         Language language) {
    const std::string channel = grid.TextMatrix(0, 0);
    const std::string rxTone = grid.TextMatrix(0, 3);
    const std::string txTone = grid.TextMatrix(0, 4);
    const auto word = [language](ReportTextId id) { return ReportText(id, language); };
    return {channel,
            word(ReportTextId::RxHeading),
            word(ReportTextId::TxHeading),
            rxTone,
            txTone,
            word(ReportTextId::BandwidthHeading),
            word(ReportTextId::ScanHeading),
            word(ReportTextId::TxPowerHeading),
            word(ReportTextId::OptSignalHeading),
            word(ReportTextId::PttIdHeading),
            word(ReportTextId::BusyLockHeading)};
}

void DrawChannelSection(int page, std::int32_t y, std::int32_t w, std::int32_t lineHeight,
                        const GridControl& grid, Language language, ReportPainter& painter) {
    painter.DrawText(5 * w, y, ReportText(ReportTextId::ChannelSetting, language));
    y = StepDownOneAndAFifth(y, lineHeight);
    const std::array<int, kPrintedColumns>& columnX = kColumnX[static_cast<std::size_t>(language)];
    // Each heading stands at its column's x. Spaced out with blanks in one line, the headings
    // drift from their columns with the widths of the face and the size of the sheet: in English
    // by 5 pt on A4 and 7 pt on Letter, in Chinese by 11 pt, whatever the Chinese face, since
    // every one draws its ideographs a full em wide.
    const std::array<std::string, kPrintedColumns> headings = ChannelHeadings(grid, language);
    for (std::size_t col = 0; col < headings.size(); ++col) {
        painter.DrawText(columnX[col] * w, y, headings[col]);
    }
    const ChannelSpan span = ReportPageChannels(page);
    for (int row = span.first; row <= span.last; ++row) {
        y -= lineHeight;
        for (int col = 0; col < kPrintedColumns; ++col) {
            std::string text = grid.TextMatrix(row, col);
            if (col > 0) {
                text += ' ';
            }
            painter.DrawText(columnX[static_cast<std::size_t>(col)] * w, y, text);
        }
    }
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
    DrawChannelSection(page, y, w, lineHeight, form.grid, language, painter);
    painter.RestoreFont();
    return true;
}

} // namespace tevano
