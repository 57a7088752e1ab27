#include "report/ui/QtReportPainter.h"

#include "base/ui/QtText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tevano {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// How often each lowercase letter and the blank occur in English text, per 1000 characters: the
// weights of the average character width in the first version of the OpenType OS/2 table.
struct CharacterWeight {
    char character;
    int perThousand;
};
constexpr CharacterWeight kAverageWidthWeights[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
};

// The average character width the report's layout was made for. The figure a font file declares
// is no use: later table versions average every glyph, so that a metric-compatible face such as
// Liberation Serif declares 1124/2048 em where the weighted letters give 821.8/2048 em, and the
// report's lines would come out a quarter narrower than its columns.
double WeightedAverageWidth(const QFontMetricsF& metrics) {
    double sum = 0;
    for (const CharacterWeight& weight : kAverageWidthWeights) {
        sum += metrics.horizontalAdvance(QChar(weight.character)) * weight.perThousand;
    }
    return sum / 1000.0;
}

// The ideograph "middle", as wide as every other one of its face.
const QChar kIdeograph(0x4E2D);

} // namespace

QFont ReportFace(const ReportFont& font) {
    QFont face(QFontInfo(QFont(ToQt(font.faceName))).family());
    // The characters the face lacks come from the report's own faces, in their order, before
    // any face the system would pick.
    QStringList families{face.family()};
    for (const std::string& fallback : font.fallbackFaces) {
        families.append(ToQt(fallback));
    }
    face.setFamilies(families);
    return face;
}

QtReportPainter::QtReportPainter(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {
    current_.face.font = painter_.font();
}

// The report sets the average character width as well as the height; Qt has no such request,
// so the face is drawn squeezed horizontally until its average width matches.
double QtReportPainter::Squeeze(double natural) const {
    return current_.averageWidth > 0 && natural > 0 ? current_.averageWidth / natural : 1.0;
}

FontMetrics QtReportPainter::SelectFont(const ReportFont& font) {
    previous_.push_back(current_);
    // The face name goes through Qt's substitution once; asking Qt for the face by the requested
    // name at another width would let the matcher swap in a condensed family.
    QFont made = ReportFace(font);
    // A negative height is the character height without the internal leading: Qt's pixel size.
    const double heightPixels = std::abs(font.height) * dpiY_ / kTwipsPerInch;
    made.setPixelSize(std::max(1, static_cast<int>(std::lround(heightPixels))));
    made.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    made.setKerning(false);
    current_.averageWidth = std::max(0.0, font.averageWidth * dpiX_ / kTwipsPerInch);
    current_.face = {made, Squeeze(WeightedAverageWidth(QFontMetricsF(made, painter_.device())))};
    painter_.setFont(made);
    fallbacks_.clear();
    const QFontMetricsF metrics(made, painter_.device());
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
    current_ = previous_.back();
    previous_.pop_back();
    painter_.setFont(current_.face.font);
    fallbacks_.clear();
}

// Characters the face lacks are drawn by Qt in another face, which would come out squeezed by
// the selected face's factor whatever its own widths. The face Qt falls back to is found and
// squeezed on its own: a Chinese face is laid out in half-width cells, an ideograph filling
// two, and its average width is the cell, so that an ideograph comes out twice the report's
// average width, as the report was laid out for.
QtReportPainter::Face QtReportPainter::FallbackFace(const QString& run) {
    const QFont& font = current_.face.font;
    QTextLayout layout(run, font, painter_.device());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QString ownFamily = QFontInfo(font).family();
    for (const QGlyphRun& glyphs : layout.glyphRuns()) {
        const QString family = glyphs.rawFont().familyName();
        if (family == ownFamily) {
            continue;
        }
        auto found = fallbacks_.find(family);
        if (found == fallbacks_.end()) {
            QFont fallback(family);
            fallback.setPixelSize(font.pixelSize());
            fallback.setWeight(font.weight());
            fallback.setKerning(false);
            const double cell =
                QFontMetricsF(fallback, painter_.device()).horizontalAdvance(kIdeograph) / 2;
            found = fallbacks_.emplace(family, Face{fallback, Squeeze(cell)}).first;
        }
        return found->second;
    }
    return current_.face;
}

// Runs of characters the face has and of characters it lacks, each in its own face: drawn from
// the point x on the baseline when a draw is asked for, measured either way. Returns the right
// end of the last run.
double QtReportPainter::WalkRuns(const QString& all, double left, double baseline, bool draw) {
    const QRawFont own = QRawFont::fromFont(current_.face.font);
    qsizetype start = 0;
    while (start < all.size()) {
        const bool inOwn = own.supportsCharacter(all.at(start));
        qsizetype end = start + 1;
        while (end < all.size() && own.supportsCharacter(all.at(end)) == inOwn) {
            ++end;
        }
        const QString run = all.mid(start, end - start);
        const Face face = inOwn ? current_.face : FallbackFace(run);
        if (draw) {
            painter_.save();
            painter_.translate(left, baseline);
            painter_.scale(face.scale, 1.0);
            painter_.setFont(face.font);
            painter_.drawText(QPointF(0, 0), run);
            painter_.restore();
        }
        left += face.scale * QFontMetricsF(face.font, painter_.device()).horizontalAdvance(run);
        start = end;
    }
    return left;
}

void QtReportPainter::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
    // Twips grow upwards and the text hangs from its top left corner; Qt draws on the baseline.
    const QFontMetricsF metrics(current_.face.font, painter_.device());
    const double left = x * dpiX_ / kTwipsPerInch;
    const double baseline = -y * dpiY_ / kTwipsPerInch + metrics.ascent();
    WalkRuns(ToQt(text), left, baseline, true);
}

std::int32_t QtReportPainter::TextWidth(const std::string& text) {
    const double pixels = WalkRuns(ToQt(text), 0, 0, false);
    return static_cast<std::int32_t>(std::ceil(pixels * kTwipsPerInch / dpiX_));
}

} // namespace tevano
