// Every menu, toolbar, key, string, dialog and control that the program asks a module for, in
// both languages, with the kinds, limits and list lengths its code relies on.
#include "BuiltModules.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace tevano {
namespace {

using namespace res;

std::set<int> Commands(const MenuItem* items, int count) {
    std::set<int> commands;
    for (int i = 0; i < count; ++i) {
        if (items[i].kind == MenuItem::Kind::Command) {
            commands.insert(items[i].commandId);
        } else if (items[i].kind == MenuItem::Kind::Popup) {
            commands.merge(Commands(items[i].items, items[i].itemCount));
        }
    }
    return commands;
}

bool IsUtf8(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        const int follow = *p < 0x80           ? 0
                           : (*p >> 5) == 0x6  ? 1
                           : (*p >> 4) == 0xE  ? 2
                           : (*p >> 3) == 0x1E ? 3
                                               : -1;
        if (follow < 0) {
            return false;
        }
        ++p;
        for (int i = 0; i < follow; ++i, ++p) {
            if ((*p >> 6) != 0x2) {
                return false;
            }
        }
    }
    return true;
}

bool IsText(const char* text) {
    return text != nullptr && IsUtf8(text);
}

void ExpectMenuTexts(const MenuItem* items, int count) {
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(IsText(items[i].text)) << "item " << i;
        if (items[i].kind != MenuItem::Kind::Separator) {
            EXPECT_STRNE(items[i].text, "") << "command " << items[i].commandId;
        }
        if (items[i].kind == MenuItem::Kind::Popup) {
            ExpectMenuTexts(items[i].items, items[i].itemCount);
        }
    }
}

class EachLanguage : public testing::EachLanguage {};

// A word left out of a language's table would reach the program as a null pointer.
TEST_P(EachLanguage, EveryTextIsThereAndIsUtf8) {
    const ResourceSet& set = *Module().Set();
    for (int i = 0; i < set.menuCount; ++i) {
        ExpectMenuTexts(set.menus[i].popups, set.menus[i].popupCount);
    }
    for (int i = 0; i < set.stringCount; ++i) {
        EXPECT_TRUE(IsText(set.strings[i].text)) << set.strings[i].id;
        EXPECT_STRNE(set.strings[i].text, "") << set.strings[i].id;
    }
    for (int i = 0; i < set.dialogCount; ++i) {
        const DialogTemplate& dialog = set.dialogs[i];
        EXPECT_TRUE(IsText(dialog.caption)) << dialog.id;
        EXPECT_TRUE(IsText(dialog.fontName)) << dialog.id;
        for (const ControlTemplate* c : testing::Controls(dialog)) {
            EXPECT_TRUE(IsText(c->text)) << dialog.id << "/" << c->id;
            for (int e = 0; e < c->entryCount; ++e) {
                EXPECT_TRUE(IsText(c->entries[e])) << dialog.id << "/" << c->id << " entry " << e;
            }
        }
    }
}

// The commands of the menu bar, in no particular order.
const std::set<int> kMenuCommands = {
    cmd::kCompareWithFile,
    cmd::kCompareWithRadio,
    cmd::kVerifyAfterWrite,
    cmd::kFileNew,
    cmd::kFileOpen,
    cmd::kFileSave,
    cmd::kFileSaveAs,
    cmd::kFilePrint,
    cmd::kFilePrintPreview,
    cmd::kFilePrintSetup,
    cmd::kAppExit,
    cmd::kReadFromRadio,
    cmd::kWriteToRadio,
    cmd::kTestMode,
    cmd::kOptionalFeatures,
    cmd::kSideKey,
    cmd::kPortCom1,
    cmd::kPortCom2,
    cmd::kPortCom3,
    cmd::kPortCom4,
    cmd::kViewToolbar,
    cmd::kViewStatusBar,
    cmd::kSwitchLanguage,
    cmd::kHelpTopics,
    cmd::kAppAbout,
    // Added by the Linux program.
    cmd::kFileImportCsv,
    cmd::kFileExportCsv,
    cmd::kOpenBackupFolder,
    cmd::kEditUndo,
    cmd::kEditRedo,
    cmd::kPortSetup,
    cmd::kEditCut,
    cmd::kEditCopy,
    cmd::kEditPaste,
    cmd::kEditClear,
    cmd::kEditSelectAll,
    cmd::kInsertChannels,
    cmd::kDeleteChannels,
    cmd::kMoveChannelsUp,
    cmd::kMoveChannelsDown,
    cmd::kSortByFrequency,
    cmd::kSortByName,
};

