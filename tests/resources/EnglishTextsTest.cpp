// The English set word for word where the program's users see it, odd spellings and blanks
// included: the radio tool has always read this way and its manuals show these words.
#include "BuiltModules.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace tevano {
namespace {

using namespace res;
using testing::English;
using testing::Entries;
using Words = std::vector<std::string>;

std::string Text(int dialog, int id) {
    const ControlTemplate* control = English().FindControl(dialog, id);
    return control != nullptr ? control->text : "<missing>";
}

Words ListOf(int dialog, int id) {
    const ControlTemplate* control = English().FindControl(dialog, id);
    return control != nullptr ? Entries(*control) : Words{"<missing>"};
}

// The words of a dialog's controls that the code never addresses, in template order.
Words StaticTexts(int dialog) {
    Words texts;
    for (const ControlTemplate* c : testing::Controls(*English().FindDialog(dialog))) {
        if (c->id < 0 && c->kind != ControlKind::Icon && !(c->style & kHidden)) {
            texts.push_back(c->text);
        }
    }
    return texts;
}

TEST(EnglishTexts, TitleDocumentStringsAndStatusBar) {
    EXPECT_EQ(English().String(ids::kAppTitleString), "Tevano Programing Software");
    EXPECT_EQ(English().String(ids::kMainFrame),
              "Tevano Programing Software\n\nWrite Data\nChannel Data (*.sin)\n.sin\n"
              "Krono.Document\nKrono Document");
    EXPECT_EQ(English().String(ids::kIdlePromptString), "For Help，Please Press F1");
    EXPECT_EQ(English().String(59137), "CAP");
    EXPECT_EQ(English().String(59138), "NUM");
    EXPECT_EQ(English().String(59139), "SCRL");
}

TEST(EnglishTexts, CommandPrompts) {
    const std::vector<std::pair<int, std::string>> prompts = {
        {32771, "Read Data From Radio\nRead"},
        {32772, "Write Data to Radio \nWrite"},
        {32773, "Choose Communication Port one \nCom1"},
        {32775, "Choose Communication Port two \nCom2"},
        {32776, "Choose Communication Port three \nCom3"},
        {32777, "Choose Communication Port four \nCom4"},
        {32778, "Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"},
        {32784, "Set the rest  functional features for the interphone"},
    };
    for (const auto& [id, prompt] : prompts) {
        EXPECT_EQ(English().String(id), prompt) << id;
    }
}

// The menu bar as (depth, text, command id), depth first.
void Collect(const MenuItem* items, int count, int depth,
             std::vector<std::tuple<int, std::string, int>>& out) {
    for (int i = 0; i < count; ++i) {
        out.emplace_back(depth, items[i].kind == MenuItem::Kind::Separator ? "-" : items[i].text,
                         items[i].commandId);
        if (items[i].kind == MenuItem::Kind::Popup) {
            Collect(items[i].items, items[i].itemCount, depth + 1, out);
        }
    }
}

TEST(EnglishTexts, MenuBar) {
    const Menu* menu = English().FindMenu(ids::kMainFrame);
    ASSERT_NE(menu, nullptr);
    std::vector<std::tuple<int, std::string, int>> items;
    Collect(menu->popups, menu->popupCount, 0, items);
    const std::vector<std::tuple<int, std::string, int>> expected = {
        {0, "&File", 0},
        {1, "&New\tCtrl+N", 57600},
        {1, "&Open...\tCtrl+O", 57601},
        {1, "&Save\tCtrl+S", 57603},
        {1, "Save &As...", 57604},
        {1, "-", 0},
        {1, "&Import Channels (CSV)...", 32787},
        {1, "&Export Channels (CSV)...", 32788},
        {1, "Open &Backup Folder", 32790},
        {1, "Compare With &File...", 32791},
        {1, "-", 0},
        {1, "&Print...\tCtrl+P", 57607},
        {1, "Print Pre&view", 57609},
        {1, "P&rint Setup...", 57606},
        {1, "-", 0},
        {1, "E&xit", 57665},
        {0, "&Edit", 0},
        {1, "&Undo\tCtrl+Z", 57643},
        {1, "&Redo\tCtrl+Y", 57644},
        {1, "-", 0},
        {1, "Cu&t Channels\tCtrl+X", 57635},
        {1, "&Copy Channels\tCtrl+C", 57634},
        {1, "&Paste Channels\tCtrl+V", 57637},
        {1, "C&lear Channels\tDel", 57632},
        {1, "Select &All\tCtrl+A", 57642},
        {1, "-", 0},
        {1, "&Insert Channels\tCtrl++", 32794},
        {1, "&Delete Channels\tCtrl+-", 32795},
        {1, "&Move Channels Up\tAlt+Up", 32796},
        {1, "Move Channels Do&wn\tAlt+Down", 32797},
        {1, "Sort by &Frequency", 32798},
        {1, "Sort by &Name", 32799},
        {0, "&Program", 0},
        {1, "&Read From Radio\tCtrl+R", 32771},
        {1, "&Write To Radio\tCtrl+W", 32772},
        {1, "&Verify After Write", 32793},
        {1, "&Compare With Radio", 32792},
        {1, "-", 0},
        {1, "&Test Mode\tCtrl+T", 32778},
        {1, "&Optional Features", 32784},
        {1, "Side Key", 32786},
        {0, "P&ort", 0},
        {1, "COM1(&P)", 32773},
        {1, "COM2(&Q)", 32775},
        {1, "COM3(&S)", 32776},
        {1, "COM4(&T)", 32777},
        {1, "-", 0},
        {1, "Port Set&up...", 32789},
        {0, "&View", 0},
        {1, "&Toolbar", 59392},
        {1, "&Status Bar", 59393},
        {1, "Switch to Chinese", 32785},
        {0, "&Help", 0},
        {1, "&Help Topics", 57667},
        {1, "-", 0},
        {1, "&About ...", 57664},
    };
    EXPECT_EQ(items, expected);
}

TEST(EnglishTexts, ChannelForm) {
    EXPECT_EQ(Text(101, 2001), "Type Setting");
    EXPECT_EQ(Text(101, 2002), "Type");
    EXPECT_EQ(Text(101, 2003), "Field");
    EXPECT_EQ(Text(101, 2004), "TX Power Rank");
    EXPECT_EQ(Text(101, 2005), "Manul Setting");
    EXPECT_EQ(ListOf(101, 1017), Words{""});
    EXPECT_EQ(ListOf(101, 1011), (Words{"134 - 176MHz", "350 - 390MHz", "400 - 480MHz"}));
    EXPECT_EQ(ListOf(101, 1019), (Words{"Open", "Close"}));
    for (const int label : {2002, 2003, 2005}) {
        EXPECT_TRUE(English().FindControl(101, label)->style & kAlignRight) << label;
    }
}

TEST(EnglishTexts, ProgressDialog) {
    const DialogTemplate* dialog = English().FindDialog(ids::kProgressDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->caption, ""); // set by the command that opens it
    EXPECT_EQ(Text(133, 1), "Start");
    EXPECT_EQ(Text(133, 2), "Cancel");
    EXPECT_EQ(Text(133, 1004), "Progress：");
    EXPECT_EQ(Text(133, 1005), "   Not start yet");
}

TEST(EnglishTexts, SideKeyDialog) {
    EXPECT_STREQ(English().FindDialog(ids::kSideKeyDialog)->caption, "Side Key");
    const Words functions = {"NO Function",           "Monitor",        "Scan ON/OFF",
                             "Scan Temperary Delete", "High/Low Power", "Talk Around",
                             "Reverse Frequency",     "Vox ON/OFF",     "Scrambler ON/OFF"};
    for (const int id : {1109, 1110, 1111, 1112}) {
        EXPECT_EQ(ListOf(158, id), functions) << id;
    }
    EXPECT_EQ(StaticTexts(158), (Words{"Side Key1", "Short Press", "Long Press", "Side Key2",
                                       "Short Press", "Long Press"}));
    EXPECT_EQ(Text(158, 1), "OK");
    EXPECT_EQ(Text(158, 2), "Cancel");
}

TEST(EnglishTexts, OptionalFeaturesDialog) {
    EXPECT_STREQ(English().FindDialog(ids::kOptionalFeaturesDialog)->caption, "Optional Features");
    EXPECT_EQ(ListOf(156, 1016), (Words{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(ListOf(156, 1079), (Words{"Chinese", "English", "Off"}));
    EXPECT_EQ(ListOf(156, 1110), (Words{"On", "Off"}));
    EXPECT_EQ(ListOf(156, 1077), (Words{"OFF", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(ListOf(156, 3000), Words{});
    EXPECT_EQ(ListOf(156, 3001), (Words{"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(ListOf(156, 1102), (Words{"MSK", "DTMF", "CCIR", "OFF"}));
    EXPECT_EQ(Text(156, 1074), "Beep");
    EXPECT_EQ(Text(156, 1090), "Battery Save");
    EXPECT_EQ(Text(156, 1075), "Scrambler Activation");
    EXPECT_EQ(Text(156, 1082), "Begin of Tx");
    EXPECT_EQ(Text(156, 1083), "End of Tx");
    EXPECT_EQ(
        StaticTexts(156),
        (Words{"Function Set", "Time-out Timer", "Squelch Level", "Language Choose", "Vox Switch",
               "Vox Gain Level", "Priority Channel", "Roger", " ID", "Group ID", "ID", "Call ID",
               "Check ID", "Kill ID", "Listen ID", "Opt Signal In Frequent Mode"}));
}

TEST(EnglishTexts, TestModeDialog) {
    EXPECT_STREQ(English().FindDialog(ids::kTestModeDialog)->caption, "Debug Mode for Tevano");
    const std::vector<std::pair<int, std::string>> texts = {
        {1029, "Static"},
        {1028, "Default"},
        {1060, "Receive"},
        {1061, "Transmit"},
        {1054, "Frequency (MHz)"},
        {1055, "Frequency (MHz)"},
        {1056, "Tone"},
        {1057, "Tone"},
        {1058, "Tone Method"},
        {1059, "Tone Method"},
        {1034, "QT"},
        {1035, "DQT"},
        {1036, "QT"},
        {1037, "DQT"},
        {1062, "Step Value"},
        {1065, "Step Value"},
        {1063, "5.00KHZ"},
        {1064, "6.25KHZ"},
        {1066, "5.00KHZ"},
        {1067, "6.25KHZ"},
        {1043, "Choose Debug Frequency"},
        {1040, "High(MHz)"},
        {1041, "Middle(MHz)"},
        {1042, "Low(MHz)"},
        {1044, "Parameter Value"},
        {1049, "Min"},
        {1051, "Max"},
        {1052, "Current Value"},
        {1038, "Start"},
        {1068, "Button1"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(Text(136, id), text) << id;
    }
}

TEST(EnglishTexts, AboutBox) {
    const DialogTemplate* about = English().FindDialog(ids::kAboutDialog);
    ASSERT_NE(about, nullptr);
    EXPECT_STREQ(about->caption, "About");
    const Words texts = StaticTexts(ids::kAboutDialog);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "  Tevano Communication Software");
    EXPECT_NE(texts[1].find(TEVANO_PROJECT_VERSION), std::string::npos) << texts[1];
    EXPECT_NE(texts[2].find("Tevano"), std::string::npos) << texts[2];
    EXPECT_EQ(Text(100, 1), "OK");
}

// Sizes, fonts and positions as the radio tool's dialogs were designed; the program converts
// them to pixels with the template font.
TEST(EnglishTexts, DialogFramesAndFixedPositions) {
    const std::vector<std::tuple<int, int, int, std::string, int>> frames = {
        {100, 230, 86, "Times New Roman", 10}, {101, 625, 275, "Times New Roman", 8},
        {133, 260, 74, "Times New Roman", 10}, {136, 391, 216, "Times New Roman", 10},
        {156, 396, 182, "Times New Roman", 8}, {158, 183, 157, "Times New Roman", 9},
    };
    for (const auto& [id, width, height, font, points] : frames) {
        const DialogTemplate* d = English().FindDialog(id);
        ASSERT_NE(d, nullptr) << id;
        EXPECT_EQ(std::make_tuple(d->width, d->height, std::string(d->fontName), d->fontPointSize),
                  std::make_tuple(width, height, font, points))
            << id;
    }
    const std::vector<std::tuple<int, int, int, int, int, int>> places = {
        {101, 2001, 16, 11, 334, 28},   {101, 2002, 33, 21, 20, 12},
        {101, 1017, 63, 21, 52, 57},    {101, 2003, 125, 21, 17, 12},
        {101, 1011, 152, 21, 70, 68},   {101, 2005, 232, 21, 48, 12},
        {101, 1019, 290, 21, 46, 57},   {101, 1007, 16, 47, 588, 210},
        {133, 1, 7, 7, 32, 14},         {133, 2, 194, 36, 39, 14},
        {133, 1003, 7, 23, 226, 10},    {133, 1004, 7, 38, 47, 12},
        {133, 1005, 48, 38, 142, 21},   {136, 1026, 18, 23, 98, 179},
        {136, 1029, 120, 13, 250, 190}, {136, 1028, 270, 178, 64, 17},
        {136, 1060, 121, 50, 108, 121}, {136, 1061, 235, 50, 114, 122},
        {136, 1030, 179, 62, 53, 12},   {136, 1031, 283, 60, 53, 12},
        {136, 1012, 179, 78, 44, 70},   {136, 1013, 285, 77, 44, 70},
        {136, 1034, 184, 94, 32, 13},   {136, 1035, 184, 109, 34, 10},
        {136, 1036, 297, 95, 32, 13},   {136, 1037, 297, 109, 34, 11},
        {136, 1063, 166, 123, 44, 11},  {136, 1064, 166, 134, 48, 15},
        {136, 1066, 278, 121, 48, 15},  {136, 1067, 278, 136, 48, 15},
        {136, 1043, 128, 35, 221, 39},  {136, 1040, 136, 51, 57, 12},
        {136, 1041, 200, 51, 54, 12},   {136, 1042, 270, 51, 52, 12},
        {136, 1044, 128, 83, 214, 70},  {136, 1049, 137, 105, 28, 13},
        {136, 1039, 158, 103, 133, 14}, {136, 1051, 301, 105, 24, 13},
        {136, 1052, 139, 126, 94, 13},  {136, 1038, 157, 180, 45, 16},
        {136, 1068, 218, 184, 25, 11},  {156, 1, 218, 152, 44, 14},
        {156, 2, 307, 152, 44, 14},     {158, 1, 39, 131, 35, 14},
        {158, 2, 110, 131, 35, 14},
    };
    for (const auto& [dialog, id, x, y, width, height] : places) {
        const ControlTemplate* c = English().FindControl(dialog, id);
        ASSERT_NE(c, nullptr) << dialog << "/" << id;
        EXPECT_EQ(std::make_tuple(c->x, c->y, c->width, c->height),
                  std::make_tuple(x, y, width, height))
            << dialog << "/" << id;
    }
}

// A label's row: the control whose middle lies level with the label's middle.
bool SameRow(const ControlTemplate& a, const ControlTemplate& b) {
    const int middleA = a.y + std::min(a.height, kComboClosedHeight) / 2;
    return middleA >= b.y && middleA <= b.y + std::min(b.height, kComboClosedHeight);
}

const ControlTemplate* LabelOf(int dialog, const std::string& text) {
    for (const ControlTemplate* c : testing::Controls(*English().FindDialog(dialog))) {
        if (c->text == text && !(c->style & kHidden)) {
            return c;
        }
    }
    return nullptr;
}

// The Optional Features and Side Key dialogs are described in words: rows of a right-aligned
// label and a control 50 wide at x = 99, group boxes at given places, partners to the right.
TEST(EnglishTexts, LayoutsGivenInWords) {
    const auto at = [](int dialog, int id) { return *English().FindControl(dialog, id); };
    const std::vector<std::tuple<std::string, int, int>> rows = {
        {"Time-out Timer", 1013, 23}, {"Squelch Level", 1016, 39},  {"Language Choose", 1079, 55},
        {"Vox Switch", 1110, 71},     {"Vox Gain Level", 1077, 87}, {"Priority Channel", 3000, 103},
        {"Roger", 3001, 119},
    };
    for (const auto& [text, id, y] : rows) {
        const ControlTemplate* label = LabelOf(156, text);
        ASSERT_NE(label, nullptr) << text;
        const ControlTemplate& control = at(156, id);
        EXPECT_EQ(std::make_tuple(control.x, control.y), std::make_tuple(99, y)) << text;
        EXPECT_TRUE(label->style & kAlignRight) << text;
        EXPECT_LE(label->x + label->width, 99) << text;
        EXPECT_TRUE(SameRow(*label, control)) << text;
    }
    // The time field and its spin together are the row's 50 units.
    EXPECT_EQ(at(156, 1089).x, at(156, 1013).x + at(156, 1013).width);
    EXPECT_EQ(at(156, 1089).x + at(156, 1089).width, 149);
    for (const int id : {1016, 1079, 1110, 1077, 3000, 3001}) {
        EXPECT_EQ(at(156, id).width, 50) << id;
    }
    EXPECT_EQ(at(156, 1074).y, 136);
    EXPECT_EQ(at(156, 1090).y, 136);
    EXPECT_LT(at(156, 1074).x, at(156, 1090).x);
    EXPECT_EQ(at(156, 1075).y, 151);

    // The ID group: each field with its partner to the right, one row after another.
    const std::vector<std::tuple<std::string, int, int>> idRows = {
        {"Group ID", 1080, 1082},
        {"ID", 1081, 1083},
        {"Call ID", 1098, 1099},
        {"Kill ID", 1100, 1101},
    };
    int previousY = 10;
    for (const auto& [text, field, partner] : idRows) {
        const ControlTemplate* label = LabelOf(156, text);
        ASSERT_NE(label, nullptr) << text;
        EXPECT_TRUE(SameRow(*label, at(156, field))) << text;
        EXPECT_TRUE(SameRow(at(156, partner), at(156, field))) << text;
        EXPECT_GT(at(156, partner).x, at(156, field).x + at(156, field).width) << text;
        EXPECT_GT(at(156, field).y, previousY) << text;
        previousY = at(156, field).y;
    }
    EXPECT_EQ(at(156, 1080).y, 23);
    EXPECT_EQ(at(156, 1102).y, 108);
    EXPECT_TRUE(SameRow(*LabelOf(156, "Opt Signal In Frequent Mode"), at(156, 1102)));
    const ControlTemplate* functionSet = LabelOf(156, "Function Set");
    const ControlTemplate* idGroup = LabelOf(156, " ID");
    ASSERT_TRUE(functionSet != nullptr && idGroup != nullptr);
    EXPECT_EQ(
        std::make_tuple(functionSet->x, functionSet->y, functionSet->width, functionSet->height),
        std::make_tuple(16, 10, 150, 159));
    EXPECT_EQ(std::make_tuple(idGroup->x, idGroup->y, idGroup->width, idGroup->height),
              std::make_tuple(173, 10, 210, 135));

    // Side Key: two groups, labels at x = 34, lists 80 wide at x = 75, short press above long.
    std::vector<const ControlTemplate*> groups;
    for (const ControlTemplate* c : testing::Controls(*English().FindDialog(158))) {
        if (c->kind == ControlKind::GroupBox) {
            groups.push_back(c);
        } else if (c->kind == ControlKind::Label) {
            EXPECT_EQ(c->x, 34) << c->text;
        }
    }
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(std::make_tuple(groups[0]->x, groups[0]->y, groups[0]->width, groups[0]->height),
              std::make_tuple(17, 13, 149, 51));
    EXPECT_EQ(std::make_tuple(groups[1]->x, groups[1]->y, groups[1]->width, groups[1]->height),
              std::make_tuple(18, 70, 149, 51));
    for (const auto& [shortPress, longPress, group] :
         {std::tuple{1109, 1110, groups[0]}, std::tuple{1111, 1112, groups[1]}}) {
        for (const int id : {shortPress, longPress}) {
            EXPECT_EQ(std::make_tuple(at(158, id).x, at(158, id).width), std::make_tuple(75, 80));
            EXPECT_GT(at(158, id).y, group->y);
            EXPECT_LT(at(158, id).y + kComboClosedHeight, group->y + group->height);
        }
        EXPECT_LT(at(158, shortPress).y + kComboClosedHeight, at(158, longPress).y + 1);
    }
}

} // namespace
} // namespace tevano
