// Edit Undo and Edit Redo of the program's window (also Ctrl+Z and Ctrl+Y), with their menu
// items enabled only while there is a step to undo or to redo.
#pragma once

namespace tevano {

class CTevApp;

// Registers both commands with the program, once its window and view are up.
void AddUndoCommands(CTevApp& app);

} // namespace tevano
