#include "report/ui/QtReportPainter.h"

#include "shell/ui/QtText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace tevano {

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

QtReportPainter::QtReportPainter(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {}

QFont QtReportPainter::MakeFont(const ReportFont& font) const {
    // The face name goes through Qt's substitution once, at normal width; asking for the
    // stretched face by the requested name would let the matcher swap in a condensed family.
    QFont made(QFontInfo(QFont(ToQt(font.faceName))).family());
    // A negative height is the character height without the internal leading: Qt's pixel size.
    const double heightPixels = std::abs(font.height) * dpiY_ / kTwipsPerInch;
    made.setPixelSize(std::max(1, static_cast<int>(std::lround(heightPixels))));
    made.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    made.setKerning(false);
    if (font.averageWidth > 0) {
        // The report sets the average character width as well as the height; Qt has no such
        // request, so the face is stretched horizontally until its average width matches.
        const double natural = QFontMetricsF(made, painter_.device()).averageCharWidth();
        const double wanted = font.averageWidth * dpiX_ / kTwipsPerInch;
        if (natural > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * wanted / natural));
            made.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return made;
}

FontMetrics QtReportPainter::SelectFont(const ReportFont& font) {
    previous_.push_back(painter_.font());
    painter_.setFont(MakeFont(font));
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    FontMetrics measured;
    measured.height =
        static_cast<std::int32_t>(std::lround(metrics.height() * kTwipsPerInch / dpiY_));
    measured.externalLeading = static_cast<std::int32_t>(
        std::lround(std::max(0.0, metrics.leading()) * kTwipsPerInch / dpiY_));
    return measured;
}

void QtReportPainter::RestoreFont() {
    if (previous_.empty()) {
        return;
    }
    painter_.setFont(previous_.back());
    previous_.pop_back();
}

void QtReportPainter::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
    // Twips grow upwards and the text hangs from its top left corner; Qt draws on the baseline.
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double left = x * dpiX_ / kTwipsPerInch;
    const double top = -y * dpiY_ / kTwipsPerInch;
    painter_.drawText(QPointF(left, top + metrics.ascent()), ToQt(text));
}

} // namespace tevano
