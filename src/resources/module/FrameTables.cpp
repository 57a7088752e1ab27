// The main frame's toolbar, accelerator keys and icon ids: the same in every language.
#include "resources/CommandIds.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

namespace {

constexpr int kSeparator = 0;

constexpr int kMainToolbarButtons[] = {
    cmd::kFileNew,      cmd::kFileOpen, cmd::kFileSave, kSeparator,      cmd::kReadFromRadio,
    cmd::kWriteToRadio, cmd::kTestMode, kSeparator,     cmd::kFilePrint, cmd::kAppAbout,
};

// Only these keys, and every key a menu shows is one of them. Ctrl+R, Ctrl+W and Ctrl+T only
// open their windows: nothing goes to a radio before Start. Ctrl+O opens a file, so the
// Optional Features dialog has no key; Ctrl+C to Ctrl+F are left to copying and the channel
// operations, so the ports have none.
constexpr Accelerator kMainAccelerators[] = {
    {'N', kCtrl, cmd::kFileNew},
    {'O', kCtrl, cmd::kFileOpen},
    {'P', kCtrl, cmd::kFilePrint},
    {'S', kCtrl, cmd::kFileSave},
    {kKeyF1, kNone, cmd::kHelp},
    {kKeyF1, kShift, cmd::kContextHelp},
    {kKeyF6, kNone, cmd::kNextPane},
    {kKeyF6, kShift, cmd::kPreviousPane},
    // Undo and redo of the channel edits, which the Linux program added.
    {'Z', kCtrl, cmd::kEditUndo},
    {'Y', kCtrl, cmd::kEditRedo},
    {'R', kCtrl, cmd::kReadFromRadio},
    {'W', kCtrl, cmd::kWriteToRadio},
    {'T', kCtrl, cmd::kTestMode},
    // The channel operations, which act on the table's selection (never inside a cell's editor,
    // which keeps its own copy, paste and Delete).
    {'C', kCtrl, cmd::kEditCopy},
    {'X', kCtrl, cmd::kEditCut},
    {'V', kCtrl, cmd::kEditPaste},
    {'A', kCtrl, cmd::kEditSelectAll},
    {kKeyDelete, kNone, cmd::kEditClear},
    {'+', kCtrl, cmd::kInsertChannels},
    {'=', kCtrl | kShift, cmd::kInsertChannels},
    {'-', kCtrl, cmd::kDeleteChannels},
    {kKeyUp, kAlt, cmd::kMoveChannelsUp},
    {kKeyDown, kAlt, cmd::kMoveChannelsDown},
};

} // namespace

const Toolbar kToolbars[] = {
    {ids::kMainFrame, 18, 18, kMainToolbarButtons, int(std::size(kMainToolbarButtons))},
};
const int kToolbarCount = int(std::size(kToolbars));

const AcceleratorTable kAcceleratorTables[] = {
    {ids::kMainFrame, kMainAccelerators, int(std::size(kMainAccelerators))},
};
const int kAcceleratorTableCount = int(std::size(kAcceleratorTables));

// The program draws its icons itself; the module only says which ids it has.
const int kIconIds[] = {ids::kMainFrame, ids::kAppIcon};
const int kIconCount = int(std::size(kIconIds));

} // namespace tevano::res
