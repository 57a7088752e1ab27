// The channel operations of the Edit menu and the table's context menu: cut, copy and paste of
// whole channels (exact between Tevano windows, as columns for a spreadsheet), clear, insert,
// delete, move and sort. Each is one named undo step and says in the status bar what it did.
#pragma once

namespace tevano {

class CTevView;
class CommandRegistry;
class ProgramWindow;
class UserPrompts;

struct ChannelCommandContext {
    CTevView& view; // the table, its selection, undo and the document
    UserPrompts& prompts;
    ProgramWindow& window; // the parent of the boxes, the status bar's notes, the menu's actions
};

// Registers the commands and the table's context menu.
void AddChannelCommands(CommandRegistry& registry, const ChannelCommandContext& context);

} // namespace tevano
