// Every dialog of both languages lies within its frame, shows no control on top of another and
// has room for its words. Words are measured roughly in dialog units: a dialog unit across is a
// quarter of the font's average letter, Times New Roman's letters are mostly narrower than that
// average, and a Chinese character is about one em, eight units, wide.
#include "BuiltModules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace tevano {
namespace {

using namespace res;

struct Box {
    double left, top, right, bottom;
    bool Overlaps(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool Holds(double x, double y) const { return x > left && x < right && y > top && y < bottom; }
};

bool IsCombo(const ControlTemplate& c) {
    return c.kind == ControlKind::ComboDropDown || c.kind == ControlKind::ComboDropList;
}

// Where the control sits while nothing is dropped down.
Box Frame(const ControlTemplate& c) {
    const int height = IsCombo(c) ? std::min(c.height, kComboClosedHeight) : c.height;
    return {double(c.x), double(c.y), double(c.x + c.width), double(c.y + height)};
}

double TextWidth(const std::string& text) {
    double width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 3.25;
        } else if (byte >= 0xC0) { // the first byte of a wide character
            width += 8;
        }
    }
    return width;
}

// What a label actually covers: its words, placed by its alignment, when they fit on one line.
Box Covered(const ControlTemplate& c) {
    Box box = Frame(c);
    const double words = TextWidth(c.text);
    if (c.kind != ControlKind::Label || words > c.width) {
        return box;
    }
    if (c.style & kAlignRight) {
        box.left = box.right - words;
    } else if (c.style & kAlignCenter) {
        box.left += (c.width - words) / 2;
        box.right = box.left + words;
    } else {
        box.right = box.left + words;
    }
    return box;
}

std::string Name(const ControlTemplate& c) {
    std::ostringstream name;
    name << c.id << " \"" << c.text << "\"";
    return name.str();
}

// No control hides part of another. A control whose middle lies inside a group box is that
// group's content and may lie on it.
void ExpectNoOverlaps(const std::vector<const ControlTemplate*>& controls,
                      const std::string& where) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t k = i + 1; k < controls.size(); ++k) {
            const ControlTemplate& a = *controls[i];
            const ControlTemplate& b = *controls[k];
            const Box boxA = Frame(a);
            const Box boxB = Frame(b);
            const auto inside = [](const Box& inner, const Box& group) {
                return group.Holds((inner.left + inner.right) / 2, (inner.top + inner.bottom) / 2);
            };
            if ((a.kind == ControlKind::GroupBox && inside(boxB, boxA)) ||
                (b.kind == ControlKind::GroupBox && inside(boxA, boxB))) {
                continue;
            }
            EXPECT_FALSE(Covered(a).Overlaps(Covered(b)))
                << where << ": " << Name(a) << " and " << Name(b) << " overlap";
        }
    }
}

// Hidden controls that the code cannot show: those it never addresses and the disabled default
// button that only keeps Enter from closing the test mode dialog.
bool NeverShown(const ControlTemplate& c) {
    return (c.style & kHidden) && (c.id < 0 || (c.style & kDisabled));
}

class DialogGeometry : public testing::EachLanguage {};

TEST_P(DialogGeometry, EveryControlLiesWithinItsDialog) {
    const ResourceSet& set = *Module().Set();
    for (int d = 0; d < set.dialogCount; ++d) {
        const DialogTemplate& dialog = set.dialogs[d];
        for (const ControlTemplate* c : testing::Controls(dialog)) {
            const Box box = Frame(*c);
            EXPECT_TRUE(c->width > 0 && c->height > 0 && box.left >= 0 && box.top >= 0 &&
                        box.right <= dialog.width && box.bottom <= dialog.height)
                << dialog.id << ": " << Name(*c) << " at " << c->x << "," << c->y << " " << c->width
                << "x" << c->height;
        }
    }
}

TEST_P(DialogGeometry, NoVisibleControlsOverlap) {
    const ResourceSet& set = *Module().Set();
    for (int d = 0; d < set.dialogCount; ++d) {
        std::vector<const ControlTemplate*> visible;
        for (const ControlTemplate* c : testing::Controls(set.dialogs[d])) {
            if (!(c->style & kHidden)) {
                visible.push_back(c);
            }
        }
        ExpectNoOverlaps(visible, "dialog " + std::to_string(set.dialogs[d].id));
    }
}

// The test mode dialog shows either its frequency view or its item view; each view must be
// clean on its own, with the tree, the big group box and the Default button.
TEST_P(DialogGeometry, EachTestModeViewIsClean) {
    const std::set<int> always = {1026, 1029, 1028};
    const std::set<int> frequencyView = {1060, 1061, 1054, 1030, 1055, 1031, 1056, 1012,
                                         1057, 1013, 1058, 1034, 1035, 1059, 1036, 1037,
                                         1062, 1063, 1064, 1065, 1066, 1067};
    const std::set<int> itemView = {1043, 1040, 1041, 1042, 1044, 1049, 1039, 1051, 1052, 1038};
    const DialogTemplate* dialog = Module().FindDialog(ids::kTestModeDialog);
    ASSERT_NE(dialog, nullptr);
    for (const auto& [name, view] :
         {std::pair{"frequency view", frequencyView}, std::pair{"item view", itemView}}) {
        std::vector<const ControlTemplate*> shown;
        for (const ControlTemplate* c : testing::Controls(*dialog)) {
            if (always.count(c->id) != 0 || view.count(c->id) != 0) {
                shown.push_back(c);
            }
        }
        EXPECT_EQ(shown.size(), always.size() + view.size()) << name;
        ExpectNoOverlaps(shown, name);
    }
}

TEST_P(DialogGeometry, WordsFitTheirControls) {
    const ResourceSet& set = *Module().Set();
    for (int d = 0; d < set.dialogCount; ++d) {
        for (const ControlTemplate* c : testing::Controls(set.dialogs[d])) {
            if (NeverShown(*c)) {
                continue;
            }
            double room = c->width;
            int lines = 1;
            switch (c->kind) {
            case ControlKind::Label:
                lines = (c->style & kNoWrap) ? 1 : std::max(1, c->height / 8);
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                room -= 12; // the box or circle and its gap
                break;
            case ControlKind::PushButton:
            case ControlKind::DefPushButton:
                room -= 6;
                break;
            case ControlKind::GroupBox:
                room -= 10;
                break;
            default:
                room = 1e9;
                break;
            }
            EXPECT_LE(TextWidth(c->text), room * lines)
                << set.languageTag << " dialog " << set.dialogs[d].id << ": " << Name(*c);
            // A picked entry shows in the closed box beside the arrow button.
            if (IsCombo(*c)) {
                for (const std::string& entry : testing::Entries(*c)) {
                    EXPECT_LE(TextWidth(entry), c->width - 10)
                        << set.languageTag << " dialog " << set.dialogs[d].id << ": " << Name(*c)
                        << " entry \"" << entry << "\"";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothModules, DialogGeometry, ::testing::Values("MAIN_EN", "MAIN_CH"));

} // namespace
} // namespace tevano
