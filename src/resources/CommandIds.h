// The command ids of the main frame: menu items, toolbar buttons and accelerators send them, and
// the string table holds each one's status-bar prompt and tooltip under the same id.
#pragma once

namespace tevano::res::cmd {

// The program's own commands.
constexpr int kReadFromRadio = 32771;
constexpr int kWriteToRadio = 32772;
constexpr int kPortCom1 = 32773;
constexpr int kPortCom2 = 32775;
constexpr int kPortCom3 = 32776;
constexpr int kPortCom4 = 32777;
constexpr int kTestMode = 32778;
constexpr int kOptionalFeatures = 32784;
constexpr int kSwitchLanguage = 32785; // no prompt string
constexpr int kSideKey = 32786;        // no prompt string
// Commands of this Linux program that the radio tool did not have.
constexpr int kFileImportCsv = 32787;
constexpr int kFileExportCsv = 32788;
constexpr int kPortSetup = 32789;
constexpr int kOpenBackupFolder = 32790;
constexpr int kCompareWithFile = 32791;
constexpr int kCompareWithRadio = 32792;
constexpr int kVerifyAfterWrite = 32793;
// The channel operations of the Edit menu and the table's context menu.
constexpr int kInsertChannels = 32794;
constexpr int kDeleteChannels = 32795;
constexpr int kMoveChannelsUp = 32796;
constexpr int kMoveChannelsDown = 32797;
constexpr int kSortByFrequency = 32798;
constexpr int kSortByName = 32799;

// The framework's standard commands, by the ids the radio tool has always used.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kEditClear = 57632; // Clear Channels
constexpr int kEditCopy = 57634;
constexpr int kEditCut = 57635;
constexpr int kEditPaste = 57637;
constexpr int kEditSelectAll = 57642;
constexpr int kEditUndo = 57643;
constexpr int kEditRedo = 57644;
constexpr int kFilePrintPreview = 57609;
constexpr int kAppAbout = 57664;
constexpr int kAppExit = 57665;
constexpr int kHelpTopics = 57667;
constexpr int kContextHelp = 57669;
constexpr int kHelp = 57670;
constexpr int kDefaultHelp = 57671;
constexpr int kNextPane = 57680;
constexpr int kPreviousPane = 57681;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;

// Status-bar indicators; the string of each is the text its pane shows while the key is on.
constexpr int kIndicatorCaps = 59137;
constexpr int kIndicatorNum = 59138;
constexpr int kIndicatorScroll = 59139;

} // namespace tevano::res::cmd