TEST_P(EachLanguage, HasTheMainFramesMenuToolbarKeysAndIcons) {
    const ResourceModule& module = Module();
    const Menu* menu = module.FindMenu(ids::kMainFrame);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->popupCount, 6);
    EXPECT_EQ(Commands(menu->popups, menu->popupCount), kMenuCommands);

    const Toolbar* toolbar = module.FindToolbar(ids::kMainFrame);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->buttonWidth, 18);
    EXPECT_EQ(toolbar->buttonHeight, 18);
    EXPECT_EQ(std::vector<int>(toolbar->commandIds, toolbar->commandIds + toolbar->count),
              (std::vector<int>{57600, 57601, 57603, 0, 32771, 32772, 32778, 0, 57607, 57664}));

    // Only these keys: of the Program menu's, Ctrl+R, Ctrl+W and Ctrl+T.
    const AcceleratorTable* keys = module.FindAccelerators(ids::kMainFrame);
    ASSERT_NE(keys, nullptr);
    std::set<std::tuple<int, unsigned, int>> bound;
    for (int i = 0; i < keys->count; ++i) {
        bound.emplace(keys->entries[i].key, keys->entries[i].modifiers, keys->entries[i].commandId);
    }
    const std::set<std::tuple<int, unsigned, int>> expected = {
        {'N', kCtrl, 57600},  {'O', kCtrl, 57601},   {'P', kCtrl, 57607},  {'S', kCtrl, 57603},
        {0x70, kNone, 57670}, {0x70, kShift, 57669}, {0x75, kNone, 57680}, {0x75, kShift, 57681},
        {'Z', kCtrl, 57643},  {'Y', kCtrl, 57644}, // undo and redo, added by the Linux program
        {'R', kCtrl, 32771},  {'W', kCtrl, 32772},   {'T', kCtrl, 32778}, // the Program menu
        // the channel operations
        {'C', kCtrl, 57634}, {'X', kCtrl, 57635}, {'V', kCtrl, 57637}, {'A', kCtrl, 57642},
        {kKeyDelete, kNone, 57632}, {'+', kCtrl, 32794}, {'=', kCtrl | kShift, 32794},
        {'-', kCtrl, 32795}, {kKeyUp, kAlt, 32796}, {kKeyDown, kAlt, 32797},
    };
    EXPECT_EQ(keys->count, 23);
    EXPECT_EQ(bound, expected);

    EXPECT_TRUE(module.HasIcon(ids::kMainFrame));
    EXPECT_TRUE(module.HasIcon(ids::kAppIcon));
}

TEST_P(EachLanguage, HasAPromptForEveryCommandButTheTwoWithout) {
    const ResourceModule& module = Module();
    std::set<int> commands = kMenuCommands;
    commands.insert({cmd::kHelp, cmd::kContextHelp, cmd::kNextPane, cmd::kPreviousPane});
    for (const int id : commands) {
        const std::string text = module.String(id);
        if (id == cmd::kSwitchLanguage || id == cmd::kSideKey) {
            EXPECT_EQ(text, "") << id;
        } else if (id == cmd::kOptionalFeatures) {
            EXPECT_NE(text, "");
            EXPECT_EQ(text.find('\n'), std::string::npos) << "a prompt without a tooltip";
        } else {
            // "prompt\ntooltip", both halves there.
            const auto split = text.find('\n');
            ASSERT_NE(split, std::string::npos) << id;
            EXPECT_GT(split, 0u) << id;
            EXPECT_LT(split + 1, text.size()) << id;
            EXPECT_EQ(text.find('\n', split + 1), std::string::npos) << id;
        }
    }
    for (const int id : {ids::kAppTitleString, ids::kIdlePromptString, cmd::kIndicatorCaps,
                         cmd::kIndicatorNum, cmd::kIndicatorScroll}) {
        EXPECT_NE(module.String(id), "") << id;
    }
    // The document strings: seven fields, the last three the same in every language.
    const std::string document = module.String(ids::kMainFrame);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = document.find('\n', start)) != std::string::npos;
         start = end + 1) {
        fields.push_back(document.substr(start, end - start));
    }
    fields.push_back(document.substr(start));
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[0], module.String(ids::kAppTitleString));
    EXPECT_EQ(fields[1], "");
    EXPECT_NE(fields[3].find("(*.sin)"), std::string::npos);
    EXPECT_EQ(fields[4], ".sin");
    EXPECT_EQ(fields[5], "Krono.Document");
    EXPECT_EQ(fields[6], "Krono Document");
}

