// The settings report's painter on any Qt paint device (PDF writer, printer, print preview):
// twips become device units at the device's resolution, fonts are taken by face name with
// Qt's substitution and squeezed to the report's average character width.
#pragma once

#include "report/ReportPainter.h"

#include <QFont>
#include <QPainter>

#include <vector>

namespace tevano {

class QtReportPainter : public ReportPainter {
public:
    // The painter's origin is the top left corner of the page's drawing rectangle.
    QtReportPainter(QPainter& painter, int dpiX, int dpiY);

    FontMetrics SelectFont(const ReportFont& font) override;
    void RestoreFont() override;
    void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;

private:
    QFont MakeFont(const ReportFont& font) const;

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    std::vector<QFont> previous_;
};

} // namespace tevano
