// A report painter that keeps every font selection and text in order, measuring each font
// with fixed metrics: the character height plus 40 twips, and 13 twips of external leading; a
// text is as wide as its characters at the font's average width.
#pragma once

#include "report/ReportPainter.h"

#include <ostream>
#include <string>
#include <vector>

namespace tevano::testing {

struct Draw {
    enum class Kind { Font, Restore, Text };
    Kind kind = Kind::Text;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    ReportFont font;

    bool operator==(const Draw& other) const {
        return kind == other.kind && x == other.x && y == other.y && text == other.text &&
               font.faceName == other.font.faceName && font.height == other.font.height &&
               font.averageWidth == other.font.averageWidth && font.weight == other.font.weight &&
               font.pitchAndFamily == other.font.pitchAndFamily;
    }
};

inline Draw Text(std::int32_t x, std::int32_t y, std::string text) {
    Draw draw;
    draw.x = x;
    draw.y = y;
    draw.text = std::move(text);
    return draw;
}

inline void PrintTo(const Draw& draw, std::ostream* out) {
    switch (draw.kind) {
    case Draw::Kind::Font:
        *out << "Font(" << draw.font.faceName << ", h " << draw.font.height << ", w "
             << draw.font.averageWidth << ")";
        break;
    case Draw::Kind::Restore:
        *out << "Restore";
        break;
    case Draw::Kind::Text:
        *out << "Text(" << draw.x << ", " << draw.y << ", \"" << draw.text << "\")";
        break;
    }
}

class RecordingPainter : public ReportPainter {
public:
    static constexpr std::int32_t kExtraHeight = 40;
    static constexpr std::int32_t kLeading = 13;

    FontMetrics SelectFont(const ReportFont& font) override {
        Draw draw;
        draw.kind = Draw::Kind::Font;
        draw.font = font;
        draws.push_back(draw);
        widths_.push_back(font.averageWidth);
        const std::int32_t height = font.height < 0 ? -font.height : font.height;
        return {height + kExtraHeight, kLeading};
    }
    void RestoreFont() override {
        Draw draw;
        draw.kind = Draw::Kind::Restore;
        draws.push_back(draw);
        if (!widths_.empty()) {
            widths_.pop_back();
        }
    }
    void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override {
        draws.push_back(Text(x, y, text));
    }
    std::int32_t TextWidth(const std::string& text) override {
        std::int32_t characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return characters * (widths_.empty() ? 0 : widths_.back());
    }

    std::vector<Draw> Texts() const {
        std::vector<Draw> texts;
        for (const Draw& draw : draws) {
            if (draw.kind == Draw::Kind::Text) {
                texts.push_back(draw);
            }
        }
        return texts;
    }

    std::vector<Draw> draws;

private:
    std::vector<std::int32_t> widths_; // average widths of the selected fonts, the last in force
};

} // namespace tevano::testing
