// The program asks both modules for the same ids and reads lists by position, so the two
// languages must agree on everything but their words.
#include "BuiltModules.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace tevano {
namespace {

using namespace res;
using testing::Chinese;
using testing::English;

// A menu flattened into (depth, kind, command id, number of items), depth first.
using MenuShape = std::vector<std::tuple<int, MenuItem::Kind, int, int>>;

void Flatten(const MenuItem* items, int count, int depth, MenuShape& shape) {
    for (int i = 0; i < count; ++i) {
        shape.emplace_back(depth, items[i].kind, items[i].commandId, items[i].itemCount);
        if (items[i].kind == MenuItem::Kind::Popup) {
            Flatten(items[i].items, items[i].itemCount, depth + 1, shape);
        }
    }
}

MenuShape Shape(const Menu& menu) {
    MenuShape shape;
    Flatten(menu.popups, menu.popupCount, 0, shape);
    return shape;
}

// Everything of a control but its words.
using ControlShape = std::tuple<int, ControlKind, int, int, int, int, unsigned, int, int>;

std::vector<ControlShape> Shape(const DialogTemplate& dialog) {
    std::vector<ControlShape> shape;
    for (const ControlTemplate* c : testing::Controls(dialog)) {
        shape.emplace_back(c->id, c->kind, c->x, c->y, c->width, c->height, c->style, c->limit,
                           c->entryCount);
    }
    return shape;
}

std::vector<int> StringIds(const ResourceSet& set) {
    std::vector<int> ids;
    for (int i = 0; i < set.stringCount; ++i) {
        ids.push_back(set.strings[i].id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(LanguageSets, HaveTheSameIdsAndShapes) {
    ASSERT_TRUE(English().Loaded());
    ASSERT_TRUE(Chinese().Loaded());
    const ResourceSet& en = *English().Set();
    const ResourceSet& ch = *Chinese().Set();

    ASSERT_EQ(en.menuCount, ch.menuCount);
    for (int i = 0; i < en.menuCount; ++i) {
        EXPECT_EQ(en.menus[i].id, ch.menus[i].id);
        EXPECT_EQ(Shape(en.menus[i]), Shape(ch.menus[i])) << "menu " << en.menus[i].id;
    }

    ASSERT_EQ(en.toolbarCount, ch.toolbarCount);
    for (int i = 0; i < en.toolbarCount; ++i) {
        const Toolbar& a = en.toolbars[i];
        const Toolbar& b = ch.toolbars[i];
        EXPECT_EQ(std::tie(a.id, a.buttonWidth, a.buttonHeight),
                  std::tie(b.id, b.buttonWidth, b.buttonHeight));
        EXPECT_TRUE(
            std::equal(a.commandIds, a.commandIds + a.count, b.commandIds, b.commandIds + b.count));
    }

    ASSERT_EQ(en.acceleratorTableCount, ch.acceleratorTableCount);
    for (int i = 0; i < en.acceleratorTableCount; ++i) {
        const AcceleratorTable& a = en.acceleratorTables[i];
        const AcceleratorTable& b = ch.acceleratorTables[i];
        ASSERT_EQ(a.count, b.count);
        for (int k = 0; k < a.count; ++k) {
            EXPECT_EQ(std::tie(a.entries[k].key, a.entries[k].modifiers, a.entries[k].commandId),
                      std::tie(b.entries[k].key, b.entries[k].modifiers, b.entries[k].commandId));
        }
    }

    EXPECT_EQ(StringIds(en), StringIds(ch));
    EXPECT_TRUE(
        std::equal(en.iconIds, en.iconIds + en.iconCount, ch.iconIds, ch.iconIds + ch.iconCount));

    ASSERT_EQ(en.dialogCount, ch.dialogCount);
    for (int i = 0; i < en.dialogCount; ++i) {
        const DialogTemplate& a = en.dialogs[i];
        const DialogTemplate& b = ch.dialogs[i];
        EXPECT_EQ(std::tie(a.id, a.width, a.height, a.fontPointSize),
                  std::tie(b.id, b.width, b.height, b.fontPointSize));
        EXPECT_EQ(Shape(a), Shape(b)) << "dialog " << a.id;
    }
}

TEST(LanguageSets, EveryIdIsThereOnlyOnce) {
    for (const ResourceModule* module : {&English(), &Chinese()}) {
        const ResourceSet& set = *module->Set();
        const std::vector<int> ids = StringIds(set);
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << set.languageTag;
        std::set<int> dialogs;
        for (int i = 0; i < set.dialogCount; ++i) {
            EXPECT_TRUE(dialogs.insert(set.dialogs[i].id).second) << set.dialogs[i].id;
            std::set<int> controls;
            for (const ControlTemplate* c : testing::Controls(set.dialogs[i])) {
                if (c->id >= 0) {
                    EXPECT_TRUE(controls.insert(c->id).second)
                        << set.languageTag << " dialog " << set.dialogs[i].id << " control "
                        << c->id;
                }
            }
        }
    }
}

TEST(LanguageSets, ChineseUsesTheFormWordsAndKeepsTheCodes) {
    const ResourceModule& ch = Chinese();
    const auto text = [&](int dialog, int id) {
        return std::string(ch.FindControl(dialog, id)->text);
    };
    EXPECT_EQ(text(101, 2001), "整机设置");
    EXPECT_EQ(text(101, 2002), "机型");
    EXPECT_EQ(text(101, 2003), "频段");
    EXPECT_EQ(text(101, 2004), "发射功率等级");
    EXPECT_EQ(text(101, 2005), "手动设置");
    EXPECT_EQ(testing::Entries(*ch.FindControl(101, 1011)),
              testing::Entries(*English().FindControl(101, 1011)));
    const auto optSignals = testing::Entries(*ch.FindControl(156, 1102));
    EXPECT_EQ(std::vector<std::string>(optSignals.begin(), optSignals.begin() + 3),
              (std::vector<std::string>{"MSK", "DTMF", "CCIR"}));
    EXPECT_EQ(testing::Entries(*ch.FindControl(156, 1016)),
              testing::Entries(*English().FindControl(156, 1016)));

    // The switch item goes the other way: to English.
    const MenuItem& view = ch.FindMenu(ids::kMainFrame)->popups[4];
    const MenuItem& lastItem = view.items[view.itemCount - 1];
    EXPECT_EQ(lastItem.commandId, cmd::kSwitchLanguage);
    EXPECT_NE(std::string(lastItem.text).find("英文"), std::string::npos);
}

// A text copied over from the English set and left untranslated: a word of lower-case letters
// other than the brand name.
bool HasEnglishWord(std::string text) {
    for (std::size_t at; (at = text.find("Tevano")) != std::string::npos;) {
        text.erase(at, 6);
    }
    int run = 0;
    for (const char c : text) {
        run = (c >= 'a' && c <= 'z') ? run + 1 : 0;
        if (run >= 3) {
            return true;
        }
    }
    return false;
}

TEST(LanguageSets, ChineseLeavesNoEnglishWordsBehind) {
    // Placeholders that the code replaces before they are shown.
    const std::set<std::string> placeholders = {"Static", "Button1"};
    const ResourceSet& ch = *Chinese().Set();
    for (int d = 0; d < ch.dialogCount; ++d) {
        EXPECT_FALSE(HasEnglishWord(ch.dialogs[d].caption)) << ch.dialogs[d].caption;
        for (const ControlTemplate* c : testing::Controls(ch.dialogs[d])) {
            if (placeholders.count(c->text) == 0) {
                EXPECT_FALSE(HasEnglishWord(c->text)) << ch.dialogs[d].id << ": " << c->text;
            }
            for (const std::string& entry : testing::Entries(*c)) {
                EXPECT_FALSE(HasEnglishWord(entry)) << ch.dialogs[d].id << ": " << entry;
            }
        }
    }
    // Prompts, not tooltips: those of the port commands are the port names.
    for (int i = 0; i < ch.stringCount; ++i) {
        const std::string text = ch.strings[i].text;
        if (ch.strings[i].id != ids::kMainFrame) {
            EXPECT_FALSE(HasEnglishWord(text.substr(0, text.find('\n')))) << text;
        }
    }
}

} // namespace
} // namespace tevano
