#include "testmode/TestModeTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of TestModeTreeItem.
constexpr std::array<TextPair, kTestModeTreeItemCount> kTreeTexts = {{
    {"Debug Frequency", "调试频率"},
    {"High Frequency", "高端频率"},
    {"Middle Frequency", "中间频率"},
    {"Low Frequency", "低端频率"},
    {"Debug Item", "调试项目"},
    {"TX Frequency", "发射频率"},
    {"Low Power Voltage", "低电压报警"},
    {"Squelch Level", "静噪等级"},
    {"TX Power", "发射功率"},
    {"Exit Debug", "退出调试"},
}};

// In the order of TestModeCaption; the last one has its lower-case "f".
constexpr std::array<TextPair, 4> kCaptionTexts = {{
    {"Please Choose Frequency first", "请先选择调试频率"},
    {"High Frequency", "高端频率"},
    {"Middle Frequency", "中间频率"},
    {"Low frequency", "低端频率"},
}};

constexpr TextPair kCurrentPosition = {"Current Position:", "当前位置:"};

} // namespace

std::string TreeItemText(TestModeTreeItem item, Language language) {
    const TextPair& pair = kTreeTexts[static_cast<std::size_t>(item)];
    return In(language, pair);
}

std::string CaptionText(TestModeCaption caption, Language language) {
    const TextPair& pair = kCaptionTexts[static_cast<std::size_t>(caption)];
    return In(language, pair);
}

std::string CurrentPositionLabel(Language language) {
    return In(language, kCurrentPosition);
}

} // namespace tevano
