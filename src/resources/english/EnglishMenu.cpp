// The English menu bar of the main frame (menu 128), word for word as the radio tool has always
// shown it, but for the keys: an item names only a key that the accelerator table binds to it.
#include "resources/CommandIds.h"
#include "resources/layout/MenuBuilders.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

namespace {

using build::Command;
using build::kSeparator;
using build::Popup;

constexpr MenuItem kFileItems[] = {
    Command("&New\tCtrl+N", cmd::kFileNew),
    Command("&Open...\tCtrl+O", cmd::kFileOpen),
    Command("&Save\tCtrl+S", cmd::kFileSave),
    Command("Save &As...", cmd::kFileSaveAs),
    kSeparator,
    Command("&Import Channels (CSV)...", cmd::kFileImportCsv),
    Command("&Export Channels (CSV)...", cmd::kFileExportCsv),
    Command("Open &Backup Folder", cmd::kOpenBackupFolder),
    Command("Compare With &File...", cmd::kCompareWithFile),
    kSeparator,
    Command("&Print...\tCtrl+P", cmd::kFilePrint),
    Command("Print Pre&view", cmd::kFilePrintPreview),
    Command("P&rint Setup...", cmd::kFilePrintSetup),
    kSeparator,
    Command("E&xit", cmd::kAppExit),
};

constexpr MenuItem kEditItems[] = {
    Command("&Undo\tCtrl+Z", cmd::kEditUndo),
    Command("&Redo\tCtrl+Y", cmd::kEditRedo),
    kSeparator,
    Command("Cu&t Channels\tCtrl+X", cmd::kEditCut),
    Command("&Copy Channels\tCtrl+C", cmd::kEditCopy),
    Command("&Paste Channels\tCtrl+V", cmd::kEditPaste),
    Command("C&lear Channels\tDel", cmd::kEditClear),
    Command("Select &All\tCtrl+A", cmd::kEditSelectAll),
    kSeparator,
    Command("&Insert Channels\tCtrl++", cmd::kInsertChannels),
    Command("&Delete Channels\tCtrl+-", cmd::kDeleteChannels),
    Command("&Move Channels Up\tAlt+Up", cmd::kMoveChannelsUp),
    Command("Move Channels Do&wn\tAlt+Down", cmd::kMoveChannelsDown),
    Command("Sort by &Frequency", cmd::kSortByFrequency),
    Command("Sort by &Name", cmd::kSortByName),
};

constexpr MenuItem kProgramItems[] = {
    Command("&Read From Radio\tCtrl+R", cmd::kReadFromRadio),
    Command("&Write To Radio\tCtrl+W", cmd::kWriteToRadio),
    Command("&Verify After Write", cmd::kVerifyAfterWrite),
    Command("&Compare With Radio", cmd::kCompareWithRadio),
    kSeparator,
    Command("&Test Mode\tCtrl+T", cmd::kTestMode),
    Command("&Optional Features", cmd::kOptionalFeatures),
    Command("Side Key", cmd::kSideKey),
};

constexpr MenuItem kPortItems[] = {
    Command("COM1(&P)", cmd::kPortCom1),
    Command("COM2(&Q)", cmd::kPortCom2),
    Command("COM3(&S)", cmd::kPortCom3),
    Command("COM4(&T)", cmd::kPortCom4),
    kSeparator,
    Command("Port Set&up...", cmd::kPortSetup),
};

constexpr MenuItem kViewItems[] = {
    Command("&Toolbar", cmd::kViewToolbar),
    Command("&Status Bar", cmd::kViewStatusBar),
    Command("Switch to Chinese", cmd::kSwitchLanguage),
};

constexpr MenuItem kHelpItems[] = {
    Command("&Help Topics", cmd::kHelpTopics),
    kSeparator,
    Command("&About ...", cmd::kAppAbout),
};

constexpr MenuItem kMenuBar[] = {
    Popup("&File", kFileItems), Popup("&Edit", kEditItems), Popup("&Program", kProgramItems),
    Popup("P&ort", kPortItems), Popup("&View", kViewItems), Popup("&Help", kHelpItems),
};

} // namespace

const Menu kMenus[] = {
    {ids::kMainFrame, kMenuBar, int(std::size(kMenuBar))},
};
const int kMenuCount = int(std::size(kMenus));

} // namespace tevano::res
