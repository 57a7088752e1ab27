// The five pages of the settings report: page 1 the radio-wide settings and channels 1 to 22,
// pages 2 to 5 the rest of the channel table. Positions and fonts are worked out afresh for
// every page from its rectangle and the device's resolution, so printer and preview each get
// their own sizes.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"
#include "report/ReportPainter.h"

#include <cstdint>
#include <string>

namespace tevano {

constexpr int kReportPageCount = 5;

// A page's drawing rectangle, in device pixels.
struct PageRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The two measures everything on a page derives from, in twips: the font height H, one
// forty-fifth of the page height, and the unit width W, one eightieth of the page width less
// 900 twips. Every x on the page is a multiple of W.
struct ReportGeometry {
    std::int32_t fontHeight = 0;
    std::int32_t unitWidth = 0;
};

ReportGeometry ComputeReportGeometry(const PageRect& rect, int dpiX, int dpiY);

std::string ReportPageTitle(int page, Language language);

// The channels a page lists, first and last.
struct ChannelSpan {
    int first;
    int last;
};
ChannelSpan ReportPageChannels(int page);

// Draws one page (1 to 5). The channel rows are the image's channels in the table's words and
// headers; the settings are read from the image. Draws nothing and returns false for another
// page number or a device that reports no resolution.
bool DrawReportPage(int page, const PageRect& rect, int dpiX, int dpiY, const RadioImage& image,
                    const ChannelForm& form, Language language, ReportPainter& painter);

} // namespace tevano