struct ExpectedControl {
    int dialog;
    int id;
    ControlKind kind;
    int entryCount; // combo boxes
};

using K = ControlKind;

// Every control the program addresses, by dialog.
const ExpectedControl kAddressedControls[] = {
    {100, 1, K::DefPushButton, 0},     {101, 2001, K::GroupBox, 0},
    {101, 2002, K::Label, 0},          {101, 2003, K::Label, 0},
    {101, 2004, K::Label, 0},          {101, 2005, K::Label, 0},
    {101, 1017, K::ComboDropList, 1},  {101, 1011, K::ComboDropList, 3},
    {101, 1019, K::ComboDropList, 2},  {101, 1007, K::Grid, 0},
    {133, 1, K::DefPushButton, 0},     {133, 2, K::PushButton, 0},
    {133, 1003, K::Progress, 0},       {133, 1004, K::Label, 0},
    {133, 1005, K::Label, 0},          {136, 1026, K::Tree, 0},
    {136, 1029, K::GroupBox, 0},       {136, 1028, K::PushButton, 0},
    {136, 1060, K::GroupBox, 0},       {136, 1061, K::GroupBox, 0},
    {136, 1054, K::Label, 0},          {136, 1030, K::Edit, 0},
    {136, 1055, K::Label, 0},          {136, 1031, K::Edit, 0},
    {136, 1056, K::Label, 0},          {136, 1012, K::ComboDropDown, 0},
    {136, 1057, K::Label, 0},          {136, 1013, K::ComboDropDown, 0},
    {136, 1058, K::Label, 0},          {136, 1034, K::RadioButton, 0},
    {136, 1035, K::RadioButton, 0},    {136, 1059, K::Label, 0},
    {136, 1036, K::RadioButton, 0},    {136, 1037, K::RadioButton, 0},
    {136, 1062, K::Label, 0},          {136, 1063, K::RadioButton, 0},
    {136, 1064, K::RadioButton, 0},    {136, 1065, K::Label, 0},
    {136, 1066, K::RadioButton, 0},    {136, 1067, K::RadioButton, 0},
    {136, 1043, K::GroupBox, 0},       {136, 1040, K::RadioButton, 0},
    {136, 1041, K::RadioButton, 0},    {136, 1042, K::RadioButton, 0},
    {136, 1044, K::GroupBox, 0},       {136, 1049, K::Label, 0},
    {136, 1039, K::Slider, 0},         {136, 1051, K::Label, 0},
    {136, 1052, K::Label, 0},          {136, 1038, K::PushButton, 0},
    {136, 1068, K::DefPushButton, 0},  {156, 1013, K::Edit, 0},
    {156, 1089, K::Spin, 0},           {156, 1016, K::ComboDropDown, 10},
    {156, 1079, K::ComboDropDown, 3},  {156, 1110, K::ComboDropList, 2},
    {156, 1077, K::ComboDropDown, 11}, {156, 3000, K::ComboDropDown, 0},
    {156, 3001, K::ComboDropDown, 11}, {156, 1074, K::CheckBox, 0},
    {156, 1090, K::CheckBox, 0},       {156, 1075, K::CheckBox, 0},
    {156, 1080, K::Edit, 0},           {156, 1081, K::Edit, 0},
    {156, 1098, K::Edit, 0},           {156, 1099, K::Edit, 0},
    {156, 1100, K::Edit, 0},           {156, 1101, K::Edit, 0},
    {156, 1082, K::CheckBox, 0},       {156, 1083, K::CheckBox, 0},
    {156, 1102, K::ComboDropDown, 4},  {156, 1, K::DefPushButton, 0},
    {156, 2, K::PushButton, 0},        {158, 1109, K::ComboDropList, 9},
    {158, 1110, K::ComboDropList, 9},  {158, 1111, K::ComboDropList, 9},
    {158, 1112, K::ComboDropList, 9},  {158, 1, K::DefPushButton, 0},
    {158, 2, K::PushButton, 0},
};

