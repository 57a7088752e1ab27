// Edit Undo and Edit Redo of the program's window (also Ctrl+Z and Ctrl+Y), with their menu
// items enabled only while there is a step to undo or to redo.
#pragma once

namespace tevano {

class CommandRegistry;
class GridUndo;
class ProgramWindow;

// Registers both commands, once the window and the view with its history are up.
void AddUndoCommands(CommandRegistry& registry, GridUndo& history, ProgramWindow& window);

} // namespace tevano
