// The English string table: the application title and document strings, the status bar's idle
// prompt and indicators, and the "status-bar prompt\ntooltip" of every command.
#include "resources/CommandIds.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

const char* const kLanguageTag = "EN";

const StringEntry kStrings[] = {
    // Window title, document name (empty), new-file name, filter name, filter extension, file
    // type id and file type name, one per line.
    {ids::kMainFrame, "Tevano Programing Software\n\nWrite Data\nChannel Data (*.sin)\n.sin\n"
                      "Krono.Document\nKrono Document"},
    {ids::kAppTitleString, "Tevano Programing Software"},
    {ids::kIdlePromptString, "For Help，Please Press F1"},
    {cmd::kIndicatorCaps, "CAP"},
    {cmd::kIndicatorNum, "NUM"},
    {cmd::kIndicatorScroll, "SCRL"},

    // The program's own commands. The blanks before "\n" and the double blank are the
    // texts' own; Optional Features has a prompt but no tooltip.
    {cmd::kReadFromRadio, "Read Data From Radio\nRead"},
    {cmd::kWriteToRadio, "Write Data to Radio \nWrite"},
    {cmd::kPortCom1, "Choose Communication Port one \nCom1"},
    {cmd::kPortCom2, "Choose Communication Port two \nCom2"},
    {cmd::kPortCom3, "Choose Communication Port three \nCom3"},
    {cmd::kPortCom4, "Choose Communication Port four \nCom4"},
    {cmd::kTestMode, "Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"},
    {cmd::kOptionalFeatures, "Set the rest  functional features for the interphone"},

    // The framework's commands.
    {cmd::kFileNew, "Start a new channel data document\nNew"},
    {cmd::kFileOpen, "Open a channel data file\nOpen"},
    {cmd::kFileSave, "Save the channel data to its file\nSave"},
    {cmd::kFileSaveAs, "Save the channel data to a file under a new name\nSave As"},
    {cmd::kFilePrint, "Print the settings report\nPrint"},
    {cmd::kFilePrintPreview, "Show the settings report page by page as it will print\n"
                             "Print Preview"},
    {cmd::kFilePrintSetup, "Choose the printer and how it prints\nPrint Setup"},
    {cmd::kAppExit, "Close the program\nExit"},
    {cmd::kAppAbout, "Show the program's version and copyright\nAbout"},
    {cmd::kViewToolbar, "Show or hide the toolbar\nToolbar"},
    {cmd::kEditUndo, "Undo the last change to the channels\nUndo"},
    {cmd::kEditRedo, "Redo the change just undone\nRedo"},
    {cmd::kEditCut, "Copy the selected channels and clear them\nCut Channels"},
    {cmd::kEditCopy, "Copy the selected channels, for another file or a spreadsheet\nCopy Channels"},
    {cmd::kEditPaste, "Put copied channels in from the current channel on\nPaste Channels"},
    {cmd::kEditClear, "Empty the selected channels\nClear Channels"},
    {cmd::kEditSelectAll, "Select all 128 channels\nSelect All"},
    {cmd::kInsertChannels, "Insert empty channels above the selection, moving the ones below "
                           "down\nInsert Channels"},
    {cmd::kDeleteChannels, "Remove the selected channels, moving the ones below up\n"
                           "Delete Channels"},
    {cmd::kMoveChannelsUp, "Move the selected channels up by one\nMove Channels Up"},
    {cmd::kMoveChannelsDown, "Move the selected channels down by one\nMove Channels Down"},
    {cmd::kSortByFrequency, "Sort the selected channels (or all) by receive frequency\n"
                            "Sort by Frequency"},
    {cmd::kSortByName, "Sort the selected channels (or all) by name\nSort by Name"},
    {cmd::kFileImportCsv, "Put the channels of a CSV channel list into the grid\nImport CSV"},
    {cmd::kFileExportCsv, "Save the used channels as a CSV channel list\nExport CSV"},
    {cmd::kOpenBackupFolder, "Open the folder that keeps a copy of every read from a radio\n"
                             "Backups"},
    {cmd::kCompareWithFile, "List what differs between the document and a channel data file\n"
                            "Compare With File"},
    {cmd::kCompareWithRadio, "Read the radio and list what differs from the document, which "
                             "stays as it is\nCompare With Radio"},
    {cmd::kVerifyAfterWrite, "Read the radio back after every write and say whether it holds "
                             "the document\nVerify After Write"},
    {cmd::kPortSetup, "Choose the serial device behind each port name\nPort Setup"},
    {cmd::kViewStatusBar, "Show or hide the status bar\nStatus Bar"},
    {cmd::kHelpTopics, "List the help topics\nHelp Topics"},
    {cmd::kHelp, "Show help on the task or command at hand\nHelp"},
    {cmd::kContextHelp, "Show help on the next button, menu or window you click\nContext Help"},
    {cmd::kNextPane, "Move to the next window pane\nNext Pane"},
    {cmd::kPreviousPane, "Move back to the previous window pane\nPrevious Pane"},
};
const int kStringCount = int(std::size(kStrings));

} // namespace tevano::res