TEST_P(EachLanguage, HasEveryDialogAndEveryControlTheProgramAddresses) {
    const ResourceModule& module = Module();
    for (const int dialog : {100, 101, 133, 136, 156, 158}) {
        EXPECT_NE(module.FindDialog(dialog), nullptr) << dialog;
    }
    for (const ExpectedControl& e : kAddressedControls) {
        const ControlTemplate* control = module.FindControl(e.dialog, e.id);
        ASSERT_NE(control, nullptr) << e.dialog << "/" << e.id;
        EXPECT_EQ(control->kind, e.kind) << e.dialog << "/" << e.id;
        EXPECT_EQ(control->entryCount, e.entryCount) << e.dialog << "/" << e.id;
    }
    // The About box shows the program's icon.
    const DialogTemplate* about = module.FindDialog(ids::kAboutDialog);
    const auto controls = testing::Controls(*about);
    EXPECT_TRUE(std::any_of(controls.begin(), controls.end(), [](const ControlTemplate* c) {
        return c->kind == K::Icon && std::string(c->text) == "134";
    }));
}

TEST_P(EachLanguage, FieldStylesAndHiddenControlsAreAsTheDialogsNeed) {
    const ResourceModule& module = Module();
    const auto control = [&](int dialog, int id) { return *module.FindControl(dialog, id); };

    // Optional Features: the spin joins the time field just before it; the ID fields' limits.
    const DialogTemplate& features = *module.FindDialog(ids::kOptionalFeaturesDialog);
    const auto controls = testing::Controls(features);
    const auto spin = std::find_if(controls.begin(), controls.end(),
                                   [](const ControlTemplate* c) { return c->id == 1089; });
    ASSERT_NE(spin, controls.begin());
    EXPECT_EQ((*(spin - 1))->id, 1013);
    EXPECT_EQ((*spin)->style & (kNoWrap | kArrowKeys), kNoWrap | kArrowKeys);
    EXPECT_EQ(control(156, 1013).limit, 10);
    EXPECT_EQ(control(156, 1080).limit, 4);
    EXPECT_TRUE(control(156, 1080).style & kDigitsOnly);
    for (const int id : {1081, 1098}) {
        EXPECT_EQ(control(156, id).limit, 8) << id;
        EXPECT_TRUE(control(156, id).style & kUpperCase) << id;
    }
    for (const int id : {1099, 1100, 1101}) {
        EXPECT_EQ(control(156, id).limit, 8) << id;
        EXPECT_FALSE(control(156, id).style & kUpperCase) << id;
    }
    // "PF1", "PF2" and "Repeater MSK Invert" with their lists: the only hidden controls.
    std::vector<K> hidden;
    for (const ControlTemplate* c : controls) {
        if (c->style & kHidden) {
            hidden.push_back(c->kind);
        }
    }
    EXPECT_EQ(hidden, (std::vector<K>{K::Label, K::ComboDropList, K::Label, K::ComboDropList,
                                      K::CheckBox}));

    // Test mode: only the tree and the big group box show at first.
    for (const ControlTemplate* c : testing::Controls(*module.FindDialog(ids::kTestModeDialog))) {
        EXPECT_EQ(!(c->style & kHidden), c->id == 1026 || c->id == 1029) << c->id;
    }
    EXPECT_TRUE(control(136, 1068).style & kDisabled);

    // The form: the TX power rank label is written on a language switch but never shown.
    for (const ControlTemplate* c : testing::Controls(*module.FindDialog(ids::kFormView))) {
        EXPECT_EQ(bool(c->style & kHidden), c->id == 2004) << c->id;
    }
    EXPECT_EQ(control(101, 1007).width, 588);
}

INSTANTIATE_TEST_SUITE_P(BothModules, EachLanguage, ::testing::Values("MAIN_EN", "MAIN_CH"));

} // namespace
} // namespace tevano
