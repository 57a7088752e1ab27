// The words the test mode dialog writes into its controls, in English and Chinese: the tree's
// item names, the captions of the big group box and the slider's "Current Position:" label.
#pragma once

#include "base/Language.h"

#include <string>

namespace tevano {

// The tree of the test mode dialog, in the order it is filled.
enum class TestModeTreeItem {
    DebugFrequency,
    HighFrequency,
    MiddleFrequency,
    LowFrequency,
    DebugItem,
    TxFrequency,
    LowPowerVoltage,
    SquelchLevel,
    TxPower,
    ExitDebug,
};

constexpr int kTestModeTreeItemCount = 10;

// The branch an item hangs under; a top-level item is its own parent.
constexpr TestModeTreeItem TreeParent(TestModeTreeItem item) {
    switch (item) {
    case TestModeTreeItem::HighFrequency:
    case TestModeTreeItem::MiddleFrequency:
    case TestModeTreeItem::LowFrequency:
        return TestModeTreeItem::DebugFrequency;
    case TestModeTreeItem::TxFrequency:
    case TestModeTreeItem::LowPowerVoltage:
    case TestModeTreeItem::SquelchLevel:
    case TestModeTreeItem::TxPower:
        return TestModeTreeItem::DebugItem;
    default:
        return item;
    }
}

constexpr bool IsTopLevel(TestModeTreeItem item) {
    return TreeParent(item) == item;
}

std::string TreeItemText(TestModeTreeItem item, Language language);

// Captions of the big group box.
enum class TestModeCaption { ChooseFrequencyFirst, HighFrequency, MiddleFrequency, LowFrequency };

std::string CaptionText(TestModeCaption caption, Language language);

// "Current Position:", which the value follows directly.
std::string CurrentPositionLabel(Language language);

} // namespace tevano
