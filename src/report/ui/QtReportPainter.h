// The settings report's painter on any Qt paint device (PDF writer, printer, print preview):
// twips become device units at the device's resolution, fonts are taken by face name with
// Qt's substitution and drawn squeezed to the report's average character width. Characters the
// face lacks (the Chinese ones) are drawn in the first of the font's fallback faces that has
// them (or the face Qt falls back to), squeezed on its own.
#pragma once

#include "report/ReportPainter.h"

#include <QFont>
#include <QPainter>

#include <map>
#include <vector>

namespace tevano {

// The font's face as Qt draws it, with its fallback faces; no size set.
QFont ReportFace(const ReportFont& font);

class QtReportPainter : public ReportPainter {
public:
    // The painter's origin is the top left corner of the page's drawing rectangle.
    QtReportPainter(QPainter& painter, int dpiX, int dpiY);

    FontMetrics SelectFont(const ReportFont& font) override;
    void RestoreFont() override;
    void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
    std::int32_t TextWidth(const std::string& text) override;

private:
    // A face as it is drawn: the font, squeezed horizontally by the scale.
    struct Face {
        QFont font;
        double scale = 1.0;
    };
    // The selected face and the average character width it was asked for, in device pixels
    // (0: as the face comes).
    struct Selection {
        Face face;
        double averageWidth = 0;
    };

    double Squeeze(double naturalAverageWidth) const;
    Face FallbackFace(const QString& run);
    double WalkRuns(const QString& text, double left, double baseline, bool draw);

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    Selection current_;
    std::vector<Selection> previous_;
    std::map<QString, Face> fallbacks_; // by family, for the face in force
};

} // namespace tevano
