// The user-interface resources of one display language as plain data, by fixed ids: menus, the
// toolbar, accelerators, the string table, dialog templates with their list contents, icon ids.
// A resource module (one shared library per language) exports one ResourceSet.
#pragma once

#include <cstdint>

namespace tevano::res {

// One entry of a menu: a command, a separator, or a pop-up with its own entries.
struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind;
    const char* text;      // as shown: "&" before the mnemonic, "\t" before the shortcut text
    int commandId;         // Command only
    const MenuItem* items; // Popup only
    int itemCount;
};

struct Menu {
    int id;
    const MenuItem* popups; // the menu bar's pop-ups, left to right
    int popupCount;
};

struct Toolbar {
    int id;
    int buttonWidth; // button images, in pixels
    int buttonHeight;
    const int* commandIds; // left to right; 0 stands for a separator
    int count;
};

// Keys of the accelerator table: letters and digits by their ASCII code, function keys below.
enum Key : int {
    kKeyF1 = 0x70,
    kKeyF6 = 0x75,
    kKeyUp = 0x26,
    kKeyDown = 0x28,
    kKeyDelete = 0x2E,
};

enum Modifier : unsigned {
    kNone = 0,
    kCtrl = 1,
    kShift = 2,
    kAlt = 4,
};

struct Accelerator {
    int key;
    unsigned modifiers;
    int commandId;
};

struct AcceleratorTable {
    int id;
    const Accelerator* entries;
    int count;
};

// A string of the string table. Command prompts are "status-bar prompt\ntooltip".
struct StringEntry {
    int id;
    const char* text;
};

enum class ControlKind {
    GroupBox,
    Label,         // static text
    Icon,          // static icon; text holds the icon id in decimal
    Edit,          // text field
    ComboDropDown, // drop-down combo box with an edit field
    ComboDropList, // drop-down list, pick only
    CheckBox,
    RadioButton,
    PushButton,
    DefPushButton, // the default push button
    Spin,          // up-down control attached to the control before it
    Progress,
    Slider,
    Tree,
    Grid, // the channel grid
};

// Style bits of a control.
enum ControlStyle : unsigned {
    kVisible = 0, // the default
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kAlignRight = 1u << 2,
    kAlignCenter = 1u << 3,
    kUpperCase = 1u << 4,  // edit: letters shown and kept in upper case
    kDigitsOnly = 1u << 5, // edit: digits only
    kVScroll = 1u << 6,    // list part with a vertical scroll bar
    kTabStop = 1u << 7,
    kGroup = 1u << 8, // first control of a group (radio buttons)
    kReadOnly = 1u << 9,
    kMultiline = 1u << 10,
    kNoWrap = 1u << 11,    // spin: no wrap-around
    kArrowKeys = 1u << 12, // spin: the arrow keys move it
    kHasLines = 1u << 13,  // tree: lines and buttons
};

struct ControlTemplate {
    int id; // -1 for a control the code never addresses
    ControlKind kind;
    const char* text;
    int x; // position and size in dialog units
    int y;
    int width;
    int height; // combo boxes: with the list dropped down (closed: kComboClosedHeight)
    unsigned style;
    int limit;                  // edit: most characters accepted, 0 for no limit
    const char* const* entries; // combo boxes: initial entries in list order
    int entryCount;
};

// A combo box takes this height while its list is closed; the list drops over what lies below.
constexpr int kComboClosedHeight = 12;

struct DialogTemplate {
    int id;
    const char* caption;
    int width; // dialog units
    int height;
    const char* fontName;
    int fontPointSize;
    const ControlTemplate* controls; // in tab order
    int controlCount;
};

struct ResourceSet {
    int formatVersion;       // kResourceFormatVersion of the module's build
    const char* languageTag; // "EN" or "CH"
    const Menu* menus;
    int menuCount;
    const Toolbar* toolbars;
    int toolbarCount;
    const AcceleratorTable* acceleratorTables;
    int acceleratorTableCount;
    const StringEntry* strings;
    int stringCount;
    const DialogTemplate* dialogs;
    int dialogCount;
    const int* iconIds;
    int iconCount;
};

constexpr int kResourceFormatVersion = 1;

// The one symbol a resource module exports.
using ResourceSetEntry = const ResourceSet* (*)();
constexpr const char* kResourceSetSymbol = "tevano_resource_set";

// Resource ids the program uses.
namespace ids {
constexpr int kMainFrame = 128; // menu, toolbar, accelerators, icon, document strings
constexpr int kAppIcon = 134;
constexpr int kAboutDialog = 100;
constexpr int kFormView = 101;
constexpr int kProgressDialog = 133;
constexpr int kTestModeDialog = 136;
constexpr int kOptionalFeaturesDialog = 156;
constexpr int kSideKeyDialog = 158;
constexpr int kAppTitleString = 57344;
constexpr int kIdlePromptString = 57345;
} // namespace ids

} // namespace tevano::res
