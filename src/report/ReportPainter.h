// Where the settings report draws: fonts picked by face, height and average width in twips,
// texts measured and placed by their top left corner in twips (1440 per inch), y growing upwards
// so that the lines of a page go to negative y. A printer, a PDF writer or a test recorder stands
// behind it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tevano {

struct ReportFont {
    std::string faceName = "Times New Roman";
    std::int32_t height = 0;       // negative: the character height, leading not included
    std::int32_t averageWidth = 0; // average character width
    int weight = 400;              // normal
    int pitchAndFamily = 48;       // modern family, default pitch
    // Faces for the characters the face lacks, in order of preference; a painter takes the
    // first one installed that has them, and a face of its own choice only when none does.
    std::vector<std::string> fallbackFaces;
};

// A selected font's line measures, in twips.
struct FontMetrics {
    std::int32_t height = 0; // ascent plus descent
    std::int32_t externalLeading = 0;
};

class ReportPainter {
public:
    virtual ~ReportPainter() = default;

    // Selects a new font, keeping the one it replaces for RestoreFont.
    virtual FontMetrics SelectFont(const ReportFont& font) = 0;
    // Selects the font that was in force before the last SelectFont.
    virtual void RestoreFont() = 0;
    virtual void DrawText(std::int32_t x, std::int32_t y, const std::string& text) = 0;
    // How far the text reaches to the right when drawn in the selected font, in twips.
    virtual std::int32_t TextWidth(const std::string& text) = 0;
};

} // namespace tevano
